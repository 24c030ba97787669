// The runner against the real window and a target in another process:
// started and stopped with the real buttons and keys, changed while it runs,
// and stopped cooperatively so that nothing arrives after the stop.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <thread>
#include <vector>

#include "clicker/globals.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/clicking/runner_watch.h"
#include "tests/support/child_process.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;

const uint32_t kP = Packed(100, 200);

bool ClicksAtLeast(const Messages& m, unsigned down, size_t n) { return CountOf(m, down) >= n; }

// The messages are whole clicks of the program, one after another.
bool WholeLeftClicks(const Messages& m) {
  if (m.size() % 3 != 0) return false;
  for (size_t i = 0; i < m.size(); i += 3) {
    Messages one(m.begin() + static_cast<long>(i), m.begin() + static_cast<long>(i) + 3);
    if (one != LeftClickAt(static_cast<int>(one[0].lParam & 0xFFFF), static_cast<int>(one[0].lParam >> 16))) {
      return false;
    }
  }
  return true;
}

// The points of the button-down messages, in order.
std::vector<unsigned long> DownPoints(const Messages& m) {
  std::vector<unsigned long> points;
  for (const ReceivedMessage& r : m) {
    if (r.message == WM_LBUTTONDOWN) points.push_back(r.lParam);
  }
  return points;
}

class Runner : public Clicking {};

TEST_F(Runner, RealButtonsStartARunThatClicksUntilStopAndNothingArrivesAfter) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 200);
  size_t start = MarkTarget();
  PressButton(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  RunnerWatch runner;
  ASSERT_TRUE(runner.watching());
  Pump(2000);
  // About ten in two seconds; a loaded machine may manage fewer.
  Messages during = WaitForQueued(start, [](const Messages& m) { return ClicksAtLeast(m, WM_LBUTTONDOWN, 3); });
  EXPECT_GE(CountOf(during, WM_LBUTTONDOWN), 3u);

  {
    StopClickWatch watch(runner);
    PressButton(Unit::kButtonStop);
    ASSERT_TRUE(PumpUntil(ShowsIdle));
    // When the stop command returned its runner had ended; the handle is gone.
    EXPECT_EQ(1, watch.endedWhenHandled());
  }
  EXPECT_FALSE(RunActive());
  size_t stopped = MarkTarget();
  Pump(1000);  // five delays: a runner still going would have clicked
  Messages after = QueuedBetween(stopped, MarkTarget());
  EXPECT_TRUE(after.empty()) << Describe(after);
  Messages run = QueuedBetween(start, stopped);
  EXPECT_TRUE(WholeLeftClicks(run)) << Describe(run);
  EXPECT_EQ(CountOf(run, WM_LBUTTONDOWN), CountAt(run, WM_LBUTTONDOWN, kP));
}

TEST_F(Runner, ChangingTheButtonOrTheModeDuringARunChangesTheNextClick) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 200);
  size_t start = MarkTarget();
  PressButton(Unit::kButtonStart);
  WaitForQueued(start, [](const Messages& m) { return ClicksAtLeast(m, WM_LBUTTONDOWN, 2); });

  ASSERT_TRUE(PickComboItem(Unit::kComboMouseButton, "右键"));
  size_t right = MarkTarget();
  Messages afterPick = WaitForQueued(right, [](const Messages& m) { return ClicksAtLeast(m, WM_RBUTTONDOWN, 2); });
  ASSERT_GE(CountOf(afterPick, WM_RBUTTONDOWN), 2u) << Describe(afterPick);
  // A step that read the button just before the pick may still post its
  // left click; every later step clicks right.
  size_t firstRight = 0;
  while (afterPick[firstRight].message != WM_RBUTTONDOWN) ++firstRight;
  EXPECT_LE(CountOf(Messages(afterPick.begin(), afterPick.begin() + static_cast<long>(firstRight)), WM_LBUTTONDOWN), 1u);
  EXPECT_EQ(0u, CountOf(Messages(afterPick.begin() + static_cast<long>(firstRight), afterPick.end()), WM_LBUTTONDOWN))
      << Describe(afterPick);
  // The first right click is whole: the second one's move follows it.
  ASSERT_GE(firstRight, 1u);
  auto click = afterPick.begin() + static_cast<long>(firstRight) - 1;
  EXPECT_EQ(RightClickAt(100, 200), Messages(click, click + 4)) << Describe(afterPick);

  // Foreground: the same numbers are now a screen point; the target lies
  // under it and gets real right-button input at the client point.
  ChooseForegroundMode();
  POINT origin = Target().clientOrigin();
  uint32_t client = Packed(100 - origin.x, 200 - origin.y);
  size_t foreground = MarkTarget();
  Messages real = WaitForQueued(foreground, [client](const Messages& m) { return CountAt(m, WM_RBUTTONUP, client) >= 2; });
  EXPECT_GE(CountAt(real, WM_RBUTTONUP, client), 2u) << Describe(real);
  // Stopped without input: the runner moves the real cursor now.
  RaiseClickedEvent(Unit::kButtonStop);
  EXPECT_TRUE(ShowsIdle());
}

TEST_F(Runner, F6WhileRunningStartsNoSecondRunnerAndF7Stops) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 200);
  BringMainWindowToFront();
  PressKey(VK_F6);
  ASSERT_TRUE(PumpUntil(ShowsRunning)) << "F6 did not reach the window";
  uint32_t first = Globals().runnerThread;
  ASSERT_NE(0u, first);
  RunnerWatch runner;

  PressKey(VK_F6);
  RaiseClickedEvent(Unit::kButtonStart);  // the button's own handler path too
  Pump(300);
  EXPECT_EQ(first, Globals().runnerThread);
  EXPECT_TRUE(ShowsRunning());
  EXPECT_FALSE(runner.ended());

  PressKey(VK_F7);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  EXPECT_TRUE(runner.ended());
}

