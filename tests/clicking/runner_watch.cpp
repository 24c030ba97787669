#include "tests/clicking/runner_watch.h"

#include <cstdint>

#include "clicker/globals.h"
#include "clicker/units.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

WNDPROC g_previous = nullptr;
const RunnerWatch* g_runner = nullptr;
int g_ended = -1;

LRESULT CALLBACK WatchingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcA(g_previous, window, message, wParam, lParam);
  bool stopClicked = message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
                     reinterpret_cast<HWND>(lParam) == UnitHandle(klv::clicker::Unit::kButtonStop);
  if (stopClicked && g_runner) g_ended = g_runner->ended() ? 1 : 0;
  return result;
}

}  // namespace

RunnerWatch::RunnerWatch() {
  HANDLE runner = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(klv::clicker::Globals().runnerThread));
  if (runner) {
    DuplicateHandle(GetCurrentProcess(), runner, GetCurrentProcess(), &thread_, SYNCHRONIZE | THREAD_QUERY_INFORMATION,
                    FALSE, 0);
  }
}

RunnerWatch::~RunnerWatch() {
  if (thread_) CloseHandle(thread_);
}

bool RunnerWatch::ended() const { return thread_ && WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }

StopClickWatch::StopClickWatch(const RunnerWatch& runner) {
  g_runner = &runner;
  g_ended = -1;
  g_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(MainWindowHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchingProcedure)));
}

StopClickWatch::~StopClickWatch() {
  SetWindowLongPtrA(MainWindowHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
  g_runner = nullptr;
}

int StopClickWatch::endedWhenHandled() const { return g_ended; }

}  // namespace klvtest
