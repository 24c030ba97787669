// The GB18030 converter on any bytes. Input: the program text itself.
// - Character lengths, each within the bytes left, add up to the input's
//   size (the input is a block of exactly that size: AddressSanitizer sees
//   a read past it).
// - ToUtf16 gives what reading character by character gives, and valid
//   UTF-16: no surrogate outside a pair.
// - The text comes back from FromUtf16(ToUtf16(text)) exactly when every
//   character in it is valid, that is, when each character's bytes are the
//   bytes its code point encodes to (bytes that stand for no character read
//   as U+FFFD, whose own sequence is other bytes); and reading the result
//   again gives the same UTF-16 whatever the text.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "runtime/gb18030.h"

namespace {

namespace gb = klv::gb18030;
using klvfuzz::Require;

bool IsHigh(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool IsValidUtf16(const std::u16string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLow(text[i])) return false;
    if (IsHigh(text[i]) && (++i == text.size() || !IsLow(text[i]))) return false;
  }
  return true;
}

std::u16string Utf16Of(char32_t c) {
  if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
  c -= 0x10000;
  return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string byCharacter;
  bool everyCharacterValid = true;
  for (size_t at = 0; at < size;) {
    const size_t length = gb::CharacterLength(data + at, size - at);
    Require(length == 1 || length == 2 || length == 4, "a character is 1, 2 or 4 bytes");
    Require(length <= size - at, "a character stays within the bytes left");
    size_t read = 0;
    const char32_t c = gb::Decode(data + at, size - at, &read);
    Require(read == length, "Decode reads the character's length");
    unsigned char bytes[4];
    const size_t encoded = gb::Encode(c, bytes);
    everyCharacterValid = everyCharacterValid && encoded == length && std::equal(bytes, bytes + length, data + at);
    byCharacter += Utf16Of(c);
    at += length;
  }

  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::u16string utf16 = gb::ToUtf16(text);
  Require(utf16 == byCharacter, "ToUtf16 reads as Decode does, character by character");
  Require(IsValidUtf16(utf16), "ToUtf16 gives valid UTF-16");
  const std::string back = gb::FromUtf16(utf16);
  Require((back == text) == everyCharacterValid, "a text comes back exactly when all of it is valid");
  Require(gb::ToUtf16(back) == utf16, "the text written back reads the same");
  return 0;
}
