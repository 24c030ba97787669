#include "tests/stress/target_watch.h"

#include <windowsx.h>

namespace klvtest {
namespace {

// A mouse move no click sends: wParam says "marker", lParam which one.
constexpr WPARAM kMarkerFlag = 0x4B4D;

bool IsPress(unsigned message, Button* button) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: *button = Button::kLeft; return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: *button = Button::kRight; return true;
    default: return false;
  }
}

}  // namespace

TargetWatch::TargetWatch(std::vector<const ClickTarget*> targets) {
  for (const ClickTarget* target : targets) watched_.push_back({target, 0, false, {}});
  for (Watched& w : watched_) w.offset = w.target->LogBytes();
}

void TargetWatch::Mark() {
  ++marker_;
  for (Watched& w : watched_) {
    w.marked = false;
    w.clicks.clear();
    PostMessageA(w.target->window(), WM_MOUSEMOVE, kMarkerFlag, static_cast<LPARAM>(marker_));
  }
}

bool TargetWatch::Update() {
  bool allMarked = true;
  for (size_t i = 0; i < watched_.size(); ++i) {
    for (const ReceivedMessage& m : watched_[i].target->ReceivedFrom(&watched_[i].offset)) {
      Take(static_cast<int>(i), m);
    }
    allMarked = allMarked && watched_[i].marked;
  }
  return allMarked;
}

void TargetWatch::Take(int index, const ReceivedMessage& m) {
  Watched& w = watched_[static_cast<size_t>(index)];
  if (!w.marked) {
    w.marked = m.message == WM_MOUSEMOVE && m.wParam == kMarkerFlag && m.lParam == marker_;
    return;
  }
  Button button;
  if (!IsPress(m.message, &button)) return;
  LPARAM point = static_cast<LPARAM>(m.lParam);
  w.clicks.push_back({index, GET_X_LPARAM(point), GET_Y_LPARAM(point), button});
}

size_t TargetWatch::TotalClicks() const {
  size_t total = 0;
  for (const Watched& w : watched_) total += w.clicks.size();
  return total;
}

}  // namespace klvtest
