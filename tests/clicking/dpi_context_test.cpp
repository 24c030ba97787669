// Klikvane's threads and the DPI awareness of the target: each thread moves
// into the target's context for its calls about the target and back, the
// user-interface thread at once after a capture or a single step, the
// runner once for a whole run; a child of another awareness than its
// top-level window gets its point in its own pixels; a refused context
// leaves the thread where it was, and a system without contexts clicks as
// before. What Wine cannot show (mixed awareness, refusals, a system
// without the functions) is the test's answer (tests/support/dpi_fakes.h);
// at 96 DPI every context counts the same pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "clicker/capture.h"
#include "clicker/delivery.h"
#include "runtime/system_binding.h"
#include "runtime/interface/system_function_numbers.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/bound_functions.h"
#include "tests/support/dpi_awareness.h"
#include "tests/support/dpi_fakes.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;

constexpr char kTitle[] = "不感知缩放的目标";
const POINT kSpot = {400, 250};  // clear of the target's children
constexpr UINT kSystemDpi = 96;

// A DPI-unaware target with children, right of the main window.
ClickTarget& UnawareTarget() {
  static std::unique_ptr<ClickTarget> target =
      std::make_unique<ClickTarget>(kTitle, 420, 380, 460, 330, true, false, Awareness::kUnaware);
  return *target;
}

