// Checks for fixed, append-only tables whose rows name their own number: a
// table whose rows drift out of step with its numbering fails the build.
#pragma once
#include <array>
#include <cstddef>
#include <utility>

namespace klv {

// Whether every row stands at the position of its number.
template <typename Row, std::size_t N>
constexpr bool RowsInNumberOrder(const Row (&rows)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(rows[i].number) != i) return false;
  }
  return true;
}

// One field of every row, in row order: the plain array a record points to.
template <typename Row, std::size_t N, typename Field, std::size_t... I>
constexpr std::array<Field, N> ColumnOf(const Row (&rows)[N], Field Row::*field, std::index_sequence<I...>) {
  return {{(rows[I].*field)...}};
}
template <typename Row, std::size_t N, typename Field>
constexpr std::array<Field, N> ColumnOf(const Row (&rows)[N], Field Row::*field) {
  return ColumnOf(rows, field, std::make_index_sequence<N>{});
}

}  // namespace klv
