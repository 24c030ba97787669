#include "controls/control_mirror.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace klv {
namespace {

using Guard = std::lock_guard<std::mutex>;

bool Holds(size_t size, int32_t index) { return index >= 0 && static_cast<size_t>(index) < size; }

}  // namespace

void ListMirror::Reset(std::vector<Row> rows, int32_t selected) {
  Guard guard(lock_);
  rows_ = std::move(rows);
  selected_ = selected;
}

void ListMirror::InsertRow(int32_t at, Row row) {
  if (at < 0) return;
  Guard guard(lock_);
  size_t place = std::min(static_cast<size_t>(at), rows_.size());
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(place), std::move(row));
}

void ListMirror::ReplaceRow(int32_t at, Row row) {
  Guard guard(lock_);
  if (Holds(rows_.size(), at)) rows_[static_cast<size_t>(at)] = std::move(row);
}

void ListMirror::ReplaceCell(int32_t row, int32_t column, std::string text) {
  if (column < 0) return;
  Guard guard(lock_);
  if (!Holds(rows_.size(), row)) return;
  Row& cells = rows_[static_cast<size_t>(row)];
  if (static_cast<size_t>(column) >= cells.size()) cells.resize(static_cast<size_t>(column) + 1);
  cells[static_cast<size_t>(column)] = std::move(text);
}

void ListMirror::EraseRow(int32_t at) {
  Guard guard(lock_);
  if (Holds(rows_.size(), at)) rows_.erase(rows_.begin() + at);
}

void ListMirror::SetSelected(int32_t row) {
  Guard guard(lock_);
  selected_ = row;
}

int32_t ListMirror::RowCount() const {
  Guard guard(lock_);
  return static_cast<int32_t>(rows_.size());
}

std::string ListMirror::Cell(int32_t row, int32_t column) const {
  Guard guard(lock_);
  if (!Holds(rows_.size(), row)) return std::string();
  const Row& cells = rows_[static_cast<size_t>(row)];
  return Holds(cells.size(), column) ? cells[static_cast<size_t>(column)] : std::string();
}

ListMirror::Row ListMirror::RowAt(int32_t row) const {
  Guard guard(lock_);
  return Holds(rows_.size(), row) ? rows_[static_cast<size_t>(row)] : Row();
}

int32_t ListMirror::Selected() const {
  Guard guard(lock_);
  return selected_;
}

std::vector<ListMirror::Row> ListMirror::Rows() const {
  Guard guard(lock_);
  return rows_;
}

bool ComboMirror::Set(const State& state) {
  Guard guard(lock_);
  if (state_ == state) return false;
  state_ = state;
  return true;
}

bool ComboMirror::SetShown(const std::string& text, int32_t selected) {
  Guard guard(lock_);
  if (state_.text == text && state_.selected == selected) return false;
  state_.text = text;
  state_.selected = selected;
  return true;
}

ComboMirror::State ComboMirror::Snapshot() const {
  Guard guard(lock_);
  return state_;
}

std::string ComboMirror::Text() const {
  Guard guard(lock_);
  return state_.text;
}

int32_t ComboMirror::Selected() const {
  Guard guard(lock_);
  return state_.selected;
}

std::string ComboMirror::Item(int32_t index) const {
  Guard guard(lock_);
  return Holds(state_.items.size(), index) ? state_.items[static_cast<size_t>(index)] : std::string();
}

}  // namespace klv
