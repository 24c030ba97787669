#include "bench/bare_click_loop.h"

#include <windowsx.h>

namespace klvbench {
namespace {

// GetWindowDpiAwarenessContext, where the system has it: a background step
// asks it of its target before the descent. The build targets Windows 7, so
// it is looked up by name.
using WindowContextFunction = void* (WINAPI*)(HWND);

WindowContextFunction WindowContextQuery() {
  return reinterpret_cast<WindowContextFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetWindowDpiAwarenessContext")));
}

}  // namespace

BareClickLoop::BareClickLoop(HWND window, int x, int y, int delayMilliseconds, long steps, StepLookup lookup,
                             const std::string& title)
    : lookup_(lookup),
      title_(title),
      windowContext_(WindowContextQuery()),
      window_(window),
      point_(static_cast<LPARAM>(static_cast<DWORD>(y) * 65536u + static_cast<DWORD>(x))),
      due_(-10000LL * delayMilliseconds),
      steps_(steps),
      stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      timer_(CreateWaitableTimerA(nullptr, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {}

BareClickLoop::~BareClickLoop() {
  Stop();
  Join();
  CloseHandle(thread_);
  CloseHandle(timer_);
  CloseHandle(stop_);
}

void BareClickLoop::Stop() {
  InterlockedExchange(&stopped_, 1);
  SetEvent(stop_);
}

void BareClickLoop::Join() { WaitForSingleObject(thread_, INFINITE); }

HWND BareClickLoop::StepWindow() const {
  HWND window = window_;
  if (lookup_ == StepLookup::kTypedTitle) window = FindWindowExA(nullptr, nullptr, nullptr, title_.c_str());
  if (lookup_ == StepLookup::kPickedWindow) {
    char text[256] = "";
    GetWindowTextA(window_, text, sizeof text);
    if (title_ != text) window = FindWindowExA(nullptr, nullptr, nullptr, title_.c_str());
  }
  if (lookup_ == StepLookup::kNone || window == nullptr) return window;
  if (windowContext_) windowContext_(window);
  POINT point = {GET_X_LPARAM(point_), GET_Y_LPARAM(point_)};
  HWND child = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
  return child ? child : window;
}

DWORD WINAPI BareClickLoop::Run(void* self) {
  auto* loop = static_cast<BareClickLoop*>(self);
  HANDLE handles[2] = {loop->timer_, loop->stop_};
  for (long i = 0; loop->steps_ < 0 || i < loop->steps_; ++i) {
    HWND window = loop->StepWindow();
    PostMessageA(window, WM_MOUSEMOVE, MK_RBUTTON, loop->point_);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, loop->point_);
    PostMessageA(window, WM_LBUTTONUP, 0, loop->point_);
    InterlockedIncrement(&loop->done_);
    // A flag, as the runner tests one: no call to the system. At delay 0 the
    // timer is signalled at once and would hide the stop event behind it.
    if (loop->stopped_) break;
    if (loop->lookup_ != StepLookup::kNone && loop->due_ == 0) continue;
    LARGE_INTEGER due;
    due.QuadPart = loop->due_;
    SetWaitableTimer(loop->timer_, &due, 0, nullptr, nullptr, FALSE);
    if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0) break;
  }
  return 0;
}

}  // namespace klvbench
