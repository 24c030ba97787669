#include "bench/bare_click_loop.h"

namespace klvbench {

BareClickLoop::BareClickLoop(HWND window, int x, int y, int delayMilliseconds, long steps)
    : window_(window),
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

void BareClickLoop::Stop() { SetEvent(stop_); }

void BareClickLoop::Join() { WaitForSingleObject(thread_, INFINITE); }

DWORD WINAPI BareClickLoop::Run(void* self) {
  auto* loop = static_cast<BareClickLoop*>(self);
  HANDLE handles[2] = {loop->timer_, loop->stop_};
  for (long i = 0; loop->steps_ < 0 || i < loop->steps_; ++i) {
    PostMessageA(loop->window_, WM_MOUSEMOVE, MK_RBUTTON, loop->point_);
    PostMessageA(loop->window_, WM_LBUTTONDOWN, MK_LBUTTON, loop->point_);
    PostMessageA(loop->window_, WM_LBUTTONUP, 0, loop->point_);
    InterlockedIncrement(&loop->done_);
    LARGE_INTEGER due;
    due.QuadPart = loop->due_;
    SetWaitableTimer(loop->timer_, &due, 0, nullptr, nullptr, FALSE);
    if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0) break;
  }
  return 0;
}

}  // namespace klvbench
