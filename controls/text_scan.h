// Walking a GBK text a character at a time: a byte with its high bit set
// followed by a non-zero byte is one double-byte character, so a lead byte is
// never split and its trail byte never read as a character of its own.
#pragma once
#include <cstddef>

#include "runtime/text_value.h"

namespace klv {

// Bytes in the character at text (text is not at its terminator).
inline size_t CharacterLength(const char* text) {
  return IsLeadByte(static_cast<unsigned char>(text[0])) && text[1] != '\0' ? 2 : 1;
}

constexpr unsigned char kFullWidthLead = 0xA1;  // 0xA1 0xA1 is the full-width space

// Bytes of the space at text: 1 for 0x20, 2 for the full-width space, 0 otherwise.
inline size_t SpaceLength(const char* text) {
  if (text[0] == ' ') return 1;
  bool fullWidth = static_cast<unsigned char>(text[0]) == kFullWidthLead &&
                   static_cast<unsigned char>(text[1]) == kFullWidthLead;
  return fullWidth ? 2 : 0;
}

}  // namespace klv
