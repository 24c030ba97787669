#include "runtime/gb18030.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "runtime/gb18030_tables.h"

namespace klv::gb18030 {

namespace {

namespace T = tables;

bool IsTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }
bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

char32_t CodePointOf(uint16_t entry) { return entry == T::kNoCharacter ? kReplacement : entry; }

// The bytes of each BMP code point that one or two bytes stand for: the
// tables read backwards, built once (on first use, safely from any thread).
// 0 for none (U+0000 is ASCII and never looked up); a single byte is below
// 0x100, a lead byte and a trail above.
class ShortSequences {
 public:
  ShortSequences() {
    for (unsigned byte = 0x80; byte < 0x100; ++byte) Enter(T::kSingleBytes[byte], byte);
    for (unsigned lead = 0; lead < T::kLeadCount; ++lead)
      for (unsigned trail = 0; trail < T::kTrailCount; ++trail)
        Enter(T::kTwoBytes[lead][trail], (T::kFirstLead + lead) << 8 | (T::kFirstTrail + trail));
  }
  uint16_t operator[](char32_t c) const { return bytes_[c]; }

 private:
  void Enter(uint16_t codePoint, unsigned bytes) {
    if (codePoint != T::kNoCharacter) bytes_[codePoint] = static_cast<uint16_t>(bytes);
  }
  std::array<uint16_t, 0x10000> bytes_{};
};

const ShortSequences& ShortSequenceTable() {
  static const ShortSequences table;
  return table;
}

// The range holding key (a linear index or a code point), or null.
template <uint32_t T::FourByteRange::*Start>
const T::FourByteRange* RangeHolding(const T::FourByteRange* ranges, uint32_t key) {
  const T::FourByteRange* end = ranges + T::kRangeCount;
  const T::FourByteRange* after = std::upper_bound(
      ranges, end, key, [](uint32_t k, const T::FourByteRange& range) { return k < range.*Start; });
  if (after == ranges) return nullptr;
  const T::FourByteRange* range = after - 1;
  return key - range->*Start < range->count ? range : nullptr;
}

char32_t DecodeFourBytes(const unsigned char* text) {
  const uint32_t index = T::LinearIndexOf(text);
  const T::FourByteRange* range = RangeHolding<&T::FourByteRange::linearIndex>(T::kRangesBySequence, index);
  return range ? range->codePoint + (index - range->linearIndex) : kReplacement;
}

size_t EncodeFourBytes(char32_t c, unsigned char out[4]) {
  const T::FourByteRange* range = RangeHolding<&T::FourByteRange::codePoint>(T::kRangesByCodePoint, c);
  if (!range) return 0;
  T::SequenceAt(range->linearIndex + (c - range->codePoint), out);
  return 4;
}

void AppendUtf16(char32_t c, std::u16string* out) {
  if (c < 0x10000) {
    out->push_back(static_cast<char16_t>(c));
    return;
  }
  c -= 0x10000;
  out->push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
  out->push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

// The code point of the UTF-16 character at text[*at], which *at passes
// over; a lone surrogate stays as it is (and encodes to nothing).
char32_t NextUtf16(const std::u16string& text, size_t* at) {
  const char32_t unit = text[(*at)++];
  if (unit < 0xD800 || unit > 0xDBFF || *at == text.size()) return unit;
  const char32_t low = text[*at];
  if (low < 0xDC00 || low > 0xDFFF) return unit;
  ++*at;
  return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
}

}  // namespace

size_t CharacterLength(const unsigned char* text, size_t available) {
  if (!IsLead(text[0]) || available < 2) return 1;
  if (IsTrail(text[1])) return 2;
  if (available >= 4 && IsFourByteSequence(text)) return 4;
  return 1;
}

char32_t Decode(const unsigned char* text, size_t available, size_t* length) {
  *length = CharacterLength(text, available);
  switch (*length) {
    case 2: return CodePointOf(T::kTwoBytes[text[0] - T::kFirstLead][text[1] - T::kFirstTrail]);
    case 4: return DecodeFourBytes(text);
    default: return CodePointOf(T::kSingleBytes[text[0]]);
  }
}

size_t Encode(char32_t codePoint, unsigned char out[4]) {
  if (codePoint < 0x80) {
    out[0] = static_cast<unsigned char>(codePoint);
    return 1;
  }
  if (IsSurrogate(codePoint) || codePoint > 0x10FFFF) return 0;
  const uint16_t bytes = codePoint < 0x10000 ? ShortSequenceTable()[codePoint] : 0;
  if (bytes >= 0x100) {
    out[0] = static_cast<unsigned char>(bytes >> 8);
    out[1] = static_cast<unsigned char>(bytes);
    return 2;
  }
  if (bytes) {
    out[0] = static_cast<unsigned char>(bytes);
    return 1;
  }
  return EncodeFourBytes(codePoint, out);
}

std::u16string ToUtf16(const std::string& programText) {
  const auto* text = reinterpret_cast<const unsigned char*>(programText.data());
  const size_t size = programText.size();
  std::u16string out;
  out.reserve(size);
  size_t at = 0;
  while (at < size) {
    for (; at < size && text[at] < 0x80; ++at) out.push_back(text[at]);  // ASCII runs
    if (at == size) break;
    size_t length = 0;
    AppendUtf16(Decode(text + at, size - at, &length), &out);
    at += length;
  }
  return out;
}

std::string FromUtf16(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  size_t at = 0;
  while (at < text.size()) {
    for (; at < text.size() && text[at] < 0x80; ++at) out.push_back(static_cast<char>(text[at]));  // ASCII runs
    if (at == text.size()) break;
    unsigned char bytes[4];
    const size_t length = Encode(NextUtf16(text, &at), bytes);
    if (length == 0) out.push_back('?');
    out.append(reinterpret_cast<const char*>(bytes), length);
  }
  return out;
}

}  // namespace klv::gb18030
