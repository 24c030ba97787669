// Waiting on a one-shot waitable timer while the calling thread's messages
// keep flowing.
#pragma once
#include <cstdint>

#include "clicker/call_table_handle.h"

namespace klv::clicker {

enum class WaitEnd { kElapsed, kStopped, kFailed };

// An unnamed auto-reset waitable timer, high-resolution where the system
// offers one (it then fires on time rather than on the system clock's next
// tick), else a plain one. Closed with the object.
class WaitTimer {
 public:
  explicit WaitTimer(bool create = true);
  WaitTimer(const WaitTimer&) = delete;
  WaitTimer& operator=(const WaitTimer&) = delete;
  uint32_t handle() const { return handle_.get(); }

 private:
  CallTableHandle handle_;
};

// Waits amount units (unit 0 ms, 1 s, 2 min, 3 h, any other value is itself
// the factor in ms). When stopSignal (a waitable handle) is given, the wait
// also ends as soon as it is signalled. Zero and negative amounts end at
// once; a timer that cannot be set up, or a failing wait, ends the wait
// instead of spinning. The wait uses the caller's timer when given (the
// runner keeps one for a whole run), else one of its own.
WaitEnd PreciseWait(int32_t amount, int32_t unit = 0, uint32_t stopSignal = 0, const WaitTimer* timer = nullptr);

// The due time handed to the timer: amount x factor x -10000, in 100 ns
// units (relative), truncated toward zero and kept within 64 bits.
int64_t DueTime(int32_t amount, int32_t unit);

}  // namespace klv::clicker
