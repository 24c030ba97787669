// The program's preferences file, Klikvane.ini beside the settings file: the
// operator's hotkeys in its "Hotkeys" section, one key per hotkey.
#pragma once
#include <array>

#include "clicker/hotkey_combination.h"

namespace klv::clicker {

// The four hotkeys, in the options window's order.
enum HotkeyAction : int { kStartAction, kStopAction, kCaptureAction, kQuitAction, kHotkeyActionCount };
using HotkeyCombinations = std::array<HotkeyCombination, kHotkeyActionCount>;

// F6, F7, Control+1 and Control+Q.
HotkeyCombinations DefaultHotkeys();
// The hotkeys the file holds; the default for each one that is missing or
// does not read, and all the defaults without a readable file.
HotkeyCombinations ReadHotkeyPreferences();
// Writes the four hotkeys in one piece; a failure is told as a failed save.
void WriteHotkeyPreferences(const HotkeyCombinations& hotkeys);

}  // namespace klv::clicker
