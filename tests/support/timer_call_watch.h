// The program's calls to the system's timer functions, which the runtime
// binds by name when first used: this program's GetProcAddress import is
// watched, and the timer functions it hands out come back wrapped, so that
// every call is counted and, with a log file named, written to it as a line
// ("timeBeginPeriod 1", "timeEndPeriod 1") at once, so that the log stays
// whole however the process ends.
#pragma once

namespace klvtest {

struct TimerCalls {
  long beginPeriod = 0;       // timeBeginPeriod(1)
  long endPeriod = 0;         // timeEndPeriod(1)
  long otherPeriods = 0;      // either with another period
  long highResolution = 0;    // CreateWaitableTimerExW with the high-resolution flag, answered with a timer
  long refused = 0;           // the same, refused
  long plainTimers = 0;       // CreateWaitableTimerA
};

// Installs the watch (once per process); it must come before the runtime
// binds the timer functions, that is before the first run.
void WatchTimerCalls(const char* logPath = nullptr);
TimerCalls CountedTimerCalls();
// While on, the high-resolution flag is refused as systems before it refuse
// it (no timer, ERROR_INVALID_PARAMETER).
void RefuseHighResolutionTimers(bool refuse);

}  // namespace klvtest
