// Where a run's time goes, part by part, in the real program: a profiling
// build (bench/, never shipped) defines KLIKVANE_STEP_PROFILE, and then
// step_profile.cpp makes each mark add the time since the mark before it to
// the part that just ended, and the end of the run write the sums beside
// the program. Every mark falls on the runner's thread, so the
// parts add up to the whole run. In the program itself every call here is
// empty and compiles to nothing.
#pragma once

namespace klv::clicker {

enum class StepPart : int {
  kPassStart,   // the stop flag and the row count, once a pass
  kPlanRow,     // one published row: X, Y and delay
  kMode,        // the mode box
  kTarget,      // the title box, then the title check or the lookup by title
  kDpiContext,  // the target's DPI awareness context
  kDescent,     // the child at the point
  kButton,      // the button box
  kPosts,       // the posted messages, or the foreground click
  kWait,        // the delay, or the check that there is none
  kCount
};

#ifdef KLIKVANE_STEP_PROFILE
void StartStepProfile();
void MarkStepPart(StepPart ended);
void FinishStepProfile();
#else
inline void StartStepProfile() {}
inline void MarkStepPart(StepPart) {}
inline void FinishStepProfile() {}
#endif

// Profiles a run for as long as it lives.
class StepProfileScope {
 public:
  StepProfileScope() { StartStepProfile(); }
  ~StepProfileScope() { FinishStepProfile(); }
  StepProfileScope(const StepProfileScope&) = delete;
  StepProfileScope& operator=(const StepProfileScope&) = delete;
};

}  // namespace klv::clicker
