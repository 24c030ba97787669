// The operator's own hotkeys in the real Klikvane.exe, with keys pressed for
// real: a start key typed into the options window starts runs at once and
// after a restart, the old key no longer does, the buttons name the keys in
// force, "恢复默认" brings the defaults back, a key another program holds is
// refused and named, and a preferences file with bad values gives the
// defaults.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "image/main_window_units.h"
#include "tests/pointing/helper_process.h"
#include "tests/pointing/klikvane_process.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

namespace Options = klv::OptionsWindowUnit;

constexpr int kStart = 0, kStop = 1, kCapture = 2, kQuit = 3;
const std::string kDefaultPreferences = "[Hotkeys]\r\n开始=117,0\r\n停止=118,0\r\n取坐标=49,2\r\n退出=81,2\r\n";
const std::string kStartOnF9 = "[Hotkeys]\r\n开始=120,0\r\n停止=118,0\r\n取坐标=49,2\r\n退出=81,2\r\n";

class ChosenHotkeys : public KlikvaneProcess {
 protected:
  HWND StartWithPlan(const std::string& folder, const std::string& preferences = "") {
    Prepare(folder, kHarmlessSettings);
    if (!preferences.empty()) WriteWholeFile(PreferencesFile(), preferences);
    return Started(Launch());
  }
  HWND Started(HWND main) {
    if (main == nullptr) return nullptr;
    window_ = std::make_unique<KlikvaneWindow>(main, klikvane_->id());
    window_->ClickInto();
    window_->ClickOn(window_->LoadButton());
    PumpUntil([this] { return window_->RowCount() == 1; });
    return main;
  }
  std::string PreferencesFile() const { return app_->folder() + "\\Klikvane.ini"; }

  // The key pressed with the window active starts a run (then stopped with
  // the stop button); false when no run started.
  bool KeyStartsARun(WORD key) {
    window_->PressHotkey(key);
    if (!PumpUntil([this] { return window_->Running(); }, 1500)) return false;
    window_->Press(window_->StopButton());
    return PumpUntil([this] { return !window_->Running(); });
  }
  // A key typed into a hotkey box, as the operator types it: a click into
  // the box, the key, and a click on the close button.
  void TypeIntoBox(int box, WORD key) {
    HWND target = window_->OptionsUnit(Options::kHotkeyBoxes[box]);
    RECT r;
    GetWindowRect(target, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Pump(200);
    PressKey(key);
    Pump(200);
  }
  void CloseOptions() {
    window_->Press(window_->OptionsUnit(Options::kButtonClose));
    PumpUntil([this] { return ShownOptionsWindow(window_->main()) == nullptr; });
  }
  // A combination set as only a program can set a held one: the control's
  // own message, then its change notification to its parent.
  void SetBox(int box, WORD key, BYTE controlFlags) {
    HWND target = window_->OptionsUnit(Options::kHotkeyBoxes[box]);
    SendMessageA(target, HKM_SETHOTKEY, MAKEWORD(key, controlFlags), 0);
    SendMessageA(GetParent(target), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), EN_CHANGE),
                 reinterpret_cast<LPARAM>(target));
    Pump(200);
  }
  WORD BoxShows(int box) {
    return static_cast<WORD>(SendMessageA(window_->OptionsUnit(Options::kHotkeyBoxes[box]), HKM_GETHOTKEY, 0, 0));
  }
  std::string Refusal(int box) { return TextOf(window_->OptionsUnit(Options::kRefusalLabels[box])); }

  std::unique_ptr<KlikvaneWindow> window_;
};

