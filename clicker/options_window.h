// The options window: opened from the functions' menu, owned by the main
// window, closed by its close box, Escape or its "关闭" button. Changes apply
// as they are made, so closing keeps them all.
#pragma once
#include <cstdint>

namespace klv::clicker {

// Loads the window, or brings the open one to the front.
void OpenOptionsWindow();
void CloseOptionsWindow();
// key: the virtual key of a key-down event anywhere in the window. True
// when the key was Escape: it goes no further (a hotkey box would take it
// as an edit).
bool CloseOptionsOnEscape(uint32_t key);

}  // namespace klv::clicker
