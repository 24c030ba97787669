// The target window list: the titles of the top-level windows the operator
// may choose as the target of background clicks.
#pragma once
#include <cstdint>

namespace klv::clicker {

// Refills the title list of ComboWindowTitle from the current desktop.
void RefreshWindowTitles();
// The handles of parent's direct children (0: all top-level windows) whose
// class matches (null: any), in FindWindowExA order; *handles is replaced.
uint32_t ListTopLevelWindows(uint32_t parent, void** handles, const char* className);
// The window's text, at most 255 bytes; a fresh heap text (null when empty).
char* GetWindowTitle(uint32_t window);

}  // namespace klv::clicker
