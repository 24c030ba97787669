#include "controls/skeleton/control_font.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "runtime/byte_reader.h"
#include "runtime/system_text.h"

namespace klv {
namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// Program texts are Chinese on a system of any language, so the default font
// is the one a Chinese system gives for its default GUI font, named: the
// stock font follows the system's language and on most others has no Chinese
// glyphs. Every font is asked for in the Chinese character set, which a
// Chinese system's default character set also is.
constexpr wchar_t kDefaultFace[] = L"SimSun";
constexpr int kDefaultPoints = 9;
constexpr BYTE kProgramCharSet = GB2312_CHARSET;


HFONT MakeDefaultFont() {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = -MulDiv(kDefaultPoints, ScreenDpi(), 72);
  font.lfWidth = 0;
  font.lfCharSet = kProgramCharSet;
  std::copy(std::begin(kDefaultFace), std::end(kDefaultFace), font.lfFaceName);
  return CreateFontIndirectW(&font);
}

}  // namespace

HFONT DefaultFont() {
  static const FontHandle font(MakeDefaultFont());
  return font.get();
}

namespace {

// A font record's settings; the face is the caller's, in program text.
template <class LogFont>
FontValue FromLogFont(const LogFont& font, std::string face) {
  FontValue value;
  value.angle = font.lfEscapement % 3600;
  value.bold = font.lfWeight >= FW_BOLD ? 1 : 0;
  value.italic = font.lfItalic ? 1 : 0;
  value.strikeOut = font.lfStrikeOut ? 1 : 0;
  value.underline = font.lfUnderline ? 1 : 0;
  value.size = MulDiv(std::abs(font.lfHeight), 72, ScreenDpi());
  value.face = std::move(face);
  return value;
}

// The stored record's face is program text already; the system's is wide.
FontValue FromLogFont(const LOGFONTA& font) {
  return FromLogFont(font, std::string(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE)));
}
FontValue FromLogFont(const LOGFONTW& font) {
  return FromLogFont(font, ToProgramText(std::wstring(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE))));
}

LOGFONTW ToLogFont(const FontValue& value) {
  LOGFONTW font = {};
  GetObjectW(DefaultFont(), sizeof font, &font);  // the default face and the character set
  font.lfHeight = -MulDiv(value.size, ScreenDpi(), 72);
  font.lfWidth = 0;
  font.lfEscapement = font.lfOrientation = value.angle;
  font.lfWeight = value.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = value.italic ? 1 : 0;
  font.lfStrikeOut = value.strikeOut ? 1 : 0;
  font.lfUnderline = value.underline ? 1 : 0;
  const std::wstring face = ToSystemText(value.face);
  if (!face.empty() && face.size() < LF_FACESIZE) {
    std::copy(face.begin(), face.end(), font.lfFaceName);
    font.lfFaceName[face.size()] = L'\0';
  }
  return font;
}

// A stored font is the bytes of a LOGFONTA: five 32-bit words, eight bytes,
// then the face name in 32 bytes.
bool ReadStoredLogFont(const Bytes& block, LOGFONTA* font) {
  ByteReader reader(block.data(), block.size());
  int32_t words[5];
  for (int32_t& word : words) reader.ReadI32(&word);
  uint8_t flags[8];
  for (uint8_t& flag : flags) reader.ReadU8(&flag);
  const uint8_t* face = nullptr;
  if (!reader.Skip(LF_FACESIZE, &face)) return false;
  *font = {};
  font->lfHeight = words[0];
  font->lfEscapement = words[2];
  font->lfWeight = words[4];
  font->lfItalic = flags[0];
  font->lfUnderline = flags[1];
  font->lfStrikeOut = flags[2];
  std::memcpy(font->lfFaceName, face, LF_FACESIZE);
  font->lfFaceName[LF_FACESIZE - 1] = '\0';
  return true;
}

}  // namespace

void ControlFont::LoadStored(const Bytes& block) {
  LOGFONTA font;
  if (!block.empty() && ReadStoredLogFont(block, &font)) Set(FromLogFont(font));
}

void ControlFont::Set(const FontValue& value) {
  LOGFONTW font = ToLogFont(value);
  HFONT made = CreateFontIndirectW(&font);
  own_.Reset(made);
  value_ = value;
}

FontValue ControlFont::Value() const {
  if (own_) return value_;
  LOGFONTW font = {};
  GetObjectW(DefaultFont(), sizeof font, &font);
  return FromLogFont(font);
}

HFONT ControlFont::handle() const { return own_ ? own_.get() : DefaultFont(); }

void ControlFont::ApplyTo(HWND window, bool redraw) const {
  if (window) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(handle()), redraw ? TRUE : FALSE);
}

bool ControlFont::ReapplyOnLoadNotice(UINT notice, HWND window) {
  if (notice != LoadNotice::kApplyFont || !NamesFace()) return false;
  Refresh();
  ApplyTo(window, true);
  return true;
}

int ControlFont::TextHeight() const {
  HDC screen = GetDC(nullptr);
  if (!screen) return 0;
  HGDIOBJ old = SelectObject(screen, handle());
  TEXTMETRICA metrics = {};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return metrics.tmHeight;
}

}  // namespace klv
