#include "clicker/precise_wait.h"

#include <cmath>

#include "clicker/system_functions.h"
#include "controls/core_commands.h"

namespace klv::clicker {
namespace {

double FactorOf(int32_t unit) {
  switch (unit) {
    case 0: return 1;
    case 1: return 1000;
    case 2: return 60000;
    case 3: return 3600000;
    default: return unit;
  }
}

constexpr uint32_t kHighResolutionTimer = 0x2;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr uint32_t kTimerAllAccess = 0x1F0003;

// An unnamed auto-reset timer. Where the system offers it, a high-resolution
// one, which fires on time rather than on the next tick of the system clock
// (15.6 ms apart by default); a system that refuses the flag gets the plain
// timer.
uint32_t CreateStepTimer() {
  if (uint32_t timer = CallSystem(kCreateWaitableTimerExW, {0, 0, kHighResolutionTimer, kTimerAllAccess})) {
    return timer;
  }
  return CallSystem(kCreateWaitableTimerA, {0, 0, 0});
}

// A timer owned for the length of one wait.
class WaitTimer {
 public:
  WaitTimer() : handle_(CreateStepTimer()) {}
  ~WaitTimer() {
    if (handle_) CallSystem(kCloseHandle, {handle_});
  }
  WaitTimer(const WaitTimer&) = delete;
  WaitTimer& operator=(const WaitTimer&) = delete;
  uint32_t handle() const { return handle_; }

 private:
  uint32_t handle_;
};

}  // namespace

int64_t DueTime(int32_t amount, int32_t unit) {
  double due = std::trunc(static_cast<double>(amount) * FactorOf(unit) * -10000.0);
  // Beyond what 64 bits hold the timer could not be set; take the nearest.
  constexpr double kLimit = 9.2233720368547748e18;
  if (due >= kLimit) return INT64_MAX;
  if (due <= -kLimit) return INT64_MIN;
  return static_cast<int64_t>(due);
}

WaitEnd PreciseWait(int32_t amount, int32_t unit, uint32_t stopSignal) {
  auto* due = static_cast<int64_t*>(Allocate(8));
  *due = DueTime(amount, unit);
  WaitEnd end = WaitEnd::kFailed;
  {
    WaitTimer timer;
    bool armed = timer.handle() != 0 && CallSystem(kSetWaitableTimer, {timer.handle(), Word(due), 0, 0, 0, 0}) != 0;
    uint32_t handles[2] = {timer.handle(), stopSignal};
    uint32_t count = stopSignal ? 2 : 1;
    while (armed) {
      uint32_t result = CallSystem(kMsgWaitForMultipleObjects, {count, Word(handles), 0, kInfinite, kAllInputButRaw});
      if (result == kWaitObject0) {
        end = WaitEnd::kElapsed;
        break;
      }
      if (stopSignal && result == kWaitObject0 + 1) {
        end = WaitEnd::kStopped;
        break;
      }
      if (result != kWaitObject0 + count) break;  // a failed wait ends it
      CallCore(core::kProcessPendingMessages, {});
    }
  }
  Free(due);
  return end;
}

}  // namespace klv::clicker
