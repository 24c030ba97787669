// The GB18030 converter against the host's glibc iconv, sequence by
// sequence, with the places where the program differs by design; every code
// point there and back; the bytes that stand for no character.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/gb18030.h"
#include "runtime/gb18030_glibc.h"
#include "runtime/gb18030_tables.h"

namespace {

namespace gb = klv::gb18030;

// A sequence's bytes read as one big-endian number (0x80, 0xA2E3,
// 0x8135F437), so that the sequences of one length sort as numbers.
struct SequenceSpan {
  uint32_t first, last;
};

// Where the program's reading differs from glibc's, on purpose:
// - 0x80 is the euro sign and 0xFF U+F8F5, as code page 936 has them
//   (glibc: no character), and glibc's 8339FE30 for U+F8F5 stands for nothing;
// - code page 936 holds its cells, where glibc has moved a character in
//   (A2E3 the euro sign, the vertical forms U+FE10..FE19, the ideographic
//   description characters U+2FF0..2FFB, radicals and CJK characters);
// - those characters then read from the four-byte sequences glibc gives the
//   private-use code points 936 keeps in their cells, or, where glibc has
//   none, from their place in the BMP block (84318236.., 82359037..);
// - 8336C739, glibc's U+E76C, which 936 has in A2E3, stands for nothing.
const SequenceSpan kUnlikeGlibc[] = {
    {0x80, 0x80}, {0xFF, 0xFF}, {0x8339FE30, 0x8339FE30},
    {0xA2E3, 0xA2E3}, {0xA6D9, 0xA6DF}, {0xA6EC, 0xA6ED}, {0xA6F3, 0xA6F3}, {0xA8BC, 0xA8BC},
    {0xA8BF, 0xA8BF}, {0xA989, 0xA995}, {0xFE50, 0xFE7E}, {0xFE80, 0xFEA0},
    {0x8135F437, 0x8135F437}, {0x82359037, 0x82359134}, {0x8336C739, 0x8336CF39}, {0x84318236, 0x84318335},
};

bool ExpectedUnlikeGlibc(uint32_t key) {
  for (const SequenceSpan& span : kUnlikeGlibc)
    if (key >= span.first && key <= span.last) return true;
  return false;
}

uint32_t KeyOf(const unsigned char* bytes, size_t length) {
  uint32_t key = 0;
  for (size_t i = 0; i < length; ++i) key = key << 8 | bytes[i];
  return key;
}

// Every sequence of the given length (its bytes from the generator), read by
// both; returns the sequences where the two disagree against the list, as
// spans of neighbours in that order, to print.
template <class Sequences>
std::string MismatchesAgainstGlibc(size_t length, Sequences forEach) {
  const gb::GlibcGb18030 glibc;
  std::ostringstream out;
  uint32_t spanFirst = 0, previous = 0;
  bool open = false;
  auto close = [&] {
    if (open) out << std::hex << std::uppercase << spanFirst << ".." << previous << " ";
    open = false;
  };
  forEach([&](const unsigned char* bytes) {
    size_t read = 0;
    const char32_t ours = gb::Decode(bytes, length, &read);
    const char32_t theirs = glibc.Decode(bytes, length);
    const uint32_t key = KeyOf(bytes, length);
    const bool mismatch = read != length ||
                          (ours == (theirs == gb::GlibcGb18030::kNone ? gb::kReplacement : theirs)) ==
                              ExpectedUnlikeGlibc(key);
    if (!mismatch) {
      close();
      return;
    }
    if (!open) spanFirst = key;
    open = true;
    previous = key;
  });
  close();
  return out.str();
}

TEST(Gb18030AgainstGlibc, SingleAndTwoByteSequences) {
  EXPECT_EQ("", MismatchesAgainstGlibc(1, [](auto check) {
              for (unsigned byte = 0; byte < 0x100; ++byte) {
                const unsigned char bytes[1] = {static_cast<unsigned char>(byte)};
                if (byte < 0x81 || byte == 0xFF) check(bytes);
              }
            }));
  EXPECT_EQ("", MismatchesAgainstGlibc(2, [](auto check) {
              for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
                for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                  const unsigned char bytes[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
                  if (trail != 0x7F) check(bytes);
                }
            }));
}

// Both blocks and every lead glibc leaves unassigned (0x85..0x8F, 0x99..0xFE).
TEST(Gb18030AgainstGlibc, EveryFourByteSequence) {
  EXPECT_EQ("", MismatchesAgainstGlibc(4, [](auto check) {
              for (uint32_t index = 0; index < gb::tables::kFourByteSequenceCount; ++index) {
                unsigned char bytes[4];
                gb::tables::SequenceAt(index, bytes);
                check(bytes);
              }
            }));
}

TEST(Gb18030RoundTrip, EveryCodePointButTheSurrogatesHasOneSequence) {
  size_t failures = 0;
  for (char32_t c = 0; c <= 0x10FFFF && failures < 10; ++c) {
    unsigned char bytes[4];
    const size_t length = gb::Encode(c, bytes);
    if (c >= 0xD800 && c <= 0xDFFF) {
      failures += length != 0;
      continue;
    }
    size_t read = 0;
    const bool back = length != 0 && gb::Decode(bytes, length, &read) == c && read == length;
    if (!back) ADD_FAILURE() << "U+" << std::hex << static_cast<uint32_t>(c) << " does not come back";
    failures += !back;
  }
  EXPECT_EQ(0u, failures);
  unsigned char bytes[4];
  EXPECT_EQ(0u, gb::Encode(0x110000, bytes));
}

TEST(Gb18030RoundTrip, Utf16TextsWithSurrogatePairs) {
  const std::u16string text = u"a\u4E2D\u20AC\U00020087\U0010FFFF\uE76C\uFE10z";
  const std::string bytes = gb::FromUtf16(text);
  EXPECT_EQ("a\xD6\xD0\x80\x95\x32\x90\x31\xE3\x32\x9A\x35\xA2\xE3\x84\x31\x82\x36z", bytes);
  EXPECT_EQ(text, gb::ToUtf16(bytes));
  // A lone surrogate, high or low, at the end or before another character.
  EXPECT_EQ("x?y??", gb::FromUtf16(u"x\xD800y\xDC00\xD83D"));
}

TEST(Gb18030InvalidBytes, EachReadsAsOneReplacementCharacter) {
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"a\x81", u"a\uFFFD"},                             // a lone lead at the end
      {"\x81\x30\x81", u"\uFFFD0\uFFFD"},                // lead, digit, lead, no last digit
      {"\x81\x7F", u"\uFFFD\x7F"},                       // 0x7F is no trail
      {"\x81\xFF\xFF", u"\uFFFD\uF8F5\uF8F5"},           // nor is 0xFF, a character of its own
      {"\x84\x31\xA5\x30!", u"\uFFFD!"},                 // the first sequence past the BMP block
      {"\x84\x32\x81\x30\x85\x30\x81\x30", u"\uFFFD\uFFFD"},  // unassigned, and an unassigned lead
      {"\x83\x36\xC7\x39", u"\uFFFD"},                   // glibc's U+E76C, which 936 has in A2E3
      {"\xE3\x32\x9A\x35\xE3\x32\x9A\x36", u"\U0010FFFF\uFFFD"},  // the last code point, then beyond
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, gb::ToUtf16(c.bytes)) << testing::PrintToString(c.bytes);
}

// Every first and second byte, with the bytes after them that would make a
// four-byte sequence, in heap blocks of exactly `available` bytes: a read
// past the end is an AddressSanitizer report.
TEST(Gb18030InvalidBytes, CharacterLengthStaysWithinTheBytesAvailable) {
  for (unsigned first = 0; first < 0x100; ++first) {
    for (unsigned second = 0; second < 0x100; ++second) {
      const unsigned char whole[4] = {static_cast<unsigned char>(first), static_cast<unsigned char>(second), 0x81,
                                      0x30};
      for (size_t available = 1; available <= 4; ++available) {
        const std::vector<unsigned char> block(whole, whole + available);
        const size_t length = gb::CharacterLength(block.data(), available);
        ASSERT_TRUE(length == 1 || length == 2 || length == 4);
        ASSERT_LE(length, available) << std::hex << first << " " << second;
      }
    }
  }
}

}  // namespace
