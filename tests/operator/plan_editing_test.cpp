// Editing the plan through the real window with real input: add, pick,
// overwrite and delete rows, the row menu, and the click-mode switch.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "clicker/units.h"
#include "runtime/events.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/recorded_boxes.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Row = std::vector<std::string>;

HWND List() { return UnitHandle(Unit::kPlanList); }

int RowCount() { return static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0)); }

std::string Cell(int row, int column) { return ListCellText(List(), row, column); }
Row RowAt(int row) { return {Cell(row, 0), Cell(row, 1), Cell(row, 2), Cell(row, 3)}; }

int SelectedRow() { return static_cast<int32_t>(ReadUnit(Unit::kPlanList, Property::kListSelection)); }

POINT RowPoint(int row) {
  RECT rect = {};
  rect.left = LVIR_BOUNDS;
  SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
  POINT at = {rect.left + 20, (rect.top + rect.bottom) / 2};
  ClientToScreen(List(), &at);
  return at;
}

void ClickUnit(uint32_t unit) {
  RECT rect;
  GetClientRect(UnitHandle(unit), &rect);
  POINT at = ScreenPointOf(unit, rect.right / 2, rect.bottom / 2);
  ClickAt(at.x, at.y);
}

// Types into an edit box with real keys after selecting its text.
void TypeInto(uint32_t edit, const std::string& keys) {
  ClickUnit(edit);
  SendMessageA(UnitHandle(edit), EM_SETSEL, 0, -1);
  PressKey(VK_DELETE);
  for (char c : keys) PressKey(c == '-' ? VK_SUBTRACT : static_cast<WORD>(c));
}

void ChooseMouseButton(int index) {
  WriteUnit(Unit::kComboMouseButton, Property::kComboSelection, static_cast<uint32_t>(index));
}

class PlanEditing : public testing::Test {
 protected:
  void SetUp() override {
    BringMainWindowToFront();
    SendMessageA(List(), LVM_DELETEALLITEMS, 0, 0);
    Pump(50);
  }
};

TEST_F(PlanEditing, AddAppendsTheFieldsVerbatimWithoutChangingTheSelection) {
  WriteUnitText(Unit::kEditX, Property::kEditText, "");
  WriteUnitText(Unit::kEditY, Property::kEditText, "");
  WriteUnitText(Unit::kEditDelay, Property::kEditText, "");
  ChooseMouseButton(0);
  ClickUnit(Unit::kButtonAdd);
  ASSERT_EQ(1, RowCount());
  EXPECT_EQ((Row{"", "", "", "左键"}), RowAt(0));
  TypeInto(Unit::kEditX, "120");
  TypeInto(Unit::kEditY, "340");
  TypeInto(Unit::kEditDelay, "500");
  ChooseMouseButton(1);
  ClickUnit(Unit::kButtonAdd);
  ASSERT_EQ(2, RowCount());
  EXPECT_EQ((Row{"120", "340", "500", "右键"}), RowAt(1));
  EXPECT_EQ(-1, SelectedRow());
  // Texts are stored as typed: spaces, GBK, a long cell.
  std::string longText(1000, 'x');
  WriteUnitText(Unit::kEditX, Property::kEditText, " 7 ");
  WriteUnitText(Unit::kEditY, Property::kEditText, "坐标");
  WriteUnitText(Unit::kEditDelay, Property::kEditText, longText);
  ClickUnit(Unit::kButtonAdd);
  EXPECT_EQ((Row{" 7 ", "坐标", longText, "右键"}), RowAt(2));
}

