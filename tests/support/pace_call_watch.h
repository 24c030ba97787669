// What the program asks of the system for a run's pace: the system timer
// resolution, its step timers and its opt-out of power throttling. The
// runtime binds these functions by name, and gets watchers in their place
// (tests/support/bound_functions.h): every call is counted and, with a log
// file named, written to it as a line at once ("timeBeginPeriod 1",
// "timeEndPeriod 1", "SetProcessInformation 5 0"), so that the log stays
// whole however the process ends.
#pragma once

namespace klvtest {

struct PaceCalls {
  long beginPeriod = 0;       // timeBeginPeriod(1)
  long endPeriod = 0;         // timeEndPeriod(1)
  long otherPeriods = 0;      // either with another period
  long highResolution = 0;    // CreateWaitableTimerExW with the high-resolution flag, answered with a timer
  long refused = 0;           // the same, refused
  long plainTimers = 0;       // CreateWaitableTimerA
  // SetProcessInformation for this process's power throttling, version 1,
  // state 0: the run's opt-out (execution speed and timer resolution both
  // in the control mask) and the hand-back (control mask 0).
  long throttlingDeclined = 0;
  long throttlingHandedBack = 0;
  long otherProcessInformation = 0;  // any other call of it
};

// Installs the watch (once per process); it must come before the runtime
// binds the functions, that is before the first run.
void WatchPaceCalls(const char* logPath = nullptr);
PaceCalls CountedPaceCalls();
// While on, the high-resolution flag is refused as systems before it refuse
// it (no timer, ERROR_INVALID_PARAMETER).
void RefuseHighResolutionTimers(bool refuse);
// While on, SetProcessInformation fails (FALSE, ERROR_INVALID_PARAMETER), as
// a system that does not know the information class answers.
void RefuseProcessInformation(bool refuse);

}  // namespace klvtest
