// What the main window's creation handler leaves behind, read after the
// in-process Klikvane loaded its window: the settings path beside the
// program, the four hotkeys on the main window with its procedure replaced,
// and a title list built before the window was shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "clicker/globals.h"
#include "clicker/units.h"
#include "clicker/window_list.h"
#include "tests/pointing/klikvane_state.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/program_window.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;
constexpr UINT kControl = MOD_CONTROL;

TEST(CreationHandler, PlacesTheSettingsPathBesideTheProgram) {
  ASSERT_NE(nullptr, klv::clicker::Globals().settingsPath);
  EXPECT_EQ(SettingsPathHere(), klv::clicker::Globals().settingsPath);
}

TEST(CreationHandler, RegistersTheFourProgramKeysOnTheMainWindowAndReplacesItsProcedure) {
  ASSERT_GE(HotkeyRecordCount(), 4u);
  const char* expected[4] = {"hqzb", "Quit", "zxks", "zxtz"};
  for (uint32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(expected[i], IdentifierOf(i)) << i;
    EXPECT_EQ(MainWindowHandle(), WindowOf(i)) << i;
    EXPECT_NE(0u, HotkeyRecordAt(i).callback) << i;
  }
  // Hooked through the wide function: the window stays a Unicode window.
  EXPECT_EQ(HotkeyProcedure(), GetWindowLongPtrW(MainWindowHandle(), GWLP_WNDPROC));
  EXPECT_TRUE(IsWindowUnicode(MainWindowHandle()));
  EXPECT_NE(0u, klv::clicker::Globals().previousWindowProc);
  EXPECT_NE(static_cast<uint32_t>(HotkeyProcedure()), klv::clicker::Globals().previousWindowProc);
  // The system holds the four combinations for the program.
  EXPECT_FALSE(KeyIsFree(kControl, '1'));
  EXPECT_FALSE(KeyIsFree(kControl, 'Q'));
  EXPECT_FALSE(KeyIsFree(0, VK_F6));
  EXPECT_FALSE(KeyIsFree(0, VK_F7));
  EXPECT_TRUE(KeyIsFree(0, VK_F1));
}

TEST(CreationHandler, ListsTitlesWithoutTheProgramsOwnWindowWhichIsListedOnceShown) {
  EXPECT_EQ(0, ItemsFor(CreationTimeTitles(), MainWindowHandle())) << Describe(CreationTimeTitles());
  for (const ComboItem& item : CreationTimeTitles()) EXPECT_NE("Klikvane", item.text);
  ASSERT_TRUE(IsWindowVisible(MainWindowHandle()));
  klv::clicker::RefreshWindowTitles();
  std::vector<ComboItem> now = ComboItems(UnitHandle(Unit::kComboWindowTitle));
  EXPECT_EQ(1, std::count(now.begin(), now.end(), ComboItem{"Klikvane", reinterpret_cast<uintptr_t>(MainWindowHandle())}))
      << Describe(now);
}

}  // namespace
}  // namespace klvtest
