#include "clicker/hit_test_rules.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kGroupBox = 0x07;   // BS_GROUPBOX
constexpr uint32_t kNotify = 0x0100;   // SS_NOTIFY

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameClassName(const char* a, const char* b) {
  if (a == nullptr) return false;
  for (; *a != '\0' && *b != '\0'; ++a, ++b) {
    if (AsciiLower(*a) != AsciiLower(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

bool PassesClicksThrough(const char* className, uint32_t style) {
  if (SameClassName(className, "Button")) return (style & kButtonTypeMask) == kGroupBox;
  if (SameClassName(className, "Static")) return (style & kNotify) == 0;
  return false;
}

}  // namespace klv::clicker
