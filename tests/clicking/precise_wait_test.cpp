// The precise wait on the test's own thread, which owns the main window:
// ordering against timers of our own, never durations.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <thread>
#include <vector>

#include "clicker/precise_wait.h"
#include "runtime/private_messages.h"
#include "tests/support/pace_call_watch.h"

namespace klvtest {
namespace {

using klv::clicker::PreciseWait;
using klv::clicker::WaitEnd;

// A one-shot timer of the test's own, set on construction.
class ReferenceTimer {
 public:
  explicit ReferenceTimer(int milliseconds) : timer_(CreateWaitableTimerA(nullptr, TRUE, nullptr)) {
    LARGE_INTEGER due;
    due.QuadPart = -10000LL * milliseconds;
    SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
  }
  ~ReferenceTimer() { CloseHandle(timer_); }
  ReferenceTimer(const ReferenceTimer&) = delete;
  ReferenceTimer& operator=(const ReferenceTimer&) = delete;
  bool fired() const { return WaitForSingleObject(timer_, 0) == WAIT_OBJECT_0; }

 private:
  HANDLE timer_;
};

// A handle that signals when its object is set, closed with the object.
class Event {
 public:
  Event() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Event() { CloseHandle(event_); }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;
  HANDLE get() const { return event_; }
  uint32_t word() const { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(event_)); }

 private:
  HANDLE event_;
};

constexpr UINT kPing = klv::kFirstFreeMessage + 7;
std::vector<WPARAM> g_order;
HANDLE g_firstHandled = nullptr;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kPing) return DefWindowProcA(window, message, wParam, lParam);
  g_order.push_back(wParam);
  if (wParam == 1) SetEvent(g_firstHandled);
  return 0;
}

// A message-only window of this thread that records the pings it handles.
HWND RecordingWindow() {
  static HWND window = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KlikvaneWaitRecorder";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
  }();
  return window;
}

TEST(PreciseWait, ZeroAndNegativeAmountsEndAtOnce) {
  ReferenceTimer minute(60000);
  EXPECT_EQ(WaitEnd::kElapsed, PreciseWait(0));
  EXPECT_EQ(WaitEnd::kElapsed, PreciseWait(-1));
  EXPECT_EQ(WaitEnd::kElapsed, PreciseWait(INT_MIN));
  EXPECT_EQ(WaitEnd::kElapsed, PreciseWait(-5, 3));
  EXPECT_FALSE(minute.fired());
}

TEST(PreciseWait, MessagesArrivingDuringTheWaitAreHandledAndTheWaitGoesOnToItsTimer) {
  HWND window = RecordingWindow();
  ASSERT_NE(nullptr, window);
  g_order.clear();
  Event firstHandled;
  g_firstHandled = firstHandled.get();
  // The second ping is posted while the wait is surely under way: after the
  // first one has been handled inside it.
  std::thread poster([&] {
    WaitForSingleObject(firstHandled.get(), 30000);
    Sleep(20);
    PostMessageA(window, kPing, 2, 0);
  });
  PostMessageA(window, kPing, 1, 0);
  ReferenceTimer sameDueTime(1500);
  WaitEnd end = PreciseWait(1500);
  g_order.push_back(0);  // the wait has returned
  poster.join();
  EXPECT_EQ(WaitEnd::kElapsed, end);
  EXPECT_EQ((std::vector<WPARAM>{1, 2, 0}), g_order);
  // Set just before the wait's own timer, this one has fired by its end.
  EXPECT_TRUE(sameDueTime.fired());
}

TEST(PreciseWait, UnitsScaleTheAmount) {
  ReferenceTimer second(1000), minute(60000);
  EXPECT_EQ(WaitEnd::kElapsed, PreciseWait(1, 1));  // one second, not one millisecond
  EXPECT_TRUE(second.fired());
  ReferenceTimer anotherSecond(1000);
  EXPECT_EQ(WaitEnd::kElapsed, PreciseWait(1, 1000));  // any other unit is the factor itself
  EXPECT_TRUE(anotherSecond.fired());
  EXPECT_FALSE(minute.fired());
}

TEST(PreciseWait, TheStopSignalEndsAWaitInProgressOrOneNotYetBegun) {
  Event stop;
  std::thread stopper([&] {
    Sleep(50);
    SetEvent(stop.get());
  });
  ReferenceTimer minute(60000);
  EXPECT_EQ(WaitEnd::kStopped, PreciseWait(600000, 0, stop.word()));
  stopper.join();
  EXPECT_EQ(WaitEnd::kStopped, PreciseWait(600000, 0, stop.word()));
  EXPECT_FALSE(minute.fired());
}

TEST(PreciseWait, ASystemRefusingHighResolutionTimersGivesAPlainTimerThatStillWaits) {
  klvtest::PaceCalls before = klvtest::CountedPaceCalls();
  klvtest::RefuseHighResolutionTimers(true);
  ReferenceTimer sameDueTime(300), minute(60000);
  WaitEnd end = PreciseWait(300);
  klvtest::RefuseHighResolutionTimers(false);
  EXPECT_EQ(WaitEnd::kElapsed, end);
  EXPECT_TRUE(sameDueTime.fired());
  EXPECT_FALSE(minute.fired());
  klvtest::PaceCalls refused = klvtest::CountedPaceCalls();
  EXPECT_EQ(1, refused.refused - before.refused);
  EXPECT_EQ(1, refused.plainTimers - before.plainTimers);
  EXPECT_EQ(0, refused.highResolution - before.highResolution);
  // Where the system offers it, the wait's timer is a high-resolution one.
  EXPECT_EQ(WaitEnd::kElapsed, PreciseWait(1));
  klvtest::PaceCalls offered = klvtest::CountedPaceCalls();
  EXPECT_EQ(1, offered.highResolution - refused.highResolution);
  EXPECT_EQ(0, offered.plainTimers - refused.plainTimers);
}

TEST(PreciseWait, AWaitThatFailsEndsInsteadOfSpinning) {
  ReferenceTimer minute(60000);
  EXPECT_EQ(WaitEnd::kFailed, PreciseWait(600000, 0, 0xDEADBEE0u));  // not a handle
  EXPECT_FALSE(minute.fired());
}

}  // namespace
}  // namespace klvtest
