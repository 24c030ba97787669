// The click runner: plays the plan over and over on a worker thread until it
// is stopped, and fires single steps on the user-interface thread.
#pragma once

namespace klv::clicker {

void StartRun();
void StopRun();
// The runtime's ending hook: every way out of the program runs it before
// anything is torn down. No run starts afterwards, and a live runner is
// stopped as StopRun stops it and waited for; the buttons stay as they are.
void StopRunForExit();
void SingleStep();
// The runner thread's body; returns only when the run is stopped.
void RunLoop();

// True while a runner thread exists.
bool RunActive();

}  // namespace klv::clicker
