// Where foreground clicks put the cursor back: where the operator left it.
// The system takes synthesised input in its own time, so at delay 0 a read
// of the cursor may still show a point that a recent click sent it to; such
// a read is never taken for the operator's position. Pure logic.
#pragma once
#include <array>
#include <cstddef>

#include "clicker/click_messages.h"

namespace klv::clicker {

class CursorHome {
 public:
  // The home for the next click, given the cursor as just read: the read,
  // unless it is a point a recent click sent the cursor to.
  ScreenPoint Settle(ScreenPoint read) {
    if (!known_ || !SentRecently(read)) home_ = read;
    known_ = true;
    return home_;
  }
  // A click is sending the cursor to this point.
  void Sent(ScreenPoint point) {
    sent_[next_] = point;
    next_ = (next_ + 1) % kRemembered;
    if (count_ < kRemembered) ++count_;
  }

 private:
  // Enough clicks for the system to have taken every older one, also on a
  // loaded machine at delay 0.
  static constexpr size_t kRemembered = 64;

  bool SentRecently(ScreenPoint point) const {
    for (size_t i = 0; i < count_; ++i) {
      if (sent_[i] == point) return true;
    }
    return false;
  }

  std::array<ScreenPoint, kRemembered> sent_{};
  size_t count_ = 0, next_ = 0;
  ScreenPoint home_;
  bool known_ = false;
};

}  // namespace klv::clicker
