// The operator's own hotkeys: chosen in the options window, registered as
// they are chosen, kept in the preferences file, named on the start and stop
// buttons.
#pragma once

namespace klv::clicker {

// Reads the preferences and registers the four hotkeys (program start).
void RegisterChosenHotkeys();
// The options window's handlers.
void OnOptionsWindowCreated();
void ApplyChangedHotkey();
void WithdrawHotkeysWhileTyping();
void ApplyLeftHotkeyBox();
void RestoreDefaultHotkeys();
void OnOptionsWindowClosed();

}  // namespace klv::clicker
