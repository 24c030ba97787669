// A hotkey's key combination: a virtual key and RegisterHotKey's modifier
// flags. How it is written in the preferences file ("vk,mods" in decimal)
// and named on a button ("Ctrl+F9"). Pure logic: no system calls.
#pragma once
#include <cstdint>
#include <string>

namespace klv::clicker {

struct HotkeyCombination {
  uint32_t key = 0;        // a virtual key; 0: no key
  uint32_t modifiers = 0;  // HotkeyModifier flags
  bool empty() const { return key == 0; }
  bool operator==(const HotkeyCombination& other) const {
    return key == other.key && modifiers == other.modifiers;
  }
  bool operator!=(const HotkeyCombination& other) const { return !(*this == other); }
};

// Shift, Control, Alt and the Windows keys, either side: none of them makes
// a hotkey on its own.
bool IsModifierKey(uint32_t key);

// A combination the system can register: a key that is not a modifier, with
// known modifier flags only.
bool IsUsableCombination(const HotkeyCombination& combination);

// "vk,mods", both in decimal; the empty combination is "0,0".
std::string FormatCombination(const HotkeyCombination& combination);
// Reads "vk,mods" (digits only, one comma); false, *out untouched, for
// anything else, for a combination that is not usable, and for modifiers
// without a key. "0,0" reads as the empty combination.
bool ParseCombination(const std::string& text, HotkeyCombination* out);

// The name a button shows: the modifiers held ("Ctrl+", "Shift+", "Alt+",
// "Win+") then the key's name ("F9", "A", "7", "Num 7", "Space", ...); a
// key without a name of its own is named by its number ("0xC0").
std::string CombinationName(const HotkeyCombination& combination);

}  // namespace klv::clicker
