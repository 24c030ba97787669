#include "tests/display_scale/press_watch.h"

#include <mutex>

#include "tests/support/bound_functions.h"
#include "tests/support/dpi_awareness.h"

namespace klvtest {
namespace {

using MouseEventFunction = void(WINAPI*)(DWORD, DWORD, DWORD, DWORD, ULONG_PTR);

constexpr DWORD kPresses = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN;

void* g_realMouseEvent = nullptr;
std::mutex g_lock;
std::vector<POINT> g_presses;

void WINAPI WatchedMouseEvent(DWORD flags, DWORD x, DWORD y, DWORD data, ULONG_PTR extra) {
  if (flags & kPresses) {
    POINT cursor = PhysicalCursor();
    std::lock_guard<std::mutex> guard(g_lock);
    g_presses.push_back(cursor);
  }
  reinterpret_cast<MouseEventFunction>(g_realMouseEvent)(flags, x, y, data, extra);
}

}  // namespace

void WatchSynthesisedPresses() {
  StandInFor("mouse_event", reinterpret_cast<void*>(&WatchedMouseEvent), &g_realMouseEvent);
}

std::vector<POINT> PressesSoFar() {
  std::lock_guard<std::mutex> guard(g_lock);
  return g_presses;
}

}  // namespace klvtest
