#include "runtime/system_text.h"

#include <algorithm>
#include <vector>

#include "runtime/gb18030.h"

namespace klv {

std::wstring ToSystemText(const std::string& programText) {
  const std::u16string wide = gb18030::ToUtf16(programText);
  return std::wstring(wide.begin(), wide.end());
}

std::string ToProgramText(const std::wstring& systemText) {
  return gb18030::FromUtf16(std::u16string(systemText.begin(), systemText.end()));
}

bool SystemSpeaksProgramText() { return GetACP() == kSystemCodePageOfProgramText; }

bool SystemReadsAsMeant(const char* programText) {
  if (!SystemSpeaksProgramText()) return false;
  if (programText == nullptr || IsAtom(programText)) return true;
  return !gb18030::HasFourByteSequence(programText);
}

int CopyToProgramBuffer(const std::string& text, char* buffer, int room) {
  if (buffer == nullptr || room <= 0) return 0;
  const std::string fits = gb18030::CutToWholeCharacters(text, static_cast<size_t>(room - 1));
  std::copy(fits.begin(), fits.end(), buffer);
  buffer[fits.size()] = '\0';
  return static_cast<int>(fits.size());
}

std::string ProgramCharacter(wchar_t character) {
  unsigned char bytes[gb18030::kLongestCharacter];  // half of a surrogate pair encodes to nothing
  const size_t length = gb18030::Encode(static_cast<char32_t>(character), bytes);
  return std::string(reinterpret_cast<const char*>(bytes), length);
}

void CopyToSystemBuffer(const std::string& programText, wchar_t* buffer, int room) {
  std::wstring wide = ToSystemText(programText);
  const size_t fits = std::min(wide.size(), static_cast<size_t>(room - 1));
  std::copy(wide.begin(), wide.begin() + static_cast<std::ptrdiff_t>(fits), buffer);
  buffer[fits] = L'\0';
}

std::wstring ProgramModulePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(path.size() * 2);  // cut short: ask again with more room
  }
}

std::wstring WideWindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(window, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

std::string SystemWindowText(HWND window) { return ToProgramText(WideWindowText(window)); }

bool SetSystemWindowText(HWND window, const std::string& programText) {
  return SetWindowTextW(window, ToSystemText(programText).c_str()) != FALSE;
}

int ShowSystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) {
  return MessageBoxW(owner, ToSystemText(text).c_str(), ToSystemText(caption).c_str(), style);
}

}  // namespace klv
