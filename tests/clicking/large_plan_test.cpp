// A plan of 10,000 rows loaded with the real button into the shown window:
// every row arrives with its cells, and a run clicks the target at the
// points of the first rows, in order.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "image/program_constants.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/program_window.h"
#include "tests/support/settings_text.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;

constexpr int kRows = 10000;

int RowX(int row) { return 10 + row % 290; }
int RowY(int row) { return 10 + (row * 7) % 210; }

// The settings file beside this program, put back as it was afterwards.
class LargePlan : public Clicking {
 protected:
  void SetUp() override {
    Clicking::SetUp();
    existed_ = GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (existed_) kept_ = ReadWholeFile(path_);
  }
  void TearDown() override {
    if (existed_) {
      WriteWholeFile(path_, kept_);
    } else {
      DeleteFileA(path_.c_str());
    }
    ClearPlan();
    // The load made the title box editable; the other tests pick the title
    // from the list the program starts with.
    WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, 2);
    Clicking::TearDown();
  }
  const std::string path_ = SettingsPathHere();

 private:
  bool existed_ = false;
  std::string kept_;
};

TEST_F(LargePlan, TenThousandRowsLoadIntoTheShownWindowAndTheRunnerClicksThem) {
  Plan plan;
  for (int row = 0; row < kRows; ++row) {
    plan.push_back({std::to_string(RowX(row)), std::to_string(RowY(row)), "20", klv::kConstants.leftButton});
  }
  WriteWholeFile(path_, FreshFile("1", kTargetTitle, plan));
  ASSERT_TRUE(IsWindowVisible(MainWindowHandle()));
  RaiseClickedEvent(Unit::kButtonLoad);
  HWND list = UnitHandle(Unit::kPlanList);
  ASSERT_TRUE(PumpUntil([] { return PlanRowCount() == kRows; }, 60000)) << PlanRowCount();
  for (int row = 0; row < kRows; ++row) {
    ASSERT_EQ(std::to_string(RowX(row)), ListCellText(list, row, 0)) << "row " << row;
    ASSERT_EQ(std::to_string(RowY(row)), ListCellText(list, row, 1)) << "row " << row;
    ASSERT_EQ("20", ListCellText(list, row, 2)) << "row " << row;
    ASSERT_EQ("左键", ListCellText(list, row, 3)) << "row " << row;
  }

  size_t start = MarkTarget();
  PressButton(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  Messages run = WaitForQueued(start, [](const Messages& m) { return CountOf(m, WM_LBUTTONDOWN) >= 5; });
  PressButton(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  run = QueuedBetween(start, MarkTarget());
  ASSERT_GE(CountOf(run, WM_LBUTTONDOWN), 5u) << Describe(run);
  // The clicks follow the rows from the first one on.
  Messages firstFive;
  for (int row = 0; row < 5; ++row) {
    Messages click = LeftClickAt(RowX(row), RowY(row));
    firstFive.insert(firstFive.end(), click.begin(), click.end());
  }
  EXPECT_EQ(Describe(firstFive), Describe(Messages(run.begin(), run.begin() + 15)));
}

}  // namespace
}  // namespace klvtest
