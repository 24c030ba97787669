#include "controls/combo_box/combo_box_mirror.h"

namespace klv {

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
    uint32_t data = HoldsIndex(s.itemData.size(), s.selected) ? s.itemData[static_cast<size_t>(s.selected)] : 0u;
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
    return HoldsIndex(s.items.size(), index) ? s.items[static_cast<size_t>(index)] : std::string();
  });
}

uint32_t ComboMirror::ItemData(int32_t index) const {
  if (const LiveSource* live = LiveForCaller()) return live->LiveItemData(index);
  return state_.Read([&](const State& s) {
    return HoldsIndex(s.itemData.size(), index) ? s.itemData[static_cast<size_t>(index)] : 0u;
  });
}

}  // namespace klv
