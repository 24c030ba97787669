#include "controls/report_list/list_mirror.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace klv {

void ListMirror::Reset(std::vector<Row> rows, int32_t selected) {
  state_.Write([&](State& s) {
    s.rows = std::move(rows);
    s.selected = selected;
  });
}

void ListMirror::InsertRow(int32_t at, Row row) {
  if (at < 0) return;
  state_.Write([&](State& s) {
    size_t place = std::min(static_cast<size_t>(at), s.rows.size());
    s.rows.insert(s.rows.begin() + static_cast<std::ptrdiff_t>(place), std::move(row));
  });
}

void ListMirror::ReplaceRow(int32_t at, Row row) {
  state_.Write([&](State& s) {
    if (HoldsIndex(s.rows.size(), at)) s.rows[static_cast<size_t>(at)] = std::move(row);
  });
}

void ListMirror::ReplaceCell(int32_t row, int32_t column, std::string text) {
  if (column < 0) return;
  state_.Write([&](State& s) {
    if (!HoldsIndex(s.rows.size(), row)) return;
    Row& cells = s.rows[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size()) cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = std::move(text);
  });
}

void ListMirror::EraseRow(int32_t at) {
  state_.Write([&](State& s) {
    if (HoldsIndex(s.rows.size(), at)) s.rows.erase(s.rows.begin() + at);
  });
}

void ListMirror::SetSelected(int32_t row) {
  if (state_.Current().selected == row) return;
  state_.Write([&](State& s) { s.selected = row; });
}

int32_t ListMirror::RowCount() const {
  return state_.View([](const State& s) { return static_cast<int32_t>(s.rows.size()); });
}

std::string ListMirror::Cell(int32_t row, int32_t column) const {
  return state_.View([&](const State& s) {
    if (!HoldsIndex(s.rows.size(), row)) return std::string();
    const Row& cells = s.rows[static_cast<size_t>(row)];
    return HoldsIndex(cells.size(), column) ? cells[static_cast<size_t>(column)] : std::string();
  });
}

ListMirror::Row ListMirror::RowAt(int32_t row) const {
  return state_.View([&](const State& s) { return HoldsIndex(s.rows.size(), row) ? s.rows[static_cast<size_t>(row)] : Row(); });
}

int32_t ListMirror::Selected() const {
  return state_.View([](const State& s) { return s.selected; });
}

std::vector<ListMirror::Row> ListMirror::Rows() const {
  return state_.View([](const State& s) { return s.rows; });
}

}  // namespace klv
