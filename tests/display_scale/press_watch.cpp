#include "tests/display_scale/press_watch.h"

#include <mutex>

#include "tests/support/bound_functions.h"
#include "tests/support/dpi_awareness.h"

namespace klvtest {
namespace {

using SendInputFunction = UINT(WINAPI*)(UINT, INPUT*, int);

constexpr DWORD kPresses = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN;

void* g_realSendInput = nullptr;
std::mutex g_lock;
std::vector<POINT> g_presses;

// The batch goes on record by record, so that where the system put the
// cursor for a press can be read right after it.
UINT WINAPI WatchedSendInput(UINT count, INPUT* inputs, int size) {
  auto send = reinterpret_cast<SendInputFunction>(g_realSendInput);
  if (size != static_cast<int>(sizeof(INPUT))) return send(count, inputs, size);
  UINT sent = 0;
  for (UINT i = 0; i < count; ++i) {
    sent += send(1, &inputs[i], size);
    if (inputs[i].type != INPUT_MOUSE || !(inputs[i].mi.dwFlags & kPresses)) continue;
    POINT cursor = PhysicalCursor();
    std::lock_guard<std::mutex> guard(g_lock);
    g_presses.push_back(cursor);
  }
  return sent;
}

}  // namespace

void WatchSynthesisedPresses() {
  StandInFor("SendInput", reinterpret_cast<void*>(&WatchedSendInput), &g_realSendInput);
}

std::vector<POINT> PressesSoFar() {
  std::lock_guard<std::mutex> guard(g_lock);
  return g_presses;
}

}  // namespace klvtest
