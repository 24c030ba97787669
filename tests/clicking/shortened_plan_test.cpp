// A plan shortened while a pass is under way: the pass ends where the plan
// now ends, never clicking a row that is gone, and the run goes on with the
// rows that remain. In both modes: background clicks are read at the
// recording target, foreground ones on a faked desk (no real input).
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/clicking/clicking_fixture.h"
#include "tests/support/faked_desk.h"

namespace klvtest {
namespace {

using namespace klv::clicker;

// The first row waits long enough for the operator to shorten the plan
// during its wait; the rows after it come quickly.
constexpr int kLongWaitMs = 4000;
const POINT kA = {10, 10}, kB = {20, 20}, kC = {30, 30}, kX = {40, 40};

std::string Describe(const std::vector<POINT>& points) {
  std::string text;
  for (const POINT& p : points) text += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  return text.empty() ? " none" : text;
}

bool Same(const std::vector<POINT>& a, const std::vector<POINT>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
  }
  return true;
}

// The points the run clicked since the record began: the left presses the
// recording target took, or the synthesised presses on the faked desk.
class RunClicks {
 public:
  explicit RunClicks(bool foreground)
      : desk_(foreground ? std::make_unique<FakedDesk>(RECT{0, 0, 1024, 768}, POINT{1010, 750}) : nullptr),
        mark_(MarkTarget()) {}

  // Every click posted before the call is in (the target has taken them).
  std::vector<POINT> points() const {
    if (desk_) return desk_->inputPoints();
    std::vector<POINT> points;
    for (const ReceivedMessage& m : QueuedBetween(mark_, MarkTarget())) {
      if (m.message == WM_LBUTTONDOWN) points.push_back({GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)});
    }
    return points;
  }
  // Pumps until the run has clicked that often.
  bool WaitFor(size_t clicks) const {
    return PumpUntil([&] { return points().size() >= clicks; }, 3 * kLongWaitMs);
  }

 private:
  std::unique_ptr<FakedDesk> desk_;
  size_t mark_;
};

class ShortenedPlan : public Clicking, public testing::WithParamInterface<bool> {
 protected:
  bool foreground() const { return GetParam(); }
  void TearDown() override {
    Clicking::TearDown();
    // A background file made the title box editable; the other tests pick
    // titles from its list.
    WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, 2);
  }

  // Rows A (with the long wait), B and C, in the mode under test.
  void StartThreeRowRun() {
    if (foreground()) {
      ChooseForegroundMode();
    } else {
      ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
    }
    AddPlanRow(kA.x, kA.y, kLongWaitMs);
    AddPlanRow(kB.x, kB.y, 100);
    AddPlanRow(kC.x, kC.y, 100);
    clicks_ = std::make_unique<RunClicks>(foreground());
    PressButton(Unit::kButtonStart);
    ASSERT_TRUE(clicks_->WaitFor(1)) << Describe(clicks_->points());
  }
  // The operator's action came while the first row's wait went on.
  void ExpectStillInFirstWait() const {
    ASSERT_TRUE(Same(clicks_->points(), {kA})) << "the action came too late:" << Describe(clicks_->points());
  }

  std::unique_ptr<RunClicks> clicks_;
};

TEST_P(ShortenedPlan, ARowDeletedWithTheRowMenuEndsThePassWithTheRowsThatRemain) {
  StartThreeRowRun();
  DeletePlanRowWithRowMenu(1);
  ExpectStillInFirstWait();
  ASSERT_TRUE(clicks_->WaitFor(3)) << Describe(clicks_->points());
  RaiseClickedEvent(Unit::kButtonStop);
  // The pass read three rows at its start; its third is gone, not (0, 0).
  EXPECT_TRUE(Same(clicks_->points(), {kA, kC, kA})) << Describe(clicks_->points());
}

TEST_P(ShortenedPlan, AShorterPlanLoadedEndsThePassAndTheNextPassPlaysTheNewRow) {
  StartThreeRowRun();
  LoadPlanFile(kTargetTitle, "坐标1=40|40|4000|左键\r\n", 1, !foreground());
  ExpectStillInFirstWait();
  ASSERT_TRUE(clicks_->WaitFor(2)) << Describe(clicks_->points());
  RaiseClickedEvent(Unit::kButtonStop);
  // Rows 2 and 3 of the pass are gone: no click for them, not (0, 0).
  EXPECT_TRUE(Same(clicks_->points(), {kA, kX})) << Describe(clicks_->points());
}

// Passes are counted as the runner's row-count reads.
TEST_P(ShortenedPlan, APlanLoadedWithNoRowsClicksNothingMore) {
  RowCountReads passes;
  StartThreeRowRun();
  const long before = passes.count();
  LoadPlanFile(kTargetTitle, "", 0, !foreground());
  ExpectStillInFirstWait();
  // The pass under way has ended and the run rests on the empty plan.
  ASSERT_TRUE(PumpUntil([&] { return passes.count() >= before + 2; }, 3 * kLongWaitMs));
  RaiseClickedEvent(Unit::kButtonStop);
  EXPECT_TRUE(Same(clicks_->points(), {kA})) << Describe(clicks_->points());
}

INSTANTIATE_TEST_SUITE_P(BothModes, ShortenedPlan, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& mode) {
                           return std::string(mode.param ? "Foreground" : "Background");
                         });

}  // namespace
}  // namespace klvtest
