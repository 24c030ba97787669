// Klikvane as Windows starts a program that declares no DPI awareness: every
// thread of it DPI-unaware. Wine starts such a program as an aware one, and
// a running process cannot change its own awareness, so the test's thread
// (Klikvane's user-interface thread) is set to unaware before the main
// window is made, and every thread the runtime starts (the runner) is set
// to unaware before it runs.
#pragma once

namespace klvtest {

// Before the runtime starts; false when the system refused the context.
bool MakeKlikvaneUnaware();
// Whether this run asked for it.
bool KlikvaneMadeUnaware();
// How many threads the runtime has started, and how many of them took the
// unaware context.
long ThreadsStarted();
long ThreadsStartedUnaware();

}  // namespace klvtest
