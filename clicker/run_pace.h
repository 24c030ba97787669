// What a run asks of the system for its length, and gives back when it ends,
// whichever way it ends:
// - the system clock ticking every millisecond, so that the step timer fires
//   on time where the system's default tick is 15.6 ms;
// - on systems that throttle a process whose windows are hidden, minimised
//   or covered (its timer resolution ignored, its speed lowered), the
//   process's opt-out, so that a run hidden in the tray keeps its pace.
#pragma once

namespace klv::clicker {

void AskForRunPace();
// Gives back what AskForRunPace obtained; nothing when it holds nothing.
void GiveBackRunPace();

}  // namespace klv::clicker
