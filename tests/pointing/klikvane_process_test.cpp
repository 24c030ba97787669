// The real Klikvane.exe as a child process (a copy in a folder of its own):
// Control+Q ends it with code 0 through its exit routine; with F6 taken by
// another program first, only F6 is dead and no box shows; a fresh start
// shows an empty plan, and the settings file lies beside the program
// whatever the current directory was.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "tests/pointing/helper_process.h"
#include "tests/pointing/klikvane_process.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/child_process.h"
#include "tests/support/debugged_klikvane.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/klikvane_window.h"

namespace klvtest {
namespace {

TEST_F(KlikvaneProcess, ControlQEndsTheProgramWithCodeZeroThroughItsExitRoutine) {
  HWND main = Start("pointing_quit", "");
  ASSERT_TRUE(klikvane_->started());
  ASSERT_TRUE(klikvane_->exitRoutineMarked()) << klikvane_->problem();
  ASSERT_NE(nullptr, main);
  KlikvaneWindow other(main, klikvane_->id());
  other.ClickInto();
  PressKey('Q', true);
  EXPECT_EQ(0u, klikvane_->WaitForExit());
  EXPECT_EQ(1, klikvane_->exitRoutineEntries());
  EXPECT_TRUE(klikvane_->exitRoutineOnMainThread());
}

TEST_F(KlikvaneProcess, WithFSixTakenBeforeStartOnlyFSixIsDeadAndNoBoxShows) {
  std::unique_ptr<HelperProcess> holder = HelperProcess::HoldHotkey(0, VK_F6);
  ASSERT_TRUE(holder->holdsHotkey());
  HWND main = Start("pointing_f6", kHarmlessSettings);
  ASSERT_NE(nullptr, main);
  KlikvaneWindow other(main, klikvane_->id());
  ASSERT_EQ("开始", TextOf(other.StartButton()));  // F6 is not in force
  ASSERT_EQ("停止/F7", TextOf(other.StopButton()));
  ASSERT_EQ("读取", TextOf(other.LoadButton()));

  // Active first: a click that has to activate a window of another process
  // was once lost under a full suite's load.
  other.ClickInto();
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main; }));
  other.ClickOn(other.LoadButton());
  ASSERT_TRUE(PumpUntil([&] { return other.RowCount() == 1; }));
  PressKey(VK_F6);  // reaches the other program, not Klikvane
  ASSERT_TRUE(PumpUntil([&] { return holder->HotkeysReceived() == 1; }));
  Pump(300);
  EXPECT_TRUE(Enabled(other.StartButton()));

  other.ClickOn(other.StartButton());  // the button still starts the run
  ASSERT_TRUE(PumpUntil([&] { return !Enabled(other.StartButton()); }));
  PressKey(VK_F7);
  EXPECT_TRUE(PumpUntil([&] { return Enabled(other.StartButton()); }));

  MoveCursor(700, 650);
  PressKey('1', true);
  EXPECT_TRUE(PumpUntil([&] { return TextOf(other.ScreenYLabel()) != ""; }));
  EXPECT_EQ("700", TextOf(other.ScreenXLabel()));
  EXPECT_EQ("650", TextOf(other.ScreenYLabel()));

  EXPECT_FALSE(MessageBoxShown(klikvane_->id()));
  PressKey('Q', true);
  EXPECT_EQ(0u, klikvane_->WaitForExit());
  EXPECT_EQ(1, klikvane_->exitRoutineEntries());
  EXPECT_EQ(1, holder->HotkeysReceived());
}

TEST_F(KlikvaneProcess, AFreshStartShowsAnEmptyPlanAndTheSettingsFileLiesBesideTheProgram) {
  ProgramFolderCopy elsewhere("pointing_elsewhere", false);  // the current directory at start
  const std::string decoy =
      "[Configuration]\r\n前后台=0\r\n窗口标题=\r\n坐标个数=2\r\n[Coordinate]\r\n坐标1=1|1|1|右键\r\n坐标2=2|2|2|右键\r\n";
  WriteWholeFile(elsewhere.settingsFile(), decoy);
  HWND main = Start("pointing_app", kHarmlessSettings, elsewhere.folder());
  ASSERT_NE(nullptr, main);
  KlikvaneWindow other(main, klikvane_->id());
  ASSERT_EQ("保存", TextOf(other.SaveButton()));
  Pump(300);
  EXPECT_EQ(0, other.RowCount());

  other.ClickOn(other.LoadButton());
  ASSERT_TRUE(PumpUntil([&] { return other.RowCount() == 1; }));
  DeleteFileA(app_->settingsFile().c_str());
  other.ClickOn(other.SaveButton());
  PumpUntil([&] { return ReadWholeFile(app_->settingsFile()) == kHarmlessSettings; });
  EXPECT_EQ(kHarmlessSettings, ReadWholeFile(app_->settingsFile()));
  EXPECT_EQ(decoy, ReadWholeFile(elsewhere.settingsFile()));
  EXPECT_FALSE(MessageBoxShown(klikvane_->id()));
}

}  // namespace
}  // namespace klvtest
