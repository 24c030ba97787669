// What a run needs of the Windows it runs on: it opts out of the throttling
// of a hidden process and hands that back when it ends; a target of higher
// rights than Klikvane's is named to the operator instead of being clicked
// in vain; and a system function that a system lacks changes nothing else.
// The system's answers are the test's, through the program's bindings.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/system_binding.h"
#include "runtime/interface/system_function_numbers.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/bound_functions.h"
#include "tests/support/integrity_fakes.h"
#include "tests/support/pace_call_watch.h"
#include "tests/support/recorded_boxes.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;
using Target = IntegrityScenario::Target;

constexpr DWORD kMedium = 0x2000, kHigh = 0x3000, kSystem = 0x4000, kLow = 0x1000;
const BoxCall kElevatedBox = {"目标窗口以管理员身份运行，本程序无法向它发送点击。请以管理员身份运行本程序。", "信息：", 0x1040};

size_t DownsAt(const Messages& m, int x, int y) { return CountAt(m, WM_LBUTTONDOWN, Packed(x, y)); }

class RunConditions : public Clicking {
 protected:
  // What is tested here does not depend on input: the target is picked once
  // with real input, and the buttons' clicked events are raised without it.
  void SetUp() override {
    Clicking::SetUp();
    bool chosen = klvtest::ReadUnitText(Unit::kComboClickMode, Property::kComboText) == "后台点击" &&
                  klvtest::ReadUnitText(Unit::kComboWindowTitle, Property::kComboText) == kTargetTitle;
    ASSERT_TRUE(chosen || ChooseBackgroundTarget(kTargetTitle));
    WriteUnitText(Unit::kEditX, Property::kEditText, "100");
    WriteUnitText(Unit::kEditY, Property::kEditText, "200");
    WriteUnitText(Unit::kEditDelay, Property::kEditText, "10");
    RaiseClickedEvent(Unit::kButtonAdd);
    ASSERT_EQ(1, PlanRowCount());
  }
  // Starts and, when the run started, lets it click a few times and stops
  // it; the boxes shown meanwhile, and the clicks.
  struct Attempt {
    std::vector<BoxCall> boxes;
    bool started = false;
    Messages clicks;
  };
  Attempt StartAndStop() {
    Attempt attempt;
    size_t before = MarkTarget();
    attempt.boxes = BoxesDuring([] { RaiseClickedEvent(Unit::kButtonStart); });
    attempt.started = ShowsRunning();
    if (attempt.started) {
      WaitForQueued(before, [](const Messages& m) { return DownsAt(m, 100, 200) >= 3; });
      RaiseClickedEvent(Unit::kButtonStop);
      EXPECT_TRUE(PumpUntil(ShowsIdle));
    } else {
      Pump(200);
    }
    attempt.clicks = QueuedBetween(before, MarkTarget());
    return attempt;
  }
  // One single step of the selected row; the boxes and the clicks.
  Attempt Step() {
    WriteUnit(Unit::kPlanList, Property::kListSelection, 0);
    Attempt attempt;
    size_t before = MarkTarget();
    attempt.boxes = BoxesDuring([] { RaiseClickedEvent(Unit::kButtonDebug); });
    attempt.clicks = QueuedBetween(before, MarkTarget());
    return attempt;
  }
};

