// A control type's properties, declared once: one row per property gives its
// number, names, kind, the settings word it is (when it is a plain one), the
// range a written value is clamped to, and what a write does. The runtime's
// descriptors, with a spare (SpareN) for every number no row names, and the
// reading and writing of the words (ControlUnit) come from the rows.
#pragma once
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "controls/skeleton/word_properties.h"
#include "runtime/interface/image_format.h"
#include "runtime/interface/property_indices.h"
#include "runtime/unit_object.h"

namespace klv {

// Property indices stay below 100, so a generated name needs at most two digits.
constexpr int kPropertyIndexLimit = 100;

struct IndexedName {
  char text[12];
};

template <std::size_t WordSize>
constexpr IndexedName NameWithIndex(const char (&word)[WordSize], int index) {
  static_assert(WordSize + 2 <= sizeof(IndexedName::text), "room for two digits and the terminator");
  IndexedName name{};
  std::size_t at = 0;
  for (; at + 1 < WordSize; ++at) name.text[at] = word[at];
  if (index >= 10) name.text[at++] = static_cast<char>('0' + index / 10);
  name.text[at] = static_cast<char>('0' + index % 10);
  return name;
}

template <std::size_t WordSize>
constexpr std::array<IndexedName, kPropertyIndexLimit> NamesByIndex(const char (&word)[WordSize]) {
  std::array<IndexedName, kPropertyIndexLimit> names{};
  for (int index = 0; index < kPropertyIndexLimit; ++index) names[index] = NameWithIndex(word, index);
  return names;
}

inline constexpr std::array<IndexedName, kPropertyIndexLimit> kSpareNames = NamesByIndex("Spare");
inline constexpr std::array<IndexedName, kPropertyIndexLimit> kUnknownNames = NamesByIndex("unknown");

// The English name of a property whose role is unknown: unknownN.
inline constexpr const char* kUnknownRole = nullptr;

// What writing a settings word does once the word holds its new value, when
// no hook of the type does it.
enum class WriteEffect {
  kNone,           // held only
  kRepaint,        // the window is painted again
  kRebuildWindow,  // a style the system reads only when it makes the window
};

// A word's value before and after a write.
struct WordChange {
  uint32_t before;
  uint32_t after;
  bool changed() const { return before != after; }
};

// A row's write effect: a WriteEffect, or a hook of the type that applies
// the new value to its live window (Apply), or that does and tells whether
// the window must be built anew (Decide).
template <class Unit>
class OnWrite {
 public:
  using Apply = void (Unit::*)();
  using Decide = WriteOutcome (Unit::*)(WordChange change);

  constexpr OnWrite(WriteEffect effect = WriteEffect::kNone) : effect_(effect) {}
  constexpr OnWrite(Apply apply) : apply_(apply) {}
  constexpr OnWrite(Decide decide) : decide_(decide) {}

  WriteOutcome Run(Unit& unit, WordChange change) const {
    if (apply_) (unit.*apply_)();
    if (decide_) return (unit.*decide_)(change);
    if (effect_ == WriteEffect::kRepaint) InvalidateRect(unit.hwnd(), nullptr, TRUE);
    return effect_ == WriteEffect::kRebuildWindow ? WriteOutcome::kRebuildWindow : WriteOutcome::kApplied;
  }

 private:
  WriteEffect effect_ = WriteEffect::kNone;
  Apply apply_ = nullptr;
  Decide decide_ = nullptr;
};

// One property of a type whose unit is Unit and whose settings are Settings.
template <class Unit, class Settings>
struct PropertySpec {
  TypePropertyNumber property;
  const char* name;         // display name; empty for none
  const char* englishName;  // kUnknownRole for a property whose role is unknown
  uint32_t kind;
  SettingWord<Settings> word = {};  // empty: the type reads and writes it in code
  WordRange range = kAnyWord;
  OnWrite<Unit> onWrite = {};
};

template <class Row, std::size_t N>
const Row* FindRow(const Row (&rows)[N], TypePropertyNumber property) {
  for (const Row& row : rows) {
    if (row.property == property) return &row;
  }
  return nullptr;
}

// A written word clamped to its property's range.
template <class Row, std::size_t N>
uint32_t ClampedWord(const Row (&rows)[N], TypePropertyNumber property, uint32_t value) {
  const Row* row = FindRow(rows, property);
  return row ? ClampWord(row->range, value) : value;
}

template <int Count>
struct PropertyTable {
  PropertyDescriptor rows[Count];
};

// Whether the rows name distinct properties below count, in rising order.
template <class Row, std::size_t N>
constexpr bool RowsInPropertyOrder(const Row (&rows)[N], int count) {
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].property < 0 || rows[i].property >= count) return false;
    if (i > 0 && rows[i].property <= rows[i - 1].property) return false;
  }
  return true;
}

// The descriptors of properties 0..Count-1: the named rows in their places,
// a spare everywhere else.
template <int Count, class Row, std::size_t N>
constexpr PropertyTable<Count> WithSpares(const Row (&named)[N]) {
  static_assert(CommonProperty::kFirstTypeProperty + Count <= kPropertyIndexLimit, "indices with two digits");
  PropertyTable<Count> table{};
  for (int k = 0; k < Count; ++k) {
    table.rows[k] = {"", kSpareNames[CommonProperty::kFirstTypeProperty + k].text, "", PropertyKind::kInteger, 0};
  }
  for (const Row& row : named) {
    const char* englishName = row.englishName != kUnknownRole
                                  ? row.englishName
                                  : kUnknownNames[CommonProperty::kFirstTypeProperty + row.property].text;
    table.rows[row.property] = {row.name, englishName, "", row.kind, 0};
  }
  return table;
}

}  // namespace klv
