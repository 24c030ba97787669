// The operator's round trip with real input: a plan built and saved in this
// process's window, then a separate Klikvane.exe started afterwards that
// begins empty and gets plan, mode and title back with a click on 读取.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <memory>
#include <string>

#include "clicker/units.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/remote_block.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;

constexpr DWORD kPatience = 30000;

void ClickUnit(uint32_t unitId, int x, int y) {
  POINT point = ScreenPointOf(unitId, x, y);
  ClickAt(point.x, point.y);
}

// Clicks into a field, removes its text with real keys and types the new
// one (digits, lower-case letters and spaces).
void TypeInto(HWND field, const std::string& text) {
  RECT rect;
  GetWindowRect(field, &rect);
  ClickAt(rect.left + 6, (rect.top + rect.bottom) / 2);
  PressKey(VK_END);
  for (int i = 0; i < 12; ++i) PressKey(VK_BACK);
  for (char c : text) PressKey(c == ' ' ? VK_SPACE : static_cast<WORD>(std::toupper(static_cast<unsigned char>(c))));
}

// Opens a drop-down list with a click and picks an item with the keyboard.
void PickWithKeys(uint32_t comboUnit, WORD key) {
  ClickUnit(comboUnit, 10, 10);
  PressKey(key);
  PressKey(VK_RETURN);
  Pump(100);
}

HWND TitleEditField() { return GetWindow(UnitHandle(Unit::kComboWindowTitle), GW_CHILD); }

using RoundTripTest = SettingsFileTest;

TEST_F(RoundTripTest, APlanSavedHereComesBackInAnotherKlikvaneWithOneClickOnLoad) {
  BringMainWindowToFront();
  // A background file with no rows makes the title field editable.
  WriteFile("[Configuration]\r\n前后台=1\r\n窗口标题=\r\n坐标个数=0\r\n");
  ClickUnit(Unit::kButtonLoad, 20, 12);
  ASSERT_TRUE(PumpUntil([] { return TitleEditField() != nullptr; }));

  PickWithKeys(Unit::kComboClickMode, VK_UP);
  EXPECT_EQ("前台点击", ModeText());
  EXPECT_FALSE(IsWindowEnabled(UnitHandle(Unit::kComboWindowTitle)));
  PickWithKeys(Unit::kComboClickMode, VK_DOWN);
  EXPECT_EQ("后台点击", ModeText());
  ASSERT_TRUE(IsWindowEnabled(UnitHandle(Unit::kComboWindowTitle)));
  TypeInto(TitleEditField(), "notepad 7");
  EXPECT_EQ("notepad 7", TitleText());

  TypeInto(UnitHandle(Unit::kEditX), "120");
  TypeInto(UnitHandle(Unit::kEditY), "340");
  TypeInto(UnitHandle(Unit::kEditDelay), "1000");
  ClickUnit(Unit::kButtonAdd, 20, 12);
  TypeInto(UnitHandle(Unit::kEditX), "15");
  TypeInto(UnitHandle(Unit::kEditY), "60");
  TypeInto(UnitHandle(Unit::kEditDelay), "500");
  PickWithKeys(Unit::kComboMouseButton, VK_DOWN);
  ClickUnit(Unit::kButtonAdd, 20, 12);
  const Plan plan = {{"120", "340", "1000", "左键"}, {"15", "60", "500", "右键"}};
  ASSERT_EQ(plan, CurrentPlan());

  ClickUnit(Unit::kButtonSave, 20, 12);
  const std::string saved = FileBytes();
  ASSERT_EQ(Shown(FreshFile("1", "notepad 7", plan)), Shown(saved));

  // The other program keeps its settings beside Klikvane.exe.
  const std::string otherSettings = BuiltProgramSettings();
  KeptFile keptOther(otherSettings);
  WriteWholeFile(otherSettings, saved);
  ChildProcess child(BuiltProgram(), "");
  ASSERT_TRUE(child.started());
  std::unique_ptr<KlikvaneWindow> found = WaitForOtherKlikvane(child.id(), kPatience);
  ASSERT_NE(nullptr, found);
  const KlikvaneWindow& other = *found;
  ASSERT_NE(nullptr, other.PlanList());
  EXPECT_EQ(0, other.RowCount());
  EXPECT_EQ("前台点击", AskedText(other.ModeBox()));
  EXPECT_FALSE(IsWindowEnabled(other.TitleBox()));

  HWND load = other.LoadButton();
  ASSERT_NE(nullptr, load);
  other.Activate();
  other.ClickOn(load);
  ASSERT_TRUE(PumpUntil([&] { return other.RowCount() == 2; }, kPatience));
  EXPECT_EQ(plan, other.Rows());
  EXPECT_EQ("后台点击", AskedText(other.ModeBox()));
  HWND title = other.TitleBox();
  ASSERT_NE(nullptr, title);
  EXPECT_EQ(CBS_DROPDOWN, GetWindowLongA(title, GWL_STYLE) & 3);
  EXPECT_TRUE(IsWindowEnabled(title));
  EXPECT_EQ("notepad 7", AskedText(title));

  // This process holds the program's hotkeys, so the other one is closed
  // through its window rather than with Control+Q.
  PostMessageA(other.main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(0u, child.Wait(kPatience));
  EXPECT_EQ(saved, ReadWholeFile(otherSettings));  // loading writes nothing
}

}  // namespace
}  // namespace klvtest
