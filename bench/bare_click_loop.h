// The baseline of the click benchmarks: a thread that only posts the three
// messages of a left click to a window and waits on one waitable timer,
// reading nothing and creating nothing per step.
#pragma once
#include <windows.h>

namespace klvbench {

class BareClickLoop {
 public:
  // Clicks at (x, y) of the window, then waits delay ms, steps times over
  // (steps < 0: until Stop).
  BareClickLoop(HWND window, int x, int y, int delayMilliseconds, long steps);
  ~BareClickLoop();
  BareClickLoop(const BareClickLoop&) = delete;
  BareClickLoop& operator=(const BareClickLoop&) = delete;

  void Stop();
  // Waits for the thread to end (the steps done, or stopped).
  void Join();
  HANDLE thread() const { return thread_; }
  long stepsDone() const { return done_; }

 private:
  static DWORD WINAPI Run(void* self);

  HWND window_;
  LPARAM point_;
  LONGLONG due_;
  long steps_;
  volatile long done_ = 0;
  HANDLE stop_;
  HANDLE timer_;
  HANDLE thread_;
};

}  // namespace klvbench
