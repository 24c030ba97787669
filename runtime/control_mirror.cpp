#include "runtime/control_mirror.h"

#include <algorithm>
#include <cstddef>

namespace klv {
namespace {

// The batch of the calling thread (only an owner thread opens one).
thread_local int t_batchDepth = 0;
thread_local std::vector<MirrorBatch::Member*> t_drafted;
// Its address marks the calling thread: no two live threads share it.
thread_local char t_threadMark;

bool Holds(size_t size, int32_t index) { return index >= 0 && static_cast<size_t>(index) < size; }

void PublishDrafted() {
  std::vector<MirrorBatch::Member*> drafted;
  drafted.swap(t_drafted);
  for (MirrorBatch::Member* member : drafted) member->Publish();
}

}  // namespace

void MirrorBatch::Open() { ++t_batchDepth; }

void MirrorBatch::Close() {
  if (t_batchDepth == 0 || --t_batchDepth > 0) return;
  PublishDrafted();
}

MirrorBatch::Interlude::Interlude() : depth_(t_batchDepth) {
  t_batchDepth = 0;
  PublishDrafted();
}

MirrorBatch::Interlude::~Interlude() {
  PublishDrafted();  // a batch left open inside the loop does not carry over
  t_batchDepth = depth_;
}

bool MirrorBatch::IsOpen() { return t_batchDepth > 0; }

MirrorBatch::Member::~Member() {
  t_drafted.erase(std::remove(t_drafted.begin(), t_drafted.end(), this), t_drafted.end());
}

void MirrorBatch::Member::Join() { t_drafted.push_back(this); }

void MirrorOwner::Claim() { owner_.store(&t_threadMark, std::memory_order_relaxed); }

bool MirrorOwner::Calls() const { return owner_.load(std::memory_order_relaxed) == &t_threadMark; }

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
    if (Holds(s.rows.size(), at)) s.rows[static_cast<size_t>(at)] = std::move(row);
  });
}

void ListMirror::ReplaceCell(int32_t row, int32_t column, std::string text) {
  if (column < 0) return;
  state_.Write([&](State& s) {
    if (!Holds(s.rows.size(), row)) return;
    Row& cells = s.rows[static_cast<size_t>(row)];
    if (static_cast<size_t>(column) >= cells.size()) cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = std::move(text);
  });
}

void ListMirror::EraseRow(int32_t at) {
  state_.Write([&](State& s) {
    if (Holds(s.rows.size(), at)) s.rows.erase(s.rows.begin() + at);
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
    if (!Holds(s.rows.size(), row)) return std::string();
    const Row& cells = s.rows[static_cast<size_t>(row)];
    return Holds(cells.size(), column) ? cells[static_cast<size_t>(column)] : std::string();
  });
}

ListMirror::Row ListMirror::RowAt(int32_t row) const {
  return state_.View([&](const State& s) { return Holds(s.rows.size(), row) ? s.rows[static_cast<size_t>(row)] : Row(); });
}

int32_t ListMirror::Selected() const {
  return state_.View([](const State& s) { return s.selected; });
}

std::vector<ListMirror::Row> ListMirror::Rows() const {
  return state_.View([](const State& s) { return s.rows; });
}

void ComboMirror::ClaimOwner(const LiveSource* live) {
  state_.ClaimOwner();
  live_.store(live, std::memory_order_relaxed);
}

const ComboMirror::LiveSource* ComboMirror::LiveForCaller() const {
  if (!state_.OwnerCalls()) return nullptr;
  const LiveSource* live = live_.load(std::memory_order_relaxed);
  return live && live->HasWindow() ? live : nullptr;
}

bool ComboMirror::Set(const State& state) {
  if (state_.Current() == state) return false;
  state_.Write([&](State& s) { s = state; });
  return true;
}

bool ComboMirror::SetShown(const std::string& text, int32_t selected) {
  const State& now = state_.Current();
  if (now.text == text && now.selected == selected) return false;
  state_.Write([&](State& s) {
    s.text = text;
    s.selected = selected;
  });
  return true;
}

ComboMirror::State ComboMirror::Snapshot() const {
  return state_.Read([](const State& s) { return s; });
}

ComboMirror::Choice ComboMirror::ShownChoice() const {
  if (const LiveSource* live = LiveForCaller()) return live->LiveChoice();
  return state_.Read([](const State& s) {
    uint32_t data = Holds(s.itemData.size(), s.selected) ? s.itemData[static_cast<size_t>(s.selected)] : 0u;
    return Choice{s.text, s.selected, data};
  });
}

std::string ComboMirror::Text() const {
  if (const LiveSource* live = LiveForCaller()) return live->LiveText();
  return state_.Read([](const State& s) { return s.text; });
}

int32_t ComboMirror::Selected() const {
  if (const LiveSource* live = LiveForCaller()) return live->LiveSelected();
  return state_.Read([](const State& s) { return s.selected; });
}

std::string ComboMirror::Item(int32_t index) const {
  if (const LiveSource* live = LiveForCaller()) return live->LiveItem(index);
  return state_.Read([&](const State& s) {
    return Holds(s.items.size(), index) ? s.items[static_cast<size_t>(index)] : std::string();
  });
}

uint32_t ComboMirror::ItemData(int32_t index) const {
  if (const LiveSource* live = LiveForCaller()) return live->LiveItemData(index);
  return state_.Read([&](const State& s) {
    return Holds(s.itemData.size(), index) ? s.itemData[static_cast<size_t>(index)] : 0u;
  });
}

}  // namespace klv
