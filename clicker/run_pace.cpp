#include "clicker/run_pace.h"

#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kOneMillisecond = 1;

// Whether the run raised the timer resolution (and owes the call that
// restores it), and whether it opted out of throttling.
bool g_resolutionRaised = false;
bool g_throttlingDeclined = false;

// The process's power throttling: the kinds named in controlMask are decided
// by the process (here: not throttled); the others are the system's again.
void SetThrottling(uint32_t controlMask) {
  const uint32_t state[3] = {PowerThrottling::kCurrentVersion, controlMask, 0};
  CallSystem(kSetProcessInformation, {CallSystem(kGetCurrentProcess, {}), PowerThrottling::kProcessInformationClass,
                                      Word(state), sizeof state});
}

}  // namespace

void AskForRunPace() {
  if (!g_resolutionRaised) g_resolutionRaised = CallSystem(kTimeBeginPeriod, {kOneMillisecond}) == kTimerNoError;
  if (!g_throttlingDeclined) {
    // A system without the function, or one that refuses, throttles as before.
    SetThrottling(PowerThrottling::kExecutionSpeed | PowerThrottling::kIgnoreTimerResolution);
    g_throttlingDeclined = true;
  }
}

void GiveBackRunPace() {
  if (g_resolutionRaised) CallSystem(kTimeEndPeriod, {kOneMillisecond});
  g_resolutionRaised = false;
  if (g_throttlingDeclined) SetThrottling(0);
  g_throttlingDeclined = false;
}

}  // namespace klv::clicker
