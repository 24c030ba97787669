// Property access and events against the real loaded main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <thread>

#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/commands/libraries.h"
#include "runtime/app_runtime.h"
#include "runtime/events.h"
#include "runtime/interface/property_indices.h"
#include "runtime/runtime_errors.h"
#include "tests/support/event_sequence.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
namespace Common = klv::CommonProperty;
namespace Menu = klv::MenuEntryProperty;

constexpr uint32_t kLabel1 = 0x16015007;

int32_t Signed(uint64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

TEST(CommonProperties, GeometryWritesAreClampedAndMoveTheLiveControl) {
  WriteUnit(kLabel1, Common::kWidth, 40000);
  EXPECT_EQ(32627, Signed(ReadUnit(kLabel1, Common::kWidth)));
  WriteUnit(kLabel1, Common::kHeight, static_cast<uint32_t>(-5));
  EXPECT_EQ(0, Signed(ReadUnit(kLabel1, Common::kHeight)));
  WriteUnit(kLabel1, Common::kLeft, static_cast<uint32_t>(-40000));
  EXPECT_EQ(-32627, Signed(ReadUnit(kLabel1, Common::kLeft)));
  WriteUnit(kLabel1, Common::kLeft, 72);
  WriteUnit(kLabel1, Common::kTop, static_cast<uint32_t>(-24));
  WriteUnit(kLabel1, Common::kWidth, 80);
  WriteUnit(kLabel1, Common::kHeight, 24);
  RECT rect;
  GetWindowRect(UnitHandle(kLabel1), &rect);
  MapWindowPoints(HWND_DESKTOP, MainWindowHandle(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(72, rect.left);
  EXPECT_EQ(-24, rect.top);
  EXPECT_EQ(80, rect.right - rect.left);
  EXPECT_EQ(24, rect.bottom - rect.top);
}

TEST(CommonProperties, MovingADropDownListKeepsItsRoom) {
  HWND combo = UnitHandle(Unit::kComboClickMode);
  RECT before, after;
  SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&before));
  WriteUnit(Unit::kComboClickMode, Common::kLeft, 12);
  WriteUnit(Unit::kComboClickMode, Common::kLeft, 9);
  SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&after));
  EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
  EXPECT_EQ(9, Signed(ReadUnit(Unit::kComboClickMode, Common::kLeft)));
}

TEST(CommonProperties, TagVisibleAndDisabled) {
  EXPECT_EQ("", ReadUnitText(kLabel1, Common::kTag));
  WriteUnitText(kLabel1, Common::kTag, "标记");
  EXPECT_EQ("标记", ReadUnitText(kLabel1, Common::kTag));
  WriteUnit(kLabel1, Common::kVisible, 0);
  EXPECT_EQ(0u, ReadUnit(kLabel1, Common::kVisible));
  EXPECT_FALSE(IsWindowVisible(UnitHandle(kLabel1)));
  WriteUnit(kLabel1, Common::kVisible, 1);
  EXPECT_EQ(1u, ReadUnit(kLabel1, Common::kVisible));
  WriteUnit(Unit::kButtonDebug, Common::kDisabled, 1);
  EXPECT_FALSE(IsWindowEnabled(UnitHandle(Unit::kButtonDebug)));
  EXPECT_EQ(1u, ReadUnit(Unit::kButtonDebug, Common::kDisabled));
  WriteUnit(Unit::kButtonDebug, Common::kDisabled, 0);
  EXPECT_TRUE(IsWindowEnabled(UnitHandle(Unit::kButtonDebug)));
}

TEST(MenuProperties, CaptionAndFlagsOfAnEntry) {
  EXPECT_EQ("编辑", ReadUnitText(Unit::kMenuEdit, Menu::kCaption));
  EXPECT_EQ(1u, ReadUnit(Unit::kMenuEdit, Menu::kVisible));
  EXPECT_EQ(0u, ReadUnit(Unit::kMenuOperations, Menu::kVisible));  // the top-level entry is hidden
  WriteUnit(Unit::kMenuEdit, Menu::kChecked, 1);
  EXPECT_EQ(1u, ReadUnit(Unit::kMenuEdit, Menu::kChecked));
  WriteUnit(Unit::kMenuEdit, Menu::kChecked, 0);
  EXPECT_EQ(0u, ReadUnit(Unit::kMenuEdit, Menu::kChecked));
  EXPECT_EQ(nullptr, GetMenu(MainWindowHandle()));  // still no menu bar
}

