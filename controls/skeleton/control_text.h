// Reading the texts of the controls' system windows. Window texts cross
// the program's text boundary (runtime/system_text.h); selection positions
// count characters, so a selected part is cut from the wide text.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/system_text.h"

namespace klv {

// The selection of an edit field in characters, the end past the last one.
struct TextSelection {
  int32_t start = 0;
  int32_t end = 0;
  int32_t length() const { return end - start; }
};
// Of an edit control (asked as a wide window), and of a combo box's edit field.
TextSelection EditSelection(HWND edit);
TextSelection ComboEditSelection(HWND combo);
// The selected part of a wide text, as the program sees it; a selection
// reaching past the text is cut at its end.
std::string SelectedText(const std::wstring& text, TextSelection selection);

}  // namespace klv
