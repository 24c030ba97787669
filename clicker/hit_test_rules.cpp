#include "clicker/hit_test_rules.h"

#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

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
  if (SameClassName(className, "Button")) return (style & ControlStyle::kButtonTypeMask) == ControlStyle::kGroupBox;
  if (SameClassName(className, "Static")) return (style & ControlStyle::kStaticNotify) == 0;
  return false;
}

}  // namespace klv::clicker
