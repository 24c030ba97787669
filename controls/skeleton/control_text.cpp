#include "controls/skeleton/control_text.h"

#include <algorithm>

#include "runtime/system_text.h"

namespace klv {

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
  return ToProgramText(text.substr(start, end - start));
}

}  // namespace klv
