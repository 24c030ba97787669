// The GB18030 converter's one- and two-byte sequences are code page 936's:
// checked against the system's own conversions, which read the same table
// the build parsed, so a fault in that parsing shows here.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <iomanip>
#include <sstream>
#include <string>

#include "runtime/gb18030.h"

namespace {

namespace gb = klv::gb18030;

// The code point the system reads from the bytes, strictly; kReplacement
// for bytes it refuses. The one exception is 0xFF, which the system reads
// as U+F8F5 only when not strict, and which earlier versions' texts held so.
char32_t SystemReads(const unsigned char* bytes, int length) {
  wchar_t out[2] = {};
  const UINT strictness = length == 1 && bytes[0] == 0xFF ? 0 : MB_ERR_INVALID_CHARS;
  const int count = MultiByteToWideChar(936, strictness, reinterpret_cast<const char*>(bytes), length, out, 2);
  return count == 1 ? out[0] : gb::kReplacement;
}

// The bytes the system writes for a code point when it has them and reads
// them back as that code point; empty otherwise.
std::string SystemWrites(wchar_t c) {
  char out[4];
  BOOL usedDefault = FALSE;
  const int count = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, &c, 1, out, sizeof out, nullptr, &usedDefault);
  if (count <= 0 || usedDefault) return "";
  const std::string bytes(out, count);
  return SystemReads(reinterpret_cast<const unsigned char*>(out), count) == c ? bytes : "";
}

std::string Hex(const unsigned char* bytes, size_t length) {
  std::ostringstream out;
  out << std::hex << std::uppercase << std::setfill('0');
  for (size_t i = 0; i < length; ++i) out << std::setw(2) << unsigned{bytes[i]};
  return out.str();
}

// Reads the bytes both ways; adds the bytes to *mismatches when they differ.
void CompareReading(const unsigned char* bytes, int length, std::string* mismatches) {
  size_t read = 0;
  const char32_t ours = gb::Decode(bytes, length, &read);
  const char32_t system = SystemReads(bytes, length);
  const bool same = system == gb::kReplacement ? ours == gb::kReplacement : ours == system && read == size_t(length);
  if (!same) *mismatches += Hex(bytes, length) + " ";
}

TEST(CodePage936Table, EverySingleByteAndPairReadsAsTheSystemReadsIt) {
  std::string mismatches;
  for (unsigned byte = 0; byte < 0x100; ++byte) {
    const unsigned char single[1] = {static_cast<unsigned char>(byte)};
    CompareReading(single, 1, &mismatches);
  }
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const unsigned char pair[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
      CompareReading(pair, 2, &mismatches);
    }
  }
  EXPECT_EQ("", mismatches.substr(0, 300));
}

// Both ways: a code point the system writes in one or two bytes is written
// in the same bytes, and one written here in one or two bytes is one the
// system writes so.
TEST(CodePage936Table, EveryBmpCodePointTheSystemWritesIsWrittenTheSame) {
  std::string mismatches;
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    unsigned char bytes[4];
    const size_t length = gb::Encode(c, bytes);
    const std::string ours = length <= 2 ? std::string(reinterpret_cast<char*>(bytes), length) : "";
    const std::string system = SystemWrites(static_cast<wchar_t>(c));
    if (ours != system) {
      char name[12];
      std::snprintf(name, sizeof name, "U+%04X ", static_cast<unsigned>(c));
      mismatches += name;
    }
  }
  EXPECT_EQ("", mismatches.substr(0, 300));
}

}  // namespace
