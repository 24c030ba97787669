#include "clicker/precise_wait.h"

#include <cmath>

#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "controls/commands/core_commands.h"

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

// An unnamed auto-reset timer. Where the system offers it, a high-resolution
// one, which fires on time rather than on the next tick of the system clock
// (15.6 ms apart by default); a system that refuses the flag gets the plain
// timer.
uint32_t CreateStepTimer() {
  if (uint32_t timer =
          CallSystem(kCreateWaitableTimerExW, {0, 0, WaitableTimer::kHighResolution, WaitableTimer::kAllAccess})) {
    return timer;
  }
  return CallSystem(kCreateWaitableTimerA, {0, 0, 0});
}

}  // namespace

int64_t DueTime(int32_t amount, int32_t unit) {
  double due = std::trunc(static_cast<double>(amount) * FactorOf(unit) * -10000.0);
  // Beyond what 64 bits hold the timer could not be set; take the nearest.
  constexpr double kLimit = 9.2233720368547748e18;
  if (due >= kLimit) return INT64_MAX;
  if (due <= -kLimit) return INT64_MIN;
  return static_cast<int64_t>(due);
}

WaitTimer::WaitTimer(bool create) : handle_(create ? CreateStepTimer() : 0) {}

WaitEnd PreciseWait(int32_t amount, int32_t unit, uint32_t stopSignal, const WaitTimer* timer) {
  int64_t due = DueTime(amount, unit);
  // A due time of zero or later than now (positive: an absolute time, long
  // past) has the timer signalled at once, and a signalled timer ends the
  // wait before any message is looked at: so it ends now, without a timer.
  if (due >= 0) return WaitEnd::kElapsed;
  WaitEnd end = WaitEnd::kFailed;
  {
    WaitTimer own(timer == nullptr);
    uint32_t handle = timer ? timer->handle() : own.handle();
    bool armed = handle != 0 && CallSystem(kSetWaitableTimer, {handle, Word(&due), 0, 0, 0, 0}) != 0;
    uint32_t handles[2] = {handle, stopSignal};
    uint32_t count = stopSignal ? 2 : 1;
    while (armed) {
      uint32_t result =
          CallSystem(kMsgWaitForMultipleObjects, {count, Word(handles), 0, Wait::kInfinite, Wait::kAllInputButRaw});
      if (result == Wait::kObject0) {
        end = WaitEnd::kElapsed;
        break;
      }
      if (stopSignal && result == Wait::kObject0 + 1) {
        end = WaitEnd::kStopped;
        break;
      }
      if (result != Wait::kObject0 + count) break;  // a failed wait ends it
      CallCore(core::kProcessPendingMessages, {});
    }
  }
  return end;
}

}  // namespace klv::clicker
