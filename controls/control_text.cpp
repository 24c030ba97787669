#include "controls/control_text.h"

#include <algorithm>

namespace klv {

std::wstring WidenText(const std::string& text) {
  if (text.empty()) return std::wstring();
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string NarrowText(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(std::max(size, 0)), '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0], size, nullptr, nullptr);
  return narrow;
}

std::string WindowText(HWND window) {
  return GrowingText([window](char* buffer, int size) { return GetWindowTextA(window, buffer, size); },
                     [window] { return GetWindowTextLengthA(window); });
}

std::wstring WideWindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(window, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

TextSelection EditSelection(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int32_t>(start), static_cast<int32_t>(end)};
}

TextSelection ComboEditSelection(HWND combo) {
  DWORD start = 0, end = 0;
  SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int32_t>(start), static_cast<int32_t>(end)};
}

std::string SelectedText(const std::wstring& text, TextSelection selection) {
  size_t start = std::min<size_t>(static_cast<size_t>(std::max(selection.start, 0)), text.size());
  size_t end = std::min<size_t>(static_cast<size_t>(std::max(selection.end, selection.start)), text.size());
  return NarrowText(text.substr(start, end - start));
}

}  // namespace klv