TEST_F(Runner, SingleStepClicksOnlyASelectedRowAlsoDuringARun) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 300);
  AddPlanRow(30, 40, 600000);  // ten minutes: the run waits here
  ASSERT_EQ(-1, static_cast<int32_t>(ReadUnit(Unit::kPlanList, Property::kListSelection)));
  size_t idle = MarkTarget();
  PressButton(Unit::kButtonDebug);
  Messages none = QueuedBetween(idle, MarkTarget());
  EXPECT_TRUE(none.empty()) << Describe(none);

  size_t start = MarkTarget();
  PressButton(Unit::kButtonStart);
  Messages pass = WaitForQueued(start, [](const Messages& m) { return CountAt(m, WM_LBUTTONDOWN, Packed(30, 40)) > 0; });
  ASSERT_EQ(DownPoints(pass), (std::vector<unsigned long>{kP, Packed(30, 40)})) << Describe(pass);

  SelectPlanRow(0);
  size_t step = MarkTarget();
  PressButton(Unit::kButtonDebug);
  Messages single = QueuedBetween(step, MarkTarget());
  EXPECT_EQ(LeftClickAt(100, 200), single) << Describe(single);
  EXPECT_TRUE(ShowsRunning());

  // The stop ends the ten-minute wait.
  PressButton(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
}

TEST_F(Runner, AnEmptyPlanShowsTheMessageAndStaysIdle) {
  std::string text, caption = "信息：";
  std::thread watcher([&] {
    HWND box = WaitForMessageBox(GetCurrentProcessId(), caption);
    if (!box) return;
    text = MessageBoxText(box);
    DismissMessageBox(box);
  });
  PressButton(Unit::kButtonStart);
  watcher.join();
  EXPECT_EQ("一个坐标都没有怎么点击？", text);
  Pump(100);
  EXPECT_TRUE(ShowsIdle());
  EXPECT_FALSE(RunActive());
}

TEST_F(Runner, RowsAddedDuringARunJoinFromTheNextPass) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 200);
  size_t start = MarkTarget();
  PressButton(Unit::kButtonStart);
  WaitForQueued(start, [](const Messages& m) { return ClicksAtLeast(m, WM_LBUTTONDOWN, 2); });
  size_t added = MarkTarget();
  AddPlanRow(30, 40, 200);
  WaitForQueued(added, [](const Messages& m) { return CountAt(m, WM_LBUTTONDOWN, Packed(30, 40)) >= 3; });
  RaiseClickedEvent(Unit::kButtonStop);
  Messages later = QueuedBetween(added, MarkTarget());
  EXPECT_EQ(CountAt(QueuedBetween(start, added), WM_LBUTTONDOWN, kP), CountOf(QueuedBetween(start, added), WM_LBUTTONDOWN));
  std::vector<unsigned long> points = DownPoints(later);
  size_t first = 0;
  while (first < points.size() && points[first] != Packed(30, 40)) ++first;
  ASSERT_LT(first, points.size()) << Describe(later);
  // From the pass that saw the new row on, both rows in order.
  for (size_t i = first; i < points.size(); ++i) {
    EXPECT_EQ((i - first) % 2 == 0 ? Packed(30, 40) : kP, points[i]) << "click " << i << "\n" << Describe(later);
  }
  EXPECT_TRUE(WholeLeftClicks(later));
}

// Passes are counted as the runner's row-count reads.
TEST_F(Runner, AnEmptiedPlanIsReadAgainAfterARestNotInATightLoop) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 0);
  RowCountReads passes;
  PressButton(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  ClearPlan();
  long before = passes.count();
  DWORD begin = GetTickCount();
  Pump(1000);
  long counted = passes.count() - before;
  DWORD elapsed = GetTickCount() - begin;
  // At most one pass per 5 ms rest; a runner that did not rest would make
  // as many as the window can answer, thousands in a second.
  EXPECT_GE(counted, 1);
  EXPECT_LE(counted, static_cast<long>(elapsed / 5 + 10)) << elapsed << " ms";
  // Still running: a new row is clicked.
  size_t refilled = MarkTarget();
  AddPlanRow(30, 40, 100);
  Messages resumed = WaitForQueued(refilled, [](const Messages& m) { return CountOf(m, WM_LBUTTONUP) >= 1; });
  ASSERT_GE(resumed.size(), 3u);
  EXPECT_EQ(LeftClickAt(30, 40), Messages(resumed.begin(), resumed.begin() + 3)) << Describe(resumed);
}

TEST_F(Runner, AVanishedTitleClicksNothingAndStillWaitsEachDelay) {
  {
    ClickTarget leaving("即将关闭的窗口", 40, 300, 200, 150);
    ASSERT_TRUE(leaving.ready());
    ASSERT_TRUE(ChooseBackgroundTarget("即将关闭的窗口"));
  }
  AddPlanRow(100, 200, 200);
  size_t start = MarkTarget();
  RowCountReads passes;
  DWORD begin = GetTickCount();
  PressButton(Unit::kButtonStart);
  Pump(1000);
  long counted = passes.count();
  DWORD elapsed = GetTickCount() - begin;
  PressButton(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  // One pass per 200 ms delay (a one-row plan), not a tight loop.
  EXPECT_GE(counted, 1);
  EXPECT_LE(counted, static_cast<long>(elapsed / 200 + 3)) << elapsed << " ms";
  Messages none = QueuedBetween(start, MarkTarget());
  EXPECT_TRUE(none.empty()) << Describe(none);
}

}  // namespace
}  // namespace klvtest
