// The runner reads the plan and the combo boxes from its own thread without
// waiting for the user-interface thread: what another thread reads through
// the runtime equals what the window shows, after every kind of change, and
// a run goes on clicking while the user-interface thread serves nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "clicker/plan_list.h"
#include "clicker/runtime_access.h"
#include "controls/commands/core_commands.h"
#include "controls/report_list/report_list_commands.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;
namespace rl = klv::reportlist;

constexpr uint32_t kCombos[] = {Unit::kComboClickMode, Unit::kComboMouseButton, Unit::kComboWindowTitle};
constexpr int kEditLabels = Property::TypeProperty(klv::ReportListProperty::kEditLabels);

std::string TakeText(const klv::CommandResult& result) {
  HeapText text = klv::clicker::ResultText(result);
  return text.get() ? text.get() : "";
}

// A cell as the list view itself holds it, asked with its own message.
std::string ListViewText(int row, int column) { return ListCellText(UnitHandle(Unit::kPlanList), row, column); }

// After a background-mode load the title box has an edit field; the other
// tests pick titles from a list without one.
void TitleBoxWithoutEditField() { WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, 2); }

// Everything a run reads (and a little more), as read through the runtime
// on the calling thread.
struct Seen {
  std::vector<std::vector<std::string>> rows;
  int32_t selectedRow = 0;
  std::vector<std::string> comboTexts, titleItems;
  std::vector<int32_t> comboSelections, titleData;
  bool operator==(const Seen& o) const {
    return rows == o.rows && selectedRow == o.selectedRow && comboTexts == o.comboTexts &&
           titleItems == o.titleItems && comboSelections == o.comboSelections && titleData == o.titleData;
  }
};

std::string Describe(const Seen& seen) {
  std::string text = "rows:";
  for (const auto& row : seen.rows) {
    text += " [";
    for (const auto& cell : row) text += HexBytes(cell) + "|";
    text += "]";
  }
  text += " selected " + std::to_string(seen.selectedRow) + "; combos:";
  for (size_t i = 0; i < seen.comboTexts.size(); ++i) {
    text += " " + HexBytes(seen.comboTexts[i]) + "#" + std::to_string(seen.comboSelections[i]);
  }
  text += "; titles:";
  for (size_t i = 0; i < seen.titleItems.size(); ++i) {
    text += " " + HexBytes(seen.titleItems[i]) + "=" + std::to_string(seen.titleData[i]);
  }
  return text;
}

// itemCount: the title box's items as its window counts them; one index
// past them is read too (it must read empty).
Seen ReadThroughRuntime(int itemCount) {
  Seen seen;
  int32_t count = CountPlanRows();
  for (int32_t row = 0; row < count; ++row) {
    std::vector<std::string> cells;
    for (int32_t column = 0; column < 4; ++column) {
      cells.push_back(TakeText(CallReportList(rl::kListCellText, {PlanListArgument(), IntegerArgument(row), IntegerArgument(column)})));
    }
    seen.rows.push_back(cells);
  }
  seen.selectedRow = ReadUnitInteger(Unit::kPlanList, Property::kListSelection);
  for (uint32_t combo : kCombos) {
    HeapText text = klv::clicker::ReadUnitText(combo, Property::kComboText);
    seen.comboTexts.push_back(text.get() ? text.get() : "");
    seen.comboSelections.push_back(ReadUnitInteger(combo, Property::kComboSelection));
  }
  klv::CommandArgument title = UnitArgument(Unit::kComboWindowTitle, klv::TypeCode::kComboBox);
  for (int i = 0; i <= itemCount; ++i) {
    seen.titleItems.push_back(TakeText(CallCore(klv::core::kComboItemText, {title, IntegerArgument(i)})));
    seen.titleData.push_back(static_cast<int32_t>(CallCore(klv::core::kComboItemData, {title, IntegerArgument(i)}).low));
  }
  return seen;
}

int TitleItemCount() {
  return static_cast<int>(SendMessageA(UnitHandle(Unit::kComboWindowTitle), CB_GETCOUNT, 0, 0));
}

struct OtherThreadRead {
  int itemCount;
  Seen seen;
};

DWORD WINAPI ReadOnOtherThread(void* context) {
  auto* read = static_cast<OtherThreadRead*>(context);
  read->seen = ReadThroughRuntime(read->itemCount);
  return 0;
}