TEST_F(RunConditions, ARunDeclinesThrottlingForItsLengthAndHandsItBackWhenStopped) {
  PaceCalls before = CountedPaceCalls();
  RaiseClickedEvent(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  PaceCalls running = CountedPaceCalls();
  EXPECT_EQ(1, running.throttlingDeclined - before.throttlingDeclined);
  EXPECT_EQ(0, running.throttlingHandedBack - before.throttlingHandedBack);
  RaiseClickedEvent(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  PaceCalls stopped = CountedPaceCalls();
  EXPECT_EQ(1, stopped.throttlingDeclined - before.throttlingDeclined);
  EXPECT_EQ(1, stopped.throttlingHandedBack - before.throttlingHandedBack);
  EXPECT_EQ(before.otherProcessInformation, stopped.otherProcessInformation);
}

TEST_F(RunConditions, ASystemThatRefusesOrLacksTheOptOutRunsAsBefore) {
  RefuseProcessInformation(true);
  Attempt refused = StartAndStop();
  RefuseProcessInformation(false);
  EXPECT_TRUE(refused.started);
  EXPECT_GE(DownsAt(refused.clicks, 100, 200), 3u) << Describe(refused.clicks);
  EXPECT_TRUE(refused.boxes.empty());

  // As on Windows 7: the function is not there at all.
  HideFunction("SetProcessInformation", true);
  klv::ForgetSystemFunction(klv::kSetProcessInformation);
  PaceCalls before = CountedPaceCalls();
  Attempt lacking = StartAndStop();
  PaceCalls after = CountedPaceCalls();
  HideFunction("SetProcessInformation", false);
  klv::ForgetSystemFunction(klv::kSetProcessInformation);
  EXPECT_TRUE(lacking.started);
  EXPECT_GE(DownsAt(lacking.clicks, 100, 200), 3u) << Describe(lacking.clicks);
  EXPECT_TRUE(lacking.boxes.empty());
  EXPECT_EQ(before.throttlingDeclined, after.throttlingDeclined);
  EXPECT_EQ(1, after.beginPeriod - before.beginPeriod);  // the timer resolution is raised all the same
  EXPECT_EQ(1, after.endPeriod - before.endPeriod);
}

// Each case read with the test's answers, in background mode: a target
// that outranks Klikvane is named and neither run nor stepped; any other is
// clicked as always, and its rights were read.
TEST_F(RunConditions, AnElevatedTargetIsNamedAndNotClickedAnyOtherIsClicked) {
  struct Case {
    const char* name;
    IntegrityScenario scenario;
    bool refused;
  };
  const Case cases[] = {
      {"a higher level", {Target::kLevel, kHigh, kMedium}, true},
      {"system against high", {Target::kLevel, kSystem, kHigh}, true},
      {"the process refused to a process that is not elevated", {Target::kProcessDenied, 0, kMedium}, true},
      {"the token refused to a process that is not elevated", {Target::kTokenDenied, 0, kLow}, true},
      {"an equal level", {Target::kLevel, kMedium, kMedium}, false},
      {"a lower level", {Target::kLevel, kLow, kMedium}, false},
      {"refused to an elevated process", {Target::kProcessDenied, 0, kHigh}, false},
      {"another failure", {Target::kOtherFailure, 0, kMedium}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakedIntegrity faked(c.scenario);
    const std::vector<BoxCall> expectedBoxes = c.refused ? std::vector<BoxCall>{kElevatedBox} : std::vector<BoxCall>{};
    Attempt run = StartAndStop();
    EXPECT_EQ(!c.refused, run.started);
    EXPECT_EQ(expectedBoxes, run.boxes);
    if (c.refused) {
      EXPECT_EQ(0u, CountOf(run.clicks, WM_LBUTTONDOWN)) << Describe(run.clicks);
    } else {
      EXPECT_GE(DownsAt(run.clicks, 100, 200), 3u) << Describe(run.clicks);
    }
    Attempt step = Step();
    EXPECT_EQ(expectedBoxes, step.boxes);
    EXPECT_EQ(c.refused ? Messages{} : LeftClickAt(100, 200), step.clicks);
    EXPECT_GE(faked.targetsOpened(), 2) << "the target's rights were not read";
  }
}

TEST_F(RunConditions, ForegroundRowsAreNotChecked) {
  ChooseForegroundMode();
  FakedIntegrity faked({Target::kLevel, kSystem, kMedium});
  ParkCursor();
  std::vector<BoxCall> boxes = BoxesDuring([] { RaiseClickedEvent(Unit::kButtonStart); });
  EXPECT_TRUE(ShowsRunning());
  RaiseClickedEvent(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(0, faked.targetsOpened());
}

}  // namespace
}  // namespace klvtest
