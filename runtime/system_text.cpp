#include "runtime/system_text.h"

#include <algorithm>
#include <vector>

namespace klv {
namespace {

// The program's code page: its texts are GBK whatever the system's is.
constexpr UINT kProgramCodePage = 936;

}  // namespace

std::wstring ToSystemText(const std::string& programText) {
  if (programText.empty()) return std::wstring();
  const int size = static_cast<int>(programText.size());
  int length = MultiByteToWideChar(kProgramCodePage, 0, programText.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
  if (length > 0) MultiByteToWideChar(kProgramCodePage, 0, programText.data(), size, &wide[0], length);
  return wide;
}

std::string ToProgramText(const std::wstring& systemText) {
  if (systemText.empty()) return std::string();
  const int size = static_cast<int>(systemText.size());
  int length = WideCharToMultiByte(kProgramCodePage, 0, systemText.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(std::max(length, 0)), '\0');
  if (length > 0) WideCharToMultiByte(kProgramCodePage, 0, systemText.data(), size, &narrow[0], length, nullptr, nullptr);
  return narrow;
}

bool SystemSpeaksProgramText() { return GetACP() == kProgramCodePage; }

int CopyToProgramBuffer(const std::string& text, char* buffer, int room) {
  if (buffer == nullptr || room <= 0) return 0;
  size_t length = 0;
  while (length < text.size()) {
    const size_t step = IsProgramLeadByte(static_cast<unsigned char>(text[length])) && length + 1 < text.size() ? 2 : 1;
    if (length + step > static_cast<size_t>(room - 1)) break;
    length += step;
  }
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), buffer);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

std::string ProgramCharacter(wchar_t character) {
  char bytes[2];
  BOOL lacking = FALSE;
  int length = WideCharToMultiByte(kProgramCodePage, 0, &character, 1, bytes, sizeof bytes, nullptr, &lacking);
  if (length <= 0 || lacking) return std::string();
  return std::string(bytes, static_cast<size_t>(length));
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