// The same reads on another thread while this one, which owns the window,
// serves no message: a read that asked the window would never return.
::testing::AssertionResult MirrorsEqualControls(const char* after) {
  OtherThreadRead read = {TitleItemCount(), {}};
  HANDLE thread = CreateThread(nullptr, 0, &ReadOnOtherThread, &read, 0, nullptr);
  bool answered = WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
  if (!answered) PumpUntil([thread] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, 30000);
  CloseHandle(thread);
  if (!answered) return ::testing::AssertionFailure() << after << ": the other thread waited for this one";
  // The plan as the list view holds it: the runtime's reads answer from the
  // mirror on this thread too.
  Seen owner = ReadThroughRuntime(read.itemCount);
  HWND list = UnitHandle(Unit::kPlanList);
  owner.rows.clear();
  for (int row = 0, count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); row < count; ++row) {
    owner.rows.push_back({ListViewText(row, 0), ListViewText(row, 1), ListViewText(row, 2), ListViewText(row, 3)});
  }
  owner.selectedRow =
      static_cast<int32_t>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
  if (owner == read.seen) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << after << ":\n window: " << Describe(owner) << "\n mirror: "
                                       << Describe(read.seen);
}

// Another program sets the text of the title's edit field.
DWORD SetTitleFromOtherProcess(const std::string& text) {
  char window[16];
  std::snprintf(window, sizeof window, "%lx", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(TitleEditField())));
  ChildProcess setter(ProgramFolder() + "\\set_window_text.exe", std::string(window) + " " + HexBytes(text));
  // The message comes to this thread, which serves it while it waits.
  PumpUntil([&setter] { return setter.Wait(0) != STILL_ACTIVE; }, 15000);
  return setter.Wait(0);
}

class Mirrors : public Clicking {};

TEST_F(Mirrors, WhatAnotherThreadReadsEqualsTheControlsAfterEveryKindOfChange) {
  EXPECT_TRUE(MirrorsEqualControls("at the start"));
  AddPlanRow(10, 20, 30);
  AddPlanRow(11, 21, 31);
  EXPECT_TRUE(MirrorsEqualControls("rows added with real input"));
  CallReportList(rl::kListSetCellText, {PlanListArgument(), IntegerArgument(1), IntegerArgument(0), TextArgument("77")});
  EXPECT_TRUE(MirrorsEqualControls("a cell edited"));
  SelectPlanRow(1);
  EXPECT_TRUE(MirrorsEqualControls("a row selected with a real click"));
  CallReportList(rl::kListDeleteRow, {PlanListArgument(), IntegerArgument(0)});
  EXPECT_TRUE(MirrorsEqualControls("a row deleted"));
  ClearPlan();
  EXPECT_TRUE(MirrorsEqualControls("the plan cleared"));

  ASSERT_TRUE(PickComboItem(Unit::kComboClickMode, "前台点击"));
  EXPECT_TRUE(MirrorsEqualControls("the mode picked"));
  ASSERT_TRUE(PickComboItem(Unit::kComboMouseButton, "右键"));
  EXPECT_TRUE(MirrorsEqualControls("the button picked"));
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  EXPECT_TRUE(MirrorsEqualControls("the title picked from the list"));

  LoadPlanFile(kTargetTitle, "坐标1=5|6|7|左键\r\n坐标2=8|9|10|右键\r\n", 2);
  ASSERT_EQ(2, PlanRowCount());
  EXPECT_TRUE(MirrorsEqualControls("a plan loaded from a file"));
  ASSERT_NE(nullptr, TitleEditField());
  TypeTitle("kv7");
  EXPECT_EQ("kv7", klvtest::ReadUnitText(Unit::kComboWindowTitle, Property::kComboText));
  EXPECT_TRUE(MirrorsEqualControls("the title typed"));
  EXPECT_EQ(TRUE, SetTitleFromOtherProcess("别的程序写的标题"));
  EXPECT_EQ("别的程序写的标题", klvtest::ReadUnitText(Unit::kComboWindowTitle, Property::kComboText));
  EXPECT_TRUE(MirrorsEqualControls("the title set by another program"));

  // A label edit by real typing, in a list that allows it (the setting
  // builds the list anew, empty).
  WriteUnit(Unit::kPlanList, kEditLabels, 1);
  EXPECT_TRUE(MirrorsEqualControls("the list built anew"));
  AddPlanRow(12, 22, 32);
  HWND list = UnitHandle(Unit::kPlanList);
  SetFocus(list);
  ASSERT_NE(0, SendMessageA(list, LVM_EDITLABELA, 0, 0));
  for (WORD key : {WORD{'4'}, WORD{'5'}, WORD{VK_RETURN}}) PressKey(key);
  PumpUntil([] { return ListViewText(0, 0) == "45"; });
  EXPECT_EQ("45", ListViewText(0, 0));
  EXPECT_TRUE(MirrorsEqualControls("a label edited by typing"));
  WriteUnit(Unit::kPlanList, kEditLabels, 0);
  EXPECT_TRUE(MirrorsEqualControls("the list built anew again"));
  TitleBoxWithoutEditField();
  EXPECT_TRUE(MirrorsEqualControls("the title box built anew"));
  EXPECT_TRUE(EnsureComboShows(Unit::kComboMouseButton, "左键"));
}

