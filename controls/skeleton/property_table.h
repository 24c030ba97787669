// A control type's property descriptors, built from the rows of its named
// properties. Each row names its type property k; every k no row names is a
// spare (an integer held without effect), so a type lists only what it has.
// Spares and properties whose role is unknown get generated English names,
// SpareN and unknownN, N being the property index.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

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

// One named property of a type: its k, display name, English name and kind.
struct PropertyRow {
  int k;
  const char* name;
  const char* englishName;
  uint32_t kind;
};

// A property whose role is unknown: held and kept as stored, with no display
// name and the English name unknownN.
constexpr PropertyRow UnknownProperty(int k, uint32_t kind) {
  return {k, "", kUnknownNames[CommonProperty::kFirstTypeProperty + k].text, kind};
}

template <int Count>
struct PropertyTable {
  PropertyDescriptor rows[Count];
};

// Whether the rows name distinct properties below count, in rising k.
template <std::size_t N>
constexpr bool RowsInPropertyOrder(const PropertyRow (&rows)[N], int count) {
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].k < 0 || rows[i].k >= count) return false;
    if (i > 0 && rows[i].k <= rows[i - 1].k) return false;
  }
  return true;
}

// The descriptors of properties 0..Count-1: the named rows in their places,
// a spare everywhere else.
template <int Count, std::size_t N>
constexpr PropertyTable<Count> WithSpares(const PropertyRow (&named)[N]) {
  static_assert(CommonProperty::kFirstTypeProperty + Count <= kPropertyIndexLimit, "indices with two digits");
  PropertyTable<Count> table{};
  for (int k = 0; k < Count; ++k) {
    table.rows[k] = {"", kSpareNames[CommonProperty::kFirstTypeProperty + k].text, "", PropertyKind::kInteger, 0};
  }
  for (const PropertyRow& row : named) table.rows[row.k] = {row.name, row.englishName, "", row.kind, 0};
  return table;
}

}  // namespace klv
