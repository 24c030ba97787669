// The report list under real mouse and keyboard input (exact event
// sequences: common events from the runtime's pre-translation, the list's
// own from its notifications), and its commands called from a second thread
// while this one pumps messages, as the click runner does.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "controls/report_list/report_list_commands.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "controls/commands/command_arguments.h"
#include "runtime/heap.h"
#include "tests/controls_lists/plan_list.h"

namespace ctltest {
namespace {

namespace rl = klv::reportlist;
using namespace klv::CommonEvent;
using namespace klv::ReportListEvent;

using klv::ReportListProperty::kCurrentRow;
constexpr uint32_t kListUnit = 0x16012A43;

// A text result's bytes, freed; usable on any thread (no test assertions).
std::string Owned(const klv::CommandResult& result) {
  char* text = static_cast<char*>(const_cast<void*>(klv::LoadPointer(result)));
  std::string bytes = text ? text : "";
  if (text) klv::FreeMemory(text);
  return bytes;
}

class ReportListInputTest : public testing::Test {
 protected:
  void Make(const klv::ReportListSettings& settings) {
    list_ = MakeList(settings, kListUnit);
    BringToFront(Form());
  }
  // The client point in the middle of a row's part, and the same on screen.
  POINT ClientPoint(int row, int part = LVIR_LABEL) const { return RowClientPoint(list_->hwnd(), row, part); }
  POINT Screen(POINT client) const { return ScreenPoint(list_->hwnd(), client.x, client.y); }
  int StateImage(int row) const {
    return static_cast<int>(SendMessageA(list_->hwnd(), LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >> 12);
  }

  std::unique_ptr<TestUnit> list_;
};

TEST_F(ReportListInputTest, ClickSelectsTheRowWithEventsInOrder) {
  Make(PlanSettings(3));
  ASSERT_EQ(-1, list_->ReadNumber(kCurrentRow));
  EventLog log;
  POINT at = ClientPoint(1);
  Click(Screen(at));
  EXPECT_EQ(1, list_->ReadNumber(kCurrentRow));
  EXPECT_TRUE(EventsFollow(log.Take(), {MouseAt(kLeftDown, at), {kRowFocused}, {kGotFocus}, MouseAt(kLeftUp, at),
                                        {kClicked}}));
  // A second click on another row moves the focus: event 0 again.
  at = ClientPoint(2);
  Click(Screen(at));
  EXPECT_EQ(2, list_->ReadNumber(kCurrentRow));
  EXPECT_TRUE(EventsFollow(log.Take(), {MouseAt(kLeftDown, at), {kRowFocused}, MouseAt(kLeftUp, at), {kClicked}}));
}

TEST_F(ReportListInputTest, DoubleClickAndRightClickEvents) {
  Make(PlanSettings(3));
  EventLog log;
  POINT at = ClientPoint(0);
  DoubleClick(Screen(at));
  EXPECT_EQ(0, list_->ReadNumber(kCurrentRow));
  EXPECT_TRUE(EventsFollow(log.Take(), {MouseAt(kLeftDown, at), {kRowFocused}, {kGotFocus}, MouseAt(kLeftUp, at),
                                        {kClicked}, MouseAt(kDoubleClick, at), {kRowActivated}, MouseAt(kLeftUp, at)}));
  at = ClientPoint(2);
  Click(Screen(at), true);
  // The list view waits for the release in a loop of its own, which takes
  // it from the queue: no right-button release.
  EXPECT_TRUE(EventsFollow(log.Take(), {MouseAt(kRightDown, at), {kRowFocused}, {kRightClicked}}));
}

TEST_F(ReportListInputTest, ColumnHeaderClickGivesTheColumn) {
  Make(PlanSettings(1));
  HWND header = reinterpret_cast<HWND>(SendMessageA(list_->hwnd(), LVM_GETHEADER, 0, 0));
  RECT column = {};
  SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&column));
  EventLog log;
  Click(ScreenPoint(header, (column.left + column.right) / 2, (column.top + column.bottom) / 2));
  // The header's own mouse events may come around it; no row is focused.
  const std::vector<LoggedEvent> events = log.Take();
  EXPECT_EQ(1, std::count(events.begin(), events.end(), LoggedEvent{list_->unitId(), kColumnClicked, {2}}))
      << Describe(events);
  EXPECT_EQ(0, std::count_if(events.begin(), events.end(), [](const LoggedEvent& e) { return e.event == kRowFocused; }))
      << Describe(events);
}

// The check-box event comes after the system control toggled the box: at
// that moment the row's state image already shows the new state.
TEST_F(ReportListInputTest, CheckBoxChangesRaiseEventEightAfterTheToggle) {
  klv::ReportListSettings settings = PlanSettings(2);
  settings.checkBoxes = 1;
  Make(settings);
  ASSERT_EQ(1, StateImage(0));  // unchecked
  EventLog log;
  int stateAtEvent = -1;
  log.OnEvent([&](const LoggedEvent& event) {
    if (event.event == klv::ReportListEvent::kCheckBoxChanged) stateAtEvent = StateImage(static_cast<int>(event.arguments[0]));
  });
  POINT box = ClientPoint(0, LVIR_ICON);
  RECT bounds = {};
  bounds.left = LVIR_BOUNDS;
  SendMessageA(list_->hwnd(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds));
  box.x = bounds.left + 8;  // the state icon sits at the row's left end
  LVHITTESTINFO hit = {};
  hit.pt = box;
  ASSERT_EQ(0, SendMessageA(list_->hwnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON);
  Click(Screen(box));
  EXPECT_EQ(2, StateImage(0));
  EXPECT_EQ(2, stateAtEvent);
  // The event is posted, so it comes before the queued release.
  EXPECT_TRUE(EventsFollow(log.Take(), {MouseAt(kLeftDown, box), {kClicked}, {kCheckBoxChanged, {0, 1}},
                                        MouseAt(kLeftUp, box)}));
  // The space key toggles the focused row's box back.
  list_->WriteNumber(kCurrentRow, 0);
  SetFocus(list_->hwnd());
  PumpUntilQuiet();
  log.Take();
  stateAtEvent = -1;
  PressKey(VK_SPACE);
  EXPECT_EQ(1, StateImage(0));
  EXPECT_EQ(1, stateAtEvent);
  EXPECT_TRUE(EventsFollow(log.Take(), {{kKeyDown, {VK_SPACE, 0}}, {kCharacter, {' '}}, {kCheckBoxChanged, {0, 0}},
                                        {kKeyUp, {VK_SPACE, 0}}}));
}

// The runner reads the plan from its own thread while the user-interface
// thread owns the list and keeps pumping messages.
TEST_F(ReportListInputTest, CommandsWorkFromAnotherThreadWhileThisOnePumps) {
  Make(PlanSettings(0));
  const klv::CommandArgument list = list_->Argument();
  std::atomic<bool> done{false};
  std::atomic<int> mismatches{0};
  std::string firstMismatch;
  std::thread runner([&] {
    for (int i = 0; i < 40; ++i) {
      std::string x = std::to_string(i), y = "坐标" + std::to_string(i * 2);
      klv::CommandResult inserted = CallList(rl::ListInsertRow, {list});
      int32_t row = static_cast<int32_t>(inserted.low);
      CallList(rl::ListSetCellText, {list, Integer(row), Integer(0), Text(x.c_str())});
      CallList(rl::ListSetCellText, {list, Integer(row), Integer(1), Text(y.c_str())});
      int32_t count = static_cast<int32_t>(CallList(rl::ListRowCount, {list}).low);
      klv::CommandResult cellX = CallList(rl::ListCellText, {list, Integer(row)});
      klv::CommandResult cellY = CallList(rl::ListCellText, {list, Integer(row), Integer(1)});
      std::string readX = Owned(cellX), readY = Owned(cellY);
      if (row != i || count != i + 1 || readX != x || readY != y) {
        if (mismatches++ == 0) firstMismatch = std::to_string(i) + ": " + readX + "|" + readY;
      }
    }
    done = true;
  });
  bool finished = PumpUntil([&] { return done.load(); }, 20000);
  runner.join();
  ASSERT_TRUE(finished);
  EXPECT_EQ(0, mismatches.load()) << firstMismatch;
  EXPECT_EQ(40, SendMessageA(list_->hwnd(), LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace
}  // namespace ctltest
