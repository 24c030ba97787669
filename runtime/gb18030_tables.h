// The data behind the GB18030 converter, written at build time by
// cmake/gb18030_table_generator.cpp: code page 936's one- and two-byte
// cells as Wine's table holds them, and the host iconv's four-byte sequences
// as ranges (where the two differ on a cell, 936's character stays there and
// iconv's moves to a four-byte sequence). Only runtime/gb18030.cpp reads it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace klv::gb18030::tables {

// A byte or cell that stands for no character. (U+FFFF is a noncharacter:
// no code page maps it.)
constexpr uint16_t kNoCharacter = 0xFFFF;

// Two-byte cells: lead 0x81..0xFE by trail 0x40..0xFE (0x7F included, and
// never a character).
constexpr unsigned kFirstLead = 0x81, kLeadCount = 126;
constexpr unsigned kFirstTrail = 0x40, kTrailCount = 191;

// Four-byte sequences by linear index: ((lead1 - 0x81) * 10 + digit1 - 0x30)
// * 1260 + (lead2 - 0x81) * 10 + digit2 - 0x30.
constexpr uint32_t kFourByteSequenceCount = 126u * 10 * 126 * 10;

inline uint32_t LinearIndexOf(const unsigned char bytes[4]) {
  return ((bytes[0] - 0x81u) * 10 + bytes[1] - 0x30u) * 1260 + (bytes[2] - 0x81u) * 10 + bytes[3] - 0x30u;
}

inline void SequenceAt(uint32_t linearIndex, unsigned char out[4]) {
  out[3] = static_cast<unsigned char>(0x30 + linearIndex % 10);
  out[2] = static_cast<unsigned char>(0x81 + linearIndex / 10 % 126);
  out[1] = static_cast<unsigned char>(0x30 + linearIndex / 1260 % 10);
  out[0] = static_cast<unsigned char>(0x81 + linearIndex / 12600);
}

// count sequences from linearIndex stand for count code points from codePoint.
struct FourByteRange {
  uint32_t linearIndex;
  uint32_t codePoint;
  uint32_t count;
};

// The code point of each single byte; kNoCharacter for the lead bytes
// 0x81..0xFE and for a byte that maps to nothing.
extern const uint16_t kSingleBytes[256];
// The code point of each two-byte cell, [lead - 0x81][trail - 0x40].
extern const uint16_t kTwoBytes[kLeadCount][kTrailCount];
// The same ranges twice: sorted by linear index, and by code point.
extern const FourByteRange kRangesBySequence[];
extern const FourByteRange kRangesByCodePoint[];
extern const size_t kRangeCount;

}  // namespace klv::gb18030::tables
