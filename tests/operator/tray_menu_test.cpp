// The functions' menu: popped up by a right click on the tray icon and
// offered in the system menu; "显示" and "选项…" chosen from it, and the
// options window it opens, owned by the main window, one at a time, closed
// by its button and by Escape with every hotkey in force again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "clicker/units.h"
#include "runtime/private_messages.h"
#include "runtime/window_registry.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
namespace Options = klv::OptionsWindowUnit;

const std::vector<std::string> kFunctions = {"显示", "选项…", "打开配置…", "配置另存为…", "退出"};
constexpr int kShowEntry = 1, kOptionsEntry = 2;

// Pops the menu up as the shell's right-button release on the icon does,
// and has it read and answered from another thread (0: dismissed).
std::vector<std::string> ChooseFromTrayMenu(int entry) {
  std::vector<std::string> seen;
  std::thread chooser = ReadAndChoosePopupEntryLater(entry, &seen);
  PostMessageA(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage, 0, WM_RBUTTONUP);
  PumpUntilTaken(UnitHandle(Unit::kTray), klv::kTrayCallbackMessage);
  chooser.join();
  Pump(200);
  return seen;
}

BOOL CALLBACK CountOwned(HWND window, LPARAM count) {
  if (GetWindow(window, GW_OWNER) == MainWindowHandle() && IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int OwnedWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountOwned, reinterpret_cast<LPARAM>(&count));
  return count;
}

HWND OptionsWindow() { return UnitHandle(0, Options::kOptionsWindow); }
bool OptionsWindowShown() { return OptionsWindow() != nullptr && IsWindowVisible(OptionsWindow()); }

// The program holds a combination when the system refuses it to this process.
bool ProgramHolds(UINT key) {
  if (!RegisterHotKey(nullptr, 0x7F00, 0, key)) return true;
  UnregisterHotKey(nullptr, 0x7F00);
  return false;
}

TEST(FunctionsMenu, ARightClickOnTheTrayIconPopsUpTheFunctionsAndEscapeLeavesTheWindowAsItWas) {
  BringMainWindowToFront();
  EXPECT_EQ(kFunctions, ChooseFromTrayMenu(0));
  EXPECT_TRUE(IsWindowVisible(MainWindowHandle()));
  EXPECT_EQ(0, OwnedWindows());
}

TEST(FunctionsMenu, ShowBringsAHiddenWindowBack) {
  WriteUnit(Unit::kMainWindowOwn, Property::kVisible, 0);
  ASSERT_FALSE(IsWindowVisible(MainWindowHandle()));
  ChooseFromTrayMenu(kShowEntry);
  EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(MainWindowHandle()) != FALSE; }));
}

// Whether the runtime has read a window's record yet (looking does not read it).
bool Described(uint32_t windowId) {
  for (const auto& window : klv::AllWindowDescriptions()) {
    if (window->windowId == windowId) return window->described;
  }
  return false;
}

// The options window's record is read when the window is first opened (no
// test before this one opens it).
TEST(FunctionsMenu, OptionsTwiceGiveOneWindowOwnedByTheMainWindowAndItsButtonClosesIt) {
  BringMainWindowToFront();
  EXPECT_TRUE(Described(klv::MainWindowUnit::kMainWindow));
  EXPECT_FALSE(Described(Options::kOptionsWindow));
  ChooseFromTrayMenu(kOptionsEntry);
  ASSERT_TRUE(PumpUntil(OptionsWindowShown));
  const HWND first = OptionsWindow();
  ChooseFromTrayMenu(kOptionsEntry);
  EXPECT_EQ(first, OptionsWindow());
  EXPECT_EQ(1, OwnedWindows());
  EXPECT_EQ(MainWindowHandle(), GetWindow(first, GW_OWNER));
  SendMessageA(UnitHandle(Options::kButtonClose, Options::kOptionsWindow), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([] { return OptionsWindow() == nullptr; }));
  EXPECT_TRUE(IsWindow(MainWindowHandle()));
  EXPECT_EQ(0, OwnedWindows());
}

// The same entries, "显示" left out, follow a separator at the end of the
// system menu, and choosing one runs its command. Escape typed into a
// hotkey box closes the window, and the hotkeys withdrawn while the box had
// the focus are in force again.
TEST(FunctionsMenu, TheSystemMenuOffersTheFunctionsAndEscapeClosesTheOptions) {
  BringMainWindowToFront();
  ASSERT_TRUE(ProgramHolds(VK_F6));
  HMENU system = GetSystemMenu(MainWindowHandle(), FALSE);
  const std::vector<std::string> entries = MenuEntryTexts(system);
  ASSERT_GE(entries.size(), 5u);
  const std::vector<std::string> last(entries.end() - 5, entries.end());
  EXPECT_EQ(std::vector<std::string>({"-", "选项…", "打开配置…", "配置另存为…", "退出"}), last);
  const UINT options = GetMenuItemID(system, GetMenuItemCount(system) - 4);
  PostMessageA(MainWindowHandle(), WM_SYSCOMMAND, options, 0);
  ASSERT_TRUE(PumpUntil(OptionsWindowShown));

  SetForegroundWindow(OptionsWindow());
  SetFocus(UnitHandle(Options::kHotkeyBoxes[0], Options::kOptionsWindow));
  Pump(100);
  EXPECT_FALSE(ProgramHolds(VK_F6));  // withdrawn while a box has the focus
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([] { return OptionsWindow() == nullptr; }));
  EXPECT_TRUE(ProgramHolds(VK_F6));
  EXPECT_TRUE(ProgramHolds(VK_F7));
  EXPECT_EQ("开始/F6", ReadUnitText(Unit::kButtonStart, Property::TypeProperty(klv::ButtonProperty::kCaption)));
}

}  // namespace
}  // namespace klvtest