// Clicks at the point, counted among the messages.
size_t DownsAt(const Messages& m, int x, int y) { return CountAt(m, WM_LBUTTONDOWN, Packed(x, y)); }

TEST_F(Mirrors, TheStepAfterEachKindOfChangeUsesTheNewValue) {
  ClickTarget second("kv8", 40, 300, 200, 150);
  ASSERT_TRUE(second.ready());
  LoadPlanFile(kTargetTitle, "坐标1=100|200|30|左键\r\n", 1);
  ASSERT_NE(nullptr, TitleEditField());
  size_t start = MarkTarget();
  PressButton(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  WaitForQueued(start, [](const Messages& m) { return DownsAt(m, 100, 200) >= 2; });

  CallReportList(rl::kListSetCellText, {PlanListArgument(), IntegerArgument(0), IntegerArgument(0), TextArgument("120")});
  size_t edited = MarkTarget();
  Messages afterEdit = WaitForQueued(edited, [](const Messages& m) { return DownsAt(m, 120, 200) >= 2; });
  EXPECT_GE(DownsAt(afterEdit, 120, 200), 2u) << Describe(afterEdit);

  // Typed into the title field: the clicks go to the other window.
  size_t beforeTyping = second.Received().size();
  TypeTitle("kv8");
  Messages typed = second.WaitFor(beforeTyping + 6);
  EXPECT_GE(CountAt(Messages(typed.begin() + static_cast<long>(beforeTyping), typed.end()), WM_LBUTTONDOWN, Packed(120, 200)),
            2u);

  // Set by another program: back to the shared target.
  EXPECT_EQ(TRUE, SetTitleFromOtherProcess(kTargetTitle));
  size_t reset = MarkTarget();
  Messages back = WaitForQueued(reset, [](const Messages& m) { return DownsAt(m, 120, 200) >= 2; });
  EXPECT_GE(DownsAt(back, 120, 200), 2u) << Describe(back);

  // A plan loaded during the run, and a row deleted.
  LoadPlanFile(kTargetTitle, "坐标1=130|200|30|左键\r\n坐标2=140|200|30|左键\r\n", 2);
  size_t loaded = MarkTarget();
  Messages afterLoad = WaitForQueued(loaded, [](const Messages& m) { return DownsAt(m, 140, 200) >= 2; });
  EXPECT_GE(DownsAt(afterLoad, 130, 200), 1u) << Describe(afterLoad);
  CallReportList(rl::kListDeleteRow, {PlanListArgument(), IntegerArgument(0)});
  Pump(100);  // the pass under way may still reach the deleted row
  size_t deleted = MarkTarget();
  Messages afterDelete = WaitForQueued(deleted, [](const Messages& m) { return DownsAt(m, 140, 200) >= 3; });
  EXPECT_EQ(0u, DownsAt(afterDelete, 130, 200)) << Describe(afterDelete);
  PressButton(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  TitleBoxWithoutEditField();
}

TEST_F(Mirrors, ARunKeepsClickingWhileTheWindowServesNothingForTwoSeconds) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 20);
  PressButton(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  size_t before = MarkTarget();
  Sleep(2000);  // this thread owns the window and takes no message meanwhile
  size_t after = MarkTarget();
  PressButton(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  // A hundred at the plan's pace; a runner that asked the window for each
  // step would have made one at most.
  Messages busy = QueuedBetween(before, after);
  EXPECT_GE(DownsAt(busy, 100, 200), 20u) << Describe(busy);
}

}  // namespace
}  // namespace klvtest
