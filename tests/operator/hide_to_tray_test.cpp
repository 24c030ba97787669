// Hiding and showing the main window: minimise hides it, the tray icon's
// left click toggles it, and a shown window comes out on top, not topmost.
#include <gtest/gtest.h>
#include <windows.h>

#include "clicker/units.h"
#include "controls/tray_icon/shell_notify_seam.h"
#include "runtime/interface/type_properties.h"
#include "runtime/events.h"
#include "runtime/private_messages.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/recording_target.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;

// What the shell sends the tray control's window for a left click on the icon.
void LeftClickOnTrayIcon() {
  PostMessageA(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage, 0, WM_LBUTTONUP);
  ASSERT_TRUE(PumpUntilTaken(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage));
}

bool Topmost() { return (GetWindowLongA(MainWindowHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// True when no visible, non-topmost top-level window lies above the main window.
bool OnTopOfTheNormalWindows() {
  for (HWND w = GetWindow(MainWindowHandle(), GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (IsWindowVisible(w) && !(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST)) return false;
  }
  return true;
}

TEST(WindowCommands, MinimisingHidesAndTheTrayBringsTheWindowBackOnTop) {
  BringMainWindowToFront();
  ShowWindow(MainWindowHandle(), SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([] { return !IsWindowVisible(MainWindowHandle()); }));
  ClickTarget other("在上面的窗口", 300, 200, 300, 200);
  ASSERT_TRUE(other.ready());
  Pump(200);
  LeftClickOnTrayIcon();
  ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(MainWindowHandle()) != FALSE; }));
  EXPECT_FALSE(IsIconic(MainWindowHandle()));  // back as it was, not a taskbar button
  EXPECT_FALSE(Topmost());
  EXPECT_TRUE(OnTopOfTheNormalWindows());
}

// The shell refuses every new icon; the rest goes to it as usual.
BOOL RefuseAdds(DWORD message, NOTIFYICONDATAW* data) {
  return message == NIM_ADD ? FALSE : Shell_NotifyIconW(message, data);
}

bool TrayInNotificationArea() { return ReadUnit(Unit::kTray, Property::kTrayInNotificationArea) != 0; }

// Hidden without the icon in the notification area, the window could not be
// brought back: minimising then leaves a taskbar button, until the shell
// takes the icon again (the taskbar made anew).
TEST(WindowCommands, WithoutTheTrayIconMinimisingLeavesTheWindowOnTheTaskbar) {
  BringMainWindowToFront();
  const int shown = Property::TypeProperty(klv::TrayIconProperty::kShown);
  klv::SetShellNotifyFunction(&RefuseAdds);
  WriteUnit(Unit::kTray, shown, 0);
  WriteUnit(Unit::kTray, shown, 1);  // the add is refused
  ASSERT_FALSE(TrayInNotificationArea());
  ShowWindow(MainWindowHandle(), SW_MINIMIZE);
  Pump(300);
  EXPECT_TRUE(IsIconic(MainWindowHandle()));
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  ShowWindow(MainWindowHandle(), SW_RESTORE);
  klv::SetShellNotifyFunction(nullptr);
  PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  ASSERT_TRUE(PumpUntil(TrayInNotificationArea));
  ShowWindow(MainWindowHandle(), SW_MINIMIZE);
  EXPECT_TRUE(PumpUntil([] { return !IsWindowVisible(MainWindowHandle()); }));
  LeftClickOnTrayIcon();
  EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(MainWindowHandle()) != FALSE; }));
}

TEST(WindowCommands, TheTrayToggleHidesAShownWindowMinimisedOrNot) {
  BringMainWindowToFront();
  LeftClickOnTrayIcon();
  EXPECT_FALSE(IsWindowVisible(MainWindowHandle()));
  LeftClickOnTrayIcon();
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  EXPECT_FALSE(Topmost());
  // The right button's release pops up the functions' menu, dismissed here;
  // other mouse messages on the icon do nothing to the window.
  std::vector<std::string> menu;
  std::thread dismisser = ReadAndChoosePopupEntryLater(0, &menu);
  PostMessageA(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage, 0, WM_RBUTTONUP);
  ASSERT_TRUE(PumpUntilTaken(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage));
  dismisser.join();
  EXPECT_FALSE(menu.empty());
  PostMessageA(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage, 0, WM_MOUSEMOVE);
  PostMessageA(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage, 0, 0x12345);
  ASSERT_TRUE(PumpUntilTaken(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage));
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
}

TEST(WindowCommands, TheHiddenShowEntryShowsAndRaisesButNeverHides) {
  BringMainWindowToFront();
  ASSERT_TRUE(RaiseUnitEvent(Unit::kMainWindow, Unit::kMenuShow, klv::MenuEntryEvent::kChosen));
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  WriteUnit(Unit::kMainWindowOwn, Property::kVisible, 0);
  ASSERT_TRUE(RaiseUnitEvent(Unit::kMainWindow, Unit::kMenuShow, klv::MenuEntryEvent::kChosen));
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  EXPECT_FALSE(Topmost());
}

}  // namespace
}  // namespace klvtest
