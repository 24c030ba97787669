// The baselines of the click benchmarks: a thread that posts the three
// messages of a left click to a window and waits on one waitable timer,
// reading nothing and creating nothing per step; and the bare step, which
// also makes exactly the system calls a background step needs to find its
// window: the title lookup (or the picked window's title check), the
// window's DPI awareness context and the child at the point. The bare step waits no timer at delay 0, as the
// program's runner does not.
#pragma once
#include <windows.h>

#include <string>

namespace klvbench {

// What a step looks up before it posts.
enum class StepLookup {
  kNone,          // the post-only loop
  kTypedTitle,    // the first window with the title, then the child at the point
  kPickedWindow,  // the picked window's title compared, then the child at the point
};

class BareClickLoop {
 public:
  // Clicks at (x, y) of the window, then waits delay ms, steps times over
  // (steps < 0: until Stop). With a lookup, the window is found by `title`
  // (a typed title) or checked against it (a picked window) at every step.
  BareClickLoop(HWND window, int x, int y, int delayMilliseconds, long steps, StepLookup lookup = StepLookup::kNone,
                const std::string& title = "");
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
  // The window a step clicks, found as the lookup finds it.
  HWND StepWindow() const;

  StepLookup lookup_;
  std::string title_;
  void* (WINAPI* windowContext_)(HWND);
  HWND window_;
  LPARAM point_;
  LONGLONG due_;
  long steps_;
  volatile long done_ = 0;
  volatile long stopped_ = 0;
  HANDLE stop_;
  HANDLE timer_;
  HANDLE thread_;
};

}  // namespace klvbench
