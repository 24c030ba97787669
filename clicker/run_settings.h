// What a run may be told beyond its plan: when it ends by itself, and how
// much it varies its waits and points. Set on the user-interface thread (the
// options window, a loaded plan) and read by the runner at every step
// without a lock, as the mode and the button are. 0 is off everywhere, which
// is a run as it always was.
#pragma once
#include <atomic>
#include <cstdint>

namespace klv::clicker {

struct RunSettings {
  std::atomic<int32_t> passLimit{0};         // passes of the plan, then the run ends
  std::atomic<int32_t> clickLimit{0};        // clicks, then the run ends
  std::atomic<int32_t> durationLimitSeconds{0};  // from the run's first click
  std::atomic<int32_t> randomWaitMs{0};      // each wait longer by 0 to this many milliseconds
  std::atomic<int32_t> randomOffsetPixels{0};  // each click moved by -this to +this on each axis
};
RunSettings& CurrentRunSettings();
// True when any of the three limits is set.
bool AnyRunLimit();

// How far the current (or last) run has come, written by the runner and read
// by the user-interface thread on a timer; the runner never waits for it.
// A pass counts from its first click.
struct RunProgress {
  std::atomic<uint32_t> passes{0};
  std::atomic<uint32_t> clicks{0};
  std::atomic<bool> endedByLimit{false};  // the last run ended at a limit
};
RunProgress& CurrentRunProgress();

}  // namespace klv::clicker