TEST_F(PlanEditing, DoubleClickPicksTheRowBack) {
  for (const char* x : {"1", "2"}) {
    WriteUnitText(Unit::kEditX, Property::kEditText, x);
    WriteUnitText(Unit::kEditY, Property::kEditText, std::string(x) + "0");
    WriteUnitText(Unit::kEditDelay, Property::kEditText, std::string(x) + "00");
    ChooseMouseButton(x[0] == '1' ? 1 : 0);
    ClickUnit(Unit::kButtonAdd);
  }
  SendMessageA(List(), LVM_SETITEMTEXTA, 1, 0);  // no-op, keeps the list as built
  WriteUnitText(Unit::kEditX, Property::kEditText, "");
  EventLog log;
  POINT at = RowPoint(0);
  DoubleClickAt(at.x, at.y);
  ASSERT_TRUE(PumpUntil([] { return ReadUnitText(Unit::kEditX, Property::kEditText) == "1"; }));
  EXPECT_EQ("10", ReadUnitText(Unit::kEditY, Property::kEditText));
  EXPECT_EQ("100", ReadUnitText(Unit::kEditDelay, Property::kEditText));
  EXPECT_EQ("右键", ReadUnitText(Unit::kComboMouseButton, Property::kComboText));
  std::vector<int32_t> events = log.EventsOf(Unit::kPlanList);
  EXPECT_NE(events.end(), std::find(events.begin(), events.end(), -3));
  at = RowPoint(1);
  DoubleClickAt(at.x, at.y);
  ASSERT_TRUE(PumpUntil([] { return ReadUnitText(Unit::kEditX, Property::kEditText) == "2"; }));
  EXPECT_EQ("左键", ReadUnitText(Unit::kComboMouseButton, Property::kComboText));
}