TEST(Events, AnEventWithoutHandlerIsNotDispatched) {
  klv::EventNotice notice = {0x52010001, kLabel1, 0, 0, {0, 0, 0, 0, 0}, 0, 0};
  EXPECT_FALSE(klv::DispatchEvent(&notice));
  notice.unitId = Unit::kButtonAdd;
  notice.event = klv::CommonEvent::kDoubleClick;  // a button has no handler for it
  EXPECT_FALSE(klv::DispatchEvent(&notice));
  EXPECT_EQ(0u, notice.hasResult);
}

TEST(Events, NoHandlerRunsWhileEventsAreSuppressed) {
  // A runtime error raises the suppression count before its box shows; while
  // it is raised no handler runs (here: Add would append a row).
  const klv::EventSuppressionScope suppressed;
  klv::EventNotice notice = {0x52010001, Unit::kButtonAdd, 0, 0, {0, 0, 0, 0, 0}, 0, 0};
  EXPECT_FALSE(klv::DispatchEvent(&notice));
}

TEST(WindowProperties, MinimisingRaisesPositionChangedAndTheHandlerHides) {
  BringMainWindowToFront();
  EventLog log;
  ShowWindow(MainWindowHandle(), SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([] { return !IsWindowVisible(MainWindowHandle()); }));
  std::vector<int32_t> events = log.EventsOf(Unit::kMainWindowOwn);
  EXPECT_NE(events.end(), std::find(events.begin(), events.end(), klv::WindowEvent::kMoved));
  // Shown again through the visible property, raised and not left on top.
  WriteUnit(Unit::kMainWindowOwn, Common::kVisible, 1);
  ShowWindow(MainWindowHandle(), SW_RESTORE);
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  EXPECT_EQ(0u, ReadUnit(Unit::kMainWindowOwn, Property::kWindowState));
}

TEST(WindowProperties, AlwaysOnTopOnThenOffLeavesTheWindowNotTopmost) {
  WriteUnit(Unit::kMainWindowOwn, Property::kAlwaysOnTop, 1);
  EXPECT_TRUE(GetWindowLongA(MainWindowHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  WriteUnit(Unit::kMainWindowOwn, Property::kAlwaysOnTop, 0);
  EXPECT_FALSE(GetWindowLongA(MainWindowHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(0u, ReadUnit(Unit::kMainWindowOwn, Property::kAlwaysOnTop));
}

TEST(WindowProperties, WindowStateWritesClampAndAct) {
  BringMainWindowToFront();
  WriteUnit(Unit::kMainWindowOwn, Property::kWindowState, 2);  // minimise: the program then hides the window
  ASSERT_TRUE(PumpUntil([] { return !IsWindowVisible(MainWindowHandle()); }));
  ShowWindow(MainWindowHandle(), SW_RESTORE);
  Pump(100);
  WriteUnit(Unit::kMainWindowOwn, Property::kWindowState, 1);  // restore and centre
  RECT rect;
  GetWindowRect(MainWindowHandle(), &rect);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 290) / 2, rect.left);
  EXPECT_EQ(0u, ReadUnit(Unit::kMainWindowOwn, Property::kWindowState));
}

TEST(PopupMenu, ShowsTheChildrenOfOperationsAndChoosingOneRaisesItsEventOnce) {
  BringMainWindowToFront();
  EventLog log;
  ChoosePopupEntryLater(2);  // 删除, 编辑: the second entry
  klv::CommandArgument arguments[2] = {{Unit::kMainWindow, 0, 0x00010001}, {Unit::kMainWindow, Unit::kMenuOperations, 0x00010003}};
  klv::SupportTable().CallCoreCommand(klv::kCoreCommands[klv::core::kPopupMenu], 2, arguments);
  PumpUntil([&log] { return !log.EventsOf(Unit::kMenuEdit).empty(); });
  // The second entry chosen: its chosen event, once.
  const EventSequence chosenOnce = {{klv::MenuEntryEvent::kChosen}};
  EXPECT_TRUE(EventsFollow(log.entries(), chosenOnce, Unit::kMenuEdit));  // 编辑
  EXPECT_TRUE(log.EventsOf(Unit::kMenuDelete).empty());
  EXPECT_TRUE(log.EventsOf(Unit::kMenuRunStep).empty());
}

}  // namespace
}  // namespace klvtest
