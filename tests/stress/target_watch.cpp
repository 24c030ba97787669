#include "tests/stress/target_watch.h"

#include <windowsx.h>

namespace klvtest {
namespace {

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
  for (const ClickTarget* target : targets) watched_.push_back({target, 0, {}});
  Mark();
}

void TargetWatch::Mark() {
  since_ = GetTickCount();
  Update();
  for (Watched& w : watched_) w.clicks.clear();
}

void TargetWatch::Update() {
  for (size_t i = 0; i < watched_.size(); ++i) {
    for (const ReceivedMessage& m : watched_[i].target->ReceivedFrom(&watched_[i].offset)) {
      Take(static_cast<int>(i), m);
    }
  }
}

void TargetWatch::Take(int index, const ReceivedMessage& m) {
  Button button;
  if (!IsPress(m.message, &button)) return;
  ++pressesTaken_;
  lastPressTime_ = m.messageTime;
  if (!m.queued || static_cast<LONG>(m.messageTime - since_) < 0) return;
  LPARAM point = static_cast<LPARAM>(m.lParam);
  watched_[static_cast<size_t>(index)].clicks.push_back({index, GET_X_LPARAM(point), GET_Y_LPARAM(point), button});
}

size_t TargetWatch::TotalClicks() const {
  size_t total = 0;
  for (const Watched& w : watched_) total += w.clicks.size();
  return total;
}

}  // namespace klvtest