uint32_t Handle(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

// A captured point, and the clicks of a single step and of a run of it.
struct Played {
  std::string captured;
  Messages stepped;
  Messages ran;
};

class DpiContexts : public Clicking {
 protected:
  void SetUp() override {
    Clicking::SetUp();
    ASSERT_TRUE(UnawareTarget().ready());
    ASSERT_EQ(0, WindowAwareness(UnawareTarget().window()));
    bool chosen = klvtest::ReadUnitText(Unit::kComboClickMode, Property::kComboText) == "后台点击" &&
                  klvtest::ReadUnitText(Unit::kComboWindowTitle, Property::kComboText) == kTitle;
    ASSERT_TRUE(chosen || ChooseBackgroundTarget(kTitle));
  }

  // The cursor over the spot, the capture's handler, then the captured
  // point planned at delay 0 and played by a single step and by a run of
  // some clicks.
  Played CaptureStepAndRun() {
    POINT screen = kSpot;
    ClientToScreen(UnawareTarget().window(), &screen);
    MoveCursor(screen.x, screen.y);
    CaptureCoordinates();
    Played played;
    played.captured = klvtest::ReadUnitText(Unit::kEditX, Property::kEditText) + "," +
                      klvtest::ReadUnitText(Unit::kEditY, Property::kEditText);
    WriteUnitText(Unit::kEditDelay, Property::kEditText, "0");
    RaiseClickedEvent(Unit::kButtonAdd);
    WriteUnit(Unit::kPlanList, Property::kListSelection, 0);
    size_t before = MarkTarget(UnawareTarget());
    RaiseClickedEvent(Unit::kButtonDebug);
    played.stepped = QueuedBetween(UnawareTarget(), before, MarkTarget(UnawareTarget()));
    before = MarkTarget(UnawareTarget());
    RaiseClickedEvent(Unit::kButtonStart);
    PumpUntil([&] { return CountOf(QueuedBetween(UnawareTarget(), before), WM_LBUTTONDOWN) >= 10; });
    RaiseClickedEvent(Unit::kButtonStop);
    EXPECT_TRUE(PumpUntil(ShowsIdle));
    played.ran = QueuedBetween(UnawareTarget(), before, MarkTarget(UnawareTarget()));
    return played;
  }

  // Played as without any context: the spot captured, clicked once by the
  // step, and by the run at least ten times, there only.
  static void ExpectClickedAtTheSpot(const Played& played) {
    EXPECT_EQ(std::to_string(kSpot.x) + "," + std::to_string(kSpot.y), played.captured);
    EXPECT_EQ(LeftClickAt(kSpot.x, kSpot.y), played.stepped) << Describe(played.stepped);
    const uint32_t spot = Packed(kSpot.x, kSpot.y);
    EXPECT_GE(CountAt(played.ran, WM_LBUTTONDOWN, spot), 10u);
    EXPECT_EQ(CountOf(played.ran, WM_LBUTTONDOWN), CountAt(played.ran, WM_LBUTTONDOWN, spot)) << Describe(played.ran);
  }
};

std::vector<ThreadMove> MovesOf(const std::vector<ThreadMove>& moves, DWORD thread, bool ofThatThread) {
  std::vector<ThreadMove> kept;
  for (const ThreadMove& move : moves) {
    if ((move.thread == thread) == ofThatThread) kept.push_back(move);
  }
  return kept;
}

// Into the unaware context, then back to the context the move answered.
void ExpectThereAndBack(const ThreadMove& there, const ThreadMove& back) {
  EXPECT_EQ(0, AwarenessOf(there.context));
  EXPECT_NE(nullptr, there.answer);
  EXPECT_EQ(there.answer, back.context);
  EXPECT_EQ(there.thread, back.thread);
}

TEST_F(DpiContexts, EachThreadMovesIntoTheTargetsContextForItsCallsAndBack) {
  const DPI_AWARENESS_CONTEXT own = ThreadContextNow();
  ASSERT_NE(0, AwarenessOf(own)) << "the test's thread must differ from the target";
  FakedDpi watched;
  Played played = CaptureStepAndRun();
  ExpectClickedAtTheSpot(played);
  EXPECT_EQ(own, ThreadContextNow());
  // The window's thread: there and back for the capture, and for the step.
  std::vector<ThreadMove> window = MovesOf(watched.moves(), GetCurrentThreadId(), true);
  ASSERT_EQ(4u, window.size());
  ExpectThereAndBack(window[0], window[1]);
  ExpectThereAndBack(window[2], window[3]);
  // The runner: once there for all its clicks, and back as the run ends.
  std::vector<ThreadMove> runner = MovesOf(watched.moves(), GetCurrentThreadId(), false);
  ASSERT_EQ(2u, runner.size());
  ExpectThereAndBack(runner[0], runner[1]);
}

TEST_F(DpiContexts, AChildOfAnotherAwarenessGetsThePointInItsOwnPixels) {
  const HWND top = UnawareTarget().window(), offset = UnawareTarget().child("offset"),
             nested = UnawareTarget().child("nested");
  const DPI_AWARENESS_CONTEXT perMonitor = ContextOf(Awareness::kPerMonitorAware);
  // "offset" at 150 %, "nested" inside it at 125 %: halves round away from zero.
  FakedDpi mixed({{{offset, perMonitor}, {nested, perMonitor}}, {{top, kSystemDpi}, {offset, 144}, {nested, 120}}});
  const struct {
    POINT at;  // in the top-level window's pixels
    const char* window;
    POINT inWindow;  // in that window's own
  } reaches[] = {
      {{50, 100}, "offset", {15, 105}},
      {{75, 56}, "nested", {6, 8}},
      {kSpot, "", kSpot},
  };
  for (const auto& reach : reaches) {
    size_t before = MarkTarget(UnawareTarget());
    DeliverClickInMode(false, reach.at.x, reach.at.y, Handle(top));
    Messages arrived = QueuedBetween(UnawareTarget(), before, MarkTarget(UnawareTarget()));
    EXPECT_EQ(LeftClickAt(reach.inWindow.x, reach.inWindow.y, reach.window), arrived) << Describe(arrived);
  }
}

TEST_F(DpiContexts, ARefusedContextLeavesTheThreadWhereItWasAndClicksAsBefore) {
  const DPI_AWARENESS_CONTEXT own = ThreadContextNow();
  DpiScenario refusing;
  refusing.refuseMoves = true;
  FakedDpi refused(refusing);
  Played played = CaptureStepAndRun();
  ExpectClickedAtTheSpot(played);
  EXPECT_EQ(own, ThreadContextNow());
  ASSERT_FALSE(refused.moves().empty());
  for (const ThreadMove& move : refused.moves()) {
    EXPECT_EQ(0, AwarenessOf(move.context)) << "only the target's context is asked for: nothing is put back";
  }
}

TEST_F(DpiContexts, WithoutTheFunctionsEverythingIsAsBefore) {
  const klv::SystemFunction numbers[] = {klv::kGetWindowDpiAwarenessContext, klv::kSetThreadDpiAwarenessContext,
                                         klv::kGetDpiForWindow};
  auto hideAll = [&](bool hidden) {
    for (const char* name : DpiFunctionNames()) HideFunction(name, hidden);
    for (klv::SystemFunction number : numbers) klv::ForgetSystemFunction(number);
  };
  hideAll(true);
  FakedDpi watched;
  Played played = CaptureStepAndRun();
  hideAll(false);
  ExpectClickedAtTheSpot(played);
  EXPECT_EQ(0, watched.calls());
}

}  // namespace
}  // namespace klvtest