TEST_F(PlanEditing, PickingAnythingButLeftSelectsTheRightButton) {
  WriteUnitText(Unit::kEditX, Property::kEditText, "5");
  ChooseMouseButton(0);
  ClickUnit(Unit::kButtonAdd);
  SendMessageA(List(), LVM_SETITEMTEXTA, 0, 0);
  LVITEMA item = {};
  item.iSubItem = 3;
  item.pszText = const_cast<char*>("左键 ");  // not exactly the left button's text
  SendMessageA(List(), LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
  ChooseMouseButton(0);
  POINT at = RowPoint(0);
  DoubleClickAt(at.x, at.y);
  ASSERT_TRUE(PumpUntil([] { return ReadUnitText(Unit::kComboMouseButton, Property::kComboText) == "右键"; }));
}

TEST_F(PlanEditing, RowMenuEditAndDeleteActOnTheSelectedRow) {
  for (const char* x : {"1", "2", "3"}) {
    WriteUnitText(Unit::kEditX, Property::kEditText, x);
    ClickUnit(Unit::kButtonAdd);
  }
  POINT at = RowPoint(1);
  ClickAt(at.x, at.y);
  ASSERT_EQ(1, SelectedRow());
  WriteUnitText(Unit::kEditX, Property::kEditText, "22");
  ChoosePopupEntryLater(2);  // 删除, 编辑
  ClickAt(at.x, at.y, true);
  ASSERT_TRUE(PumpUntil([] { return Cell(1, 0) == "22"; }));
  EXPECT_EQ(3, RowCount());
  ChoosePopupEntryLater(1);  // 删除
  ClickAt(at.x, at.y, true);
  ASSERT_TRUE(PumpUntil([] { return RowCount() == 2; }));
  EXPECT_EQ("1", Cell(0, 0));
  EXPECT_EQ("3", Cell(1, 0));
}

TEST_F(PlanEditing, WithoutASelectedRowTheRowCommandsChangeNothing) {
  WriteUnitText(Unit::kEditX, Property::kEditText, "9");
  ClickUnit(Unit::kButtonAdd);
  ASSERT_EQ(-1, SelectedRow());
  // A right click below the rows opens no menu.
  RECT client;
  GetClientRect(List(), &client);
  POINT empty = ScreenPointOf(Unit::kPlanList, 30, client.bottom - 10);
  ClickAt(empty.x, empty.y, true);
  Pump(300);
  EXPECT_EQ(nullptr, VisiblePopupMenu());
  WriteUnitText(Unit::kEditX, Property::kEditText, "");
  DoubleClickAt(empty.x, empty.y);
  EXPECT_EQ("", ReadUnitText(Unit::kEditX, Property::kEditText));
  EXPECT_EQ(1, RowCount());
  EXPECT_EQ("9", Cell(0, 0));
}

// A "|" of its own in X, Y or the delay would split the saved row into more
// columns than the settings file holds, and the next load would drop it:
// adding or overwriting with one is refused with a box naming the field.
TEST_F(PlanEditing, TheColumnSeparatorInATypedFieldIsRefusedByAddAndEdit) {
  struct Field {
    uint32_t unit;
    const char* name;
  };
  const Field fields[] = {{Unit::kEditX, "坐标X"}, {Unit::kEditY, "坐标Y"}, {Unit::kEditDelay, "延迟"}};
  auto fillFields = [](const char* x, const char* y, const char* delay) {
    WriteUnitText(Unit::kEditX, Property::kEditText, x);
    WriteUnitText(Unit::kEditY, Property::kEditText, y);
    WriteUnitText(Unit::kEditDelay, Property::kEditText, delay);
  };
  ChooseMouseButton(0);
  fillFields("1", "2", "3");
  ClickUnit(Unit::kButtonAdd);
  POINT at = RowPoint(0);
  ClickAt(at.x, at.y);
  ASSERT_EQ(0, SelectedRow());
  auto chooseEdit = [] {
    ASSERT_TRUE(RaiseUnitEvent(Unit::kMainWindow, Unit::kMenuEdit, klv::MenuEntryEvent::kChosen));
  };
  for (const Field& field : fields) {
    SCOPED_TRACE(field.name);
    fillFields("10", "20", "30");
    WriteUnitText(field.unit, Property::kEditText, "1|2");
    for (const auto& action : std::vector<std::function<void()>>{[] { ClickUnit(Unit::kButtonAdd); }, chooseEdit}) {
      const std::vector<BoxCall> boxes = BoxesDuring([&] {
        action();
        Pump(50);
      });
      ASSERT_EQ(1u, boxes.size());
      EXPECT_EQ(std::string(field.name) + "中不能有“|”：配置文件用它分隔各列。计划没有改动。", boxes[0].text);
      EXPECT_EQ("信息：", boxes[0].caption);
      EXPECT_EQ(static_cast<uint32_t>(MB_SYSTEMMODAL | MB_ICONINFORMATION), boxes[0].style);
      ASSERT_EQ(1, RowCount());
      EXPECT_EQ((Row{"1", "2", "3", "左键"}), RowAt(0));
    }
  }
  // A double-byte character whose second byte is 0x7C is no separator.
  const std::string odd = "\x81\x7C";
  fillFields(odd.c_str(), ("5" + odd).c_str(), "6");
  EXPECT_TRUE(BoxesDuring(chooseEdit).empty());
  EXPECT_TRUE(BoxesDuring([] { ClickUnit(Unit::kButtonAdd); }).empty());
  ASSERT_EQ(2, RowCount());
  EXPECT_EQ((Row{odd, "5" + odd, "6", "左键"}), RowAt(0));
  EXPECT_EQ((Row{odd, "5" + odd, "6", "左键"}), RowAt(1));
}

TEST_F(PlanEditing, ChoosingTheClickModeEnablesAndDisablesTheTitleList) {
  EventLog log;
  ClickUnit(Unit::kComboClickMode);       // open the list
  PressKey(VK_DOWN);                      // 后台点击
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([] { return ReadUnit(Unit::kComboWindowTitle, Property::kDisabled) == 0; }));
  EXPECT_EQ("后台点击", ReadUnitText(Unit::kComboClickMode, Property::kComboText));
  ClickUnit(Unit::kComboClickMode);
  PressKey(VK_UP);                        // 前台点击
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([] { return ReadUnit(Unit::kComboWindowTitle, Property::kDisabled) == 1; }));
  std::vector<int32_t> events = log.EventsOf(Unit::kComboClickMode);
  EXPECT_EQ(2, std::count(events.begin(), events.end(), 0));
}

}  // namespace
}  // namespace klvtest
