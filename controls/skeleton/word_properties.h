// Type properties that are plain 32-bit words: a settings field a property
// reads and writes, the range a written value is clamped to, and the spare
// words a type holds without giving them any effect.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "runtime/interface/property_indices.h"

namespace klv {

// Signed bounds of a written word; the default bounds keep every value.
struct WordRange {
  int32_t minimum = INT32_MIN;
  int32_t maximum = INT32_MAX;
};
inline constexpr WordRange kAnyWord{};

constexpr uint32_t ClampWord(WordRange range, uint32_t value) {
  int32_t signedValue = static_cast<int32_t>(value);
  if (signedValue < range.minimum) return static_cast<uint32_t>(range.minimum);
  if (signedValue > range.maximum) return static_cast<uint32_t>(range.maximum);
  return value;
}

// A 32-bit field of Settings, unsigned or signed, read and written as the
// property's word; empty for a property its type handles in code.
template <class Settings>
class SettingWord {
 public:
  constexpr SettingWord() = default;
  constexpr SettingWord(uint32_t Settings::*word) : word_(word) {}
  constexpr SettingWord(int32_t Settings::*number) : number_(number) {}

  constexpr explicit operator bool() const { return word_ != nullptr || number_ != nullptr; }
  uint32_t Read(const Settings& settings) const {
    return word_ ? settings.*word_ : static_cast<uint32_t>(settings.*number_);
  }
  void Write(Settings& settings, uint32_t value) const {
    if (word_) settings.*word_ = value;
    else settings.*number_ = static_cast<int32_t>(value);
  }

 private:
  uint32_t Settings::*word_ = nullptr;
  int32_t Settings::*number_ = nullptr;
};

// Properties in [first, first + N) that only hold what was written.
template <size_t N>
class SpareProperties {
 public:
  explicit SpareProperties(TypePropertyNumber first) : first_(first) {}
  bool Holds(TypePropertyNumber property) const {
    return property >= first_ && property < first_ + static_cast<int>(N);
  }
  uint32_t Read(TypePropertyNumber property) const { return Holds(property) ? values_[property - first_] : 0; }
  void Write(TypePropertyNumber property, uint32_t value) {
    if (Holds(property)) values_[property - first_] = value;
  }

 private:
  TypePropertyNumber first_;
  std::array<uint32_t, N> values_ = {};
};

}  // namespace klv
