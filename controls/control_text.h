// Reading the texts of the controls' system windows. Window texts cross
// the program's text boundary (runtime/system_text.h); selection positions
// count characters, so a selected part is cut from the wide text.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/system_text.h"

namespace klv {

// A window text read through a small buffer first: most texts fit it, which
// saves the question for the length (each question is a round trip to the
// owning thread when another thread asks). copy(buffer, size) answers as
// WM_GETTEXT does, length() as WM_GETTEXTLENGTH.
template <class Copy, class Length>
std::string GrowingText(Copy copy, Length length) {
  char small[256];
  long got = static_cast<long>(copy(small, static_cast<int>(sizeof small)));
  if (got >= 0 && got < static_cast<long>(sizeof small) - 2) return std::string(small, static_cast<size_t>(got));
  long wanted = static_cast<long>(length());
  if (wanted <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(wanted) + 1, '\0');
  got = static_cast<long>(copy(buffer.data(), static_cast<int>(buffer.size())));
  return std::string(buffer.data(), got > 0 ? strnlen(buffer.data(), buffer.size()) : 0);
}

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
