#include "clicker/hotkey_choices.h"

namespace klv::clicker {

// Being written.
void RegisterChosenHotkeys() {}
void OnOptionsWindowCreated() {}
void ApplyChangedHotkey() {}
void WithdrawHotkeysWhileTyping() {}
void ApplyLeftHotkeyBox() {}
void RestoreDefaultHotkeys() {}

}  // namespace klv::clicker