TEST_F(ChosenHotkeys, AStartKeyTypedInAppliesAtOnceAndAfterARestartAndTheDefaultsComeBack) {
  ASSERT_NE(nullptr, StartWithPlan("hotkeys_chosen"));
  ASSERT_NE(nullptr, window_->OpenOptions());
  EXPECT_EQ(VK_F6, BoxShows(kStart));
  TypeIntoBox(kStart, VK_F9);
  EXPECT_EQ(VK_F9, BoxShows(kStart));
  CloseOptions();
  EXPECT_EQ("开始/F9", TextOf(window_->StartButton()));
  EXPECT_EQ("停止/F7", TextOf(window_->StopButton()));
  EXPECT_EQ(kStartOnF9, ReadWholeFile(PreferencesFile()));
  EXPECT_FALSE(KeyStartsARun(VK_F6));
  EXPECT_TRUE(KeyStartsARun(VK_F9));

  PostMessageA(window_->main(), WM_CLOSE, 0, 0);
  ASSERT_EQ(0u, klikvane_->WaitForExit());
  ASSERT_NE(nullptr, Started(Launch()));
  EXPECT_EQ("开始/F9", TextOf(window_->StartButton()));
  EXPECT_TRUE(KeyStartsARun(VK_F9));

  ASSERT_NE(nullptr, window_->OpenOptions());
  window_->Press(window_->OptionsUnit(Options::kButtonDefaults));
  Pump(200);
  EXPECT_EQ(VK_F6, BoxShows(kStart));
  CloseOptions();
  EXPECT_EQ("开始/F6", TextOf(window_->StartButton()));
  EXPECT_EQ(kDefaultPreferences, ReadWholeFile(PreferencesFile()));
  EXPECT_TRUE(KeyStartsARun(VK_F6));
  EXPECT_FALSE(KeyStartsARun(VK_F9));
}

// F10 is another program's, Control+Q the program's own quit key: both are
// refused and named, the box shows F6 again, and F6 still starts.
TEST_F(ChosenHotkeys, AKeyHeldElsewhereIsRefusedAndNamedAndTheOldKeyStays) {
  std::unique_ptr<HelperProcess> holder = HelperProcess::HoldHotkey(0, VK_F10);
  ASSERT_TRUE(holder->holdsHotkey());
  ASSERT_NE(nullptr, StartWithPlan("hotkeys_refused"));
  ASSERT_NE(nullptr, window_->OpenOptions());
  EXPECT_EQ("", Refusal(kStart));
  SetBox(kStart, VK_F10, 0);
  EXPECT_EQ("已被占用", Refusal(kStart));
  EXPECT_EQ(VK_F6, BoxShows(kStart));
  SetBox(kStart, 'Q', HOTKEYF_CONTROL);
  EXPECT_EQ("已被占用", Refusal(kStart));
  EXPECT_EQ(VK_F6, BoxShows(kStart));
  CloseOptions();
  EXPECT_EQ("开始/F6", TextOf(window_->StartButton()));
  EXPECT_TRUE(KeyStartsARun(VK_F6));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PreferencesFile().c_str()));  // nothing changed, nothing written
}

// Values that do not read give the defaults; F6, held at start-up, is named
// refused, and the start button shows no key.
TEST_F(ChosenHotkeys, BadPreferencesGiveTheDefaultsAndAKeyHeldAtStartIsNamed) {
  std::unique_ptr<HelperProcess> holder = HelperProcess::HoldHotkey(0, VK_F6);
  ASSERT_TRUE(holder->holdsHotkey());
  ASSERT_NE(nullptr, StartWithPlan("hotkeys_bad", "[Hotkeys]\r\n开始=F9\r\n停止=300,0\r\n取坐标=49,99\r\n退出=16,0\r\n"));
  EXPECT_EQ("开始", TextOf(window_->StartButton()));
  EXPECT_EQ("停止/F7", TextOf(window_->StopButton()));
  ASSERT_NE(nullptr, window_->OpenOptions());
  EXPECT_EQ(VK_F6, BoxShows(kStart));
  EXPECT_EQ(VK_F7, BoxShows(kStop));
  EXPECT_EQ(MAKEWORD('1', HOTKEYF_CONTROL), BoxShows(kCapture));
  EXPECT_EQ(MAKEWORD('Q', HOTKEYF_CONTROL), BoxShows(kQuit));
  EXPECT_EQ("已被占用", Refusal(kStart));
  EXPECT_EQ("", Refusal(kStop));
  CloseOptions();
  EXPECT_FALSE(KeyStartsARun(VK_F6));
}

TEST_F(ChosenHotkeys, QuitFromTheTrayMenuEndsTheProgramWithCodeZero) {
  ASSERT_NE(nullptr, StartWithPlan("hotkeys_quit"));
  ASSERT_TRUE(window_->ChooseFromTrayMenu(5));
  EXPECT_EQ(0u, klikvane_->WaitForExit());
  EXPECT_EQ(1, klikvane_->exitRoutineEntries());
}

}  // namespace
}  // namespace klvtest
