// Program text's encoding: GB18030, the superset of GBK that holds every
// Unicode character. Every text GBK holds keeps its GBK bytes (code page
// 936's, 0x80 for the euro sign included), so settings files written by
// earlier versions read the same. Pure logic, built natively for tests and
// fuzzing, on tables the build writes (gb18030_tables.h).
#pragma once
#include <cstddef>
#include <string>

namespace klv::gb18030 {

constexpr char32_t kReplacement = 0xFFFD;
// The most bytes one character takes.
constexpr size_t kLongestCharacter = 4;

// The bytes of the character that starts at text[0] of `available` bytes
// (available > 0): 4, 2 or 1, by form alone, whether or not it stands for a
// character.
size_t CharacterLength(const unsigned char* text, size_t available);
inline size_t CharacterLength(const std::string& text, size_t at) {
  return CharacterLength(reinterpret_cast<const unsigned char*>(text.data()) + at, text.size() - at);
}

// Whether byte b is a lead byte: the first byte of a two- or four-byte
// sequence, and the third of a four-byte one.
inline bool IsLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Whether text starts with a four-byte sequence by form: lead, digit, lead,
// digit. Reads no further than the first byte that fails, so a terminated
// text is never read past its terminator.
inline bool IsFourByteSequence(const unsigned char* text) {
  auto digit = [](unsigned char b) { return b >= 0x30 && b <= 0x39; };
  return IsLead(text[0]) && digit(text[1]) && IsLead(text[2]) && digit(text[3]);
}

// Whether any character of the text is a four-byte sequence.
inline bool HasFourByteSequence(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = CharacterLength(text, at);
    if (length == 4) return true;
    at += length;
  }
  return false;
}

// The longest start of the text of at most `longest` bytes that ends at the
// end of a character, as a buffer of longest + 1 bytes takes it.
inline std::string CutToWholeCharacters(const std::string& text, size_t longest) {
  size_t length = 0;
  while (length < text.size()) {
    const size_t next = length + CharacterLength(text, length);
    if (next > longest) break;
    length = next;
  }
  return text.substr(0, length);
}

// The character at text[0] (available > 0): its code point, or
// kReplacement for bytes that stand for none; *length gets the bytes read.
// A well-formed sequence (lead and a trail 0x40..0x7E or 0x80..0xFE; lead,
// digit, lead, digit) that stands for no character is one kReplacement; any
// other byte that starts none is one on its own. 0xFF is U+F8F5, as 936
// reads it when not asked to be strict and writes it back.
char32_t Decode(const unsigned char* text, size_t available, size_t* length);

// The bytes of a code point into out: 1, 2 or 4; 0 for a surrogate or a
// number beyond U+10FFFF.
size_t Encode(char32_t codePoint, unsigned char out[4]);

// Whole texts, to and from UTF-16. A lone surrogate becomes "?", as the
// system's own conversions give it.
std::u16string ToUtf16(const std::string& programText);
std::string FromUtf16(const std::u16string& text);

}  // namespace klv::gb18030
