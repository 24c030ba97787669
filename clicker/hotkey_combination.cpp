#include "clicker/hotkey_combination.h"

#include <cstdio>

#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kLargestKey = 0xFE;
constexpr uint32_t kKnownModifiers =
    HotkeyModifier::kAlt | HotkeyModifier::kControl | HotkeyModifier::kShift | HotkeyModifier::kWindows;

// Keys with a name that is neither a letter, a digit nor a function key.
struct NamedKey {
  uint32_t key;
  const char* name;
};
constexpr NamedKey kNamedKeys[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},       {0x0D, "Enter"},    {0x13, "Pause"},     {0x14, "Caps Lock"},
    {0x1B, "Esc"},       {0x20, "Space"},     {0x21, "PgUp"},     {0x22, "PgDn"},      {0x23, "End"},
    {0x24, "Home"},      {0x25, "Left"},      {0x26, "Up"},       {0x27, "Right"},     {0x28, "Down"},
    {0x2C, "PrtSc"},     {0x2D, "Ins"},       {0x2E, "Del"},      {0x6A, "Num *"},     {0x6B, "Num +"},
    {0x6D, "Num -"},     {0x6E, "Num ."},     {0x6F, "Num /"},    {0x90, "Num Lock"},  {0x91, "Scroll Lock"},
};

constexpr uint32_t kFirstDigit = 0x30, kLastDigit = 0x39, kFirstLetter = 0x41, kLastLetter = 0x5A;
constexpr uint32_t kFirstNumpadDigit = 0x60, kLastNumpadDigit = 0x69, kF1 = 0x70, kF24 = 0x87;

std::string KeyName(uint32_t key) {
  if ((key >= kFirstDigit && key <= kLastDigit) || (key >= kFirstLetter && key <= kLastLetter)) {
    return std::string(1, static_cast<char>(key));
  }
  if (key >= kFirstNumpadDigit && key <= kLastNumpadDigit) {
    return "Num " + std::string(1, static_cast<char>('0' + key - kFirstNumpadDigit));
  }
  if (key >= kF1 && key <= kF24) return "F" + std::to_string(key - kF1 + 1);
  for (const NamedKey& named : kNamedKeys) {
    if (named.key == key) return named.name;
  }
  char number[8];
  std::snprintf(number, sizeof number, "0x%02X", static_cast<unsigned>(key));
  return number;
}

// Digits only, at least one, and no larger than fits the limit.
bool ReadNumber(const std::string& text, size_t begin, size_t end, uint32_t limit, uint32_t* out) {
  if (begin >= end || end - begin > 5) return false;
  uint32_t value = 0;
  for (size_t i = begin; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + static_cast<uint32_t>(text[i] - '0');
  }
  if (value > limit) return false;
  *out = value;
  return true;
}

}  // namespace

bool IsModifierKey(uint32_t key) {
  switch (key) {
    case 0x10: case 0x11: case 0x12:              // Shift, Control, Alt
    case 0x5B: case 0x5C:                         // the Windows keys
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:  // left and right forms
      return true;
    default:
      return false;
  }
}

bool IsUsableCombination(const HotkeyCombination& combination) {
  return combination.key != 0 && combination.key <= kLargestKey && !IsModifierKey(combination.key) &&
         (combination.modifiers & ~kKnownModifiers) == 0;
}

std::string FormatCombination(const HotkeyCombination& combination) {
  return std::to_string(combination.key) + "," + std::to_string(combination.modifiers);
}

bool ParseCombination(const std::string& text, HotkeyCombination* out) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  HotkeyCombination read;
  if (!ReadNumber(text, 0, comma, kLargestKey, &read.key) ||
      !ReadNumber(text, comma + 1, text.size(), kKnownModifiers, &read.modifiers)) {
    return false;
  }
  if (read.empty() ? read.modifiers != 0 : !IsUsableCombination(read)) return false;
  *out = read;
  return true;
}

std::string CombinationName(const HotkeyCombination& combination) {
  std::string name;
  if (combination.modifiers & HotkeyModifier::kControl) name += "Ctrl+";
  if (combination.modifiers & HotkeyModifier::kShift) name += "Shift+";
  if (combination.modifiers & HotkeyModifier::kAlt) name += "Alt+";
  if (combination.modifiers & HotkeyModifier::kWindows) name += "Win+";
  return name + KeyName(combination.key);
}

}  // namespace klv::clicker
