// Watching the runner thread from the test: whether it has ended, and
// whether it had ended at the moment the stop command returned.
#pragma once
#include <windows.h>

namespace klvtest {

// A second handle to the current runner thread, to see it end after a stop.
class RunnerWatch {
 public:
  RunnerWatch();
  ~RunnerWatch();
  RunnerWatch(const RunnerWatch&) = delete;
  RunnerWatch& operator=(const RunnerWatch&) = delete;
  bool watching() const { return thread_ != nullptr; }
  bool ended() const;

 private:
  HANDLE thread_ = nullptr;
};

// Sits in front of the main window's procedure while it lives. Right after
// the window has handled a click of the stop button, that is as soon as the
// stop command has returned, it notes whether the runner had ended by then.
class StopClickWatch {
 public:
  explicit StopClickWatch(const RunnerWatch& runner);
  ~StopClickWatch();
  StopClickWatch(const StopClickWatch&) = delete;
  StopClickWatch& operator=(const StopClickWatch&) = delete;
  // -1 before the click, then 1 when the runner had ended, 0 when not.
  int endedWhenHandled() const;
};

}  // namespace klvtest
