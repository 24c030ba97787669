// Walking a program text a character at a time, as the text commands do: a
// four-byte sequence (lead, digit, lead, digit) is one character; otherwise
// a byte with its high bit set followed by a non-zero byte is one
// double-byte character, so no character is split and no trail byte or
// digit read as a character of its own. This rule is the commands' own: it
// takes 0x80 and 0xFF as lead bytes too, where the code page's
// (gb18030::IsLead) does not.
#pragma once
#include <cstddef>

#include "runtime/gb18030.h"

namespace klv {

// True when byte b starts a double-byte character of a text command's text.
inline bool IsCommandLeadByte(unsigned char b) { return b >= 0x80; }

// Bytes in the character at text (text is not at its terminator).
inline size_t CharacterLength(const char* text) {
  if (!IsCommandLeadByte(static_cast<unsigned char>(text[0]))) return 1;
  if (text[1] == '\0') return 1;
  // The terminator is neither a lead byte nor a digit, so the check stops at it.
  return gb18030::IsFourByteSequence(reinterpret_cast<const unsigned char*>(text)) ? 4 : 2;
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
