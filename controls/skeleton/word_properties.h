// Type properties that are plain 32-bit settings. Each type maps a property
// index to its setting word; a table of ranges says where written values
// are clamped. Properties a type carries without giving them any effect are
// kept in a small array of spare words.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace klv {

struct WordRange {
  int k;  // property index - 8
  int32_t minimum;
  int32_t maximum;
};

// The value clamped (as a signed number) to the range the table gives k;
// unchanged when k has no range.
template <size_t N>
uint32_t ClampWord(const WordRange (&ranges)[N], int k, uint32_t value) {
  for (const WordRange& range : ranges) {
    if (range.k != k) continue;
    int32_t signedValue = static_cast<int32_t>(value);
    if (signedValue < range.minimum) return static_cast<uint32_t>(range.minimum);
    if (signedValue > range.maximum) return static_cast<uint32_t>(range.maximum);
  }
  return value;
}

// Properties k in [first, first + N) that only hold what was written.
template <size_t N>
class SpareProperties {
 public:
  explicit SpareProperties(int first) : first_(first) {}
  bool Holds(int k) const { return k >= first_ && k < first_ + static_cast<int>(N); }
  uint32_t Read(int k) const { return Holds(k) ? values_[k - first_] : 0; }
  void Write(int k, uint32_t value) {
    if (Holds(k)) values_[k - first_] = value;
  }

 private:
  int first_;
  std::array<uint32_t, N> values_ = {};
};

// Reads a property that is a setting word (word not null) or else a spare
// one; false when it is neither.
template <size_t N>
bool ReadWordOrSpare(const uint32_t* word, const SpareProperties<N>& spare, int k, uint32_t* out) {
  if (word) {
    *out = *word;
    return true;
  }
  *out = spare.Read(k);
  return spare.Holds(k);
}

}  // namespace klv
