// The real program ended while a run is going: closing the main window ends
// the process cleanly, with no runtime error from the runner.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/klikvane_window.h"
#include "tests/support/program_window.h"

namespace klvtest {
namespace {

// A plan of one row with no delay, in background mode, aimed at a title no
// window has: the runner reads the controls as fast as it can.
const char kSettings[] =
    "[Configuration]\r\n前后台=1\r\n窗口标题=没有这个窗口\r\n坐标个数=1\r\n"
    "[Coordinate]\r\n坐标1=10|10|0|左键\r\n";

// Waits for the program's main window, loads the plan and starts it, as the
// operator's two buttons do; answers the window once the run is going (its
// start button greyed), null when any step failed.
HWND LoadAndStart(DWORD processId) {
  HWND main = WaitForShownWindow(processId, kProgramWindowTitle);
  if (main == nullptr) return nullptr;
  KlikvaneWindow window(main, processId);
  HWND load = window.LoadButton(), start = window.StartButton();
  if (load == nullptr || start == nullptr) return nullptr;
  window.Press(load);
  window.Press(start);
  return window.Running() ? main : nullptr;
}

TEST(ExitDuringRun, ClosingTheWindowWhileRunningEndsTheProgramWithCodeZero) {
  std::string folder = ProgramFolder() + "\\..";
  std::string settings = SettingsFileIn(folder);
  WriteWholeFile(settings, kSettings);
  for (int round = 0; round < 3; ++round) {
    ChildProcess program(folder + "\\Klikvane.exe", "");
    HWND window = LoadAndStart(program.id());
    ASSERT_NE(nullptr, window);
    Sleep(300 + 50 * round);
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = program.Wait(15000);
    if (HWND error = WaitForMessageBox(program.id(), "错误", 0)) {
      ADD_FAILURE() << "runtime error: " << MessageBoxText(error);
      DismissMessageBox(error);
      code = program.Wait(15000);
    }
    EXPECT_EQ(0u, code) << "round " << round;
  }
  DeleteFileA(settings.c_str());
}

// The same program with its pace calls logged: a quit while a run goes on
// gives back the timer resolution the run raised and hands its throttling
// back to the system, each exactly once.
TEST(ExitDuringRun, QuittingWhileRunningGivesBackWhatTheRunAskedOnce) {
  std::string settings = SettingsPathHere();
  std::string log = ProgramFolder() + "\\pace_calls.log";
  WriteWholeFile(settings, kSettings);
  DeleteFileA(log.c_str());
  {
    ChildProcess program(ProgramFolder() + "\\watched_klikvane.exe", "\"" + log + "\"");
    HWND window = LoadAndStart(program.id());
    ASSERT_NE(nullptr, window);
    Sleep(300);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, program.Wait(15000));
  }
  EXPECT_EQ("timeBeginPeriod 1\nSetProcessInformation 5 0\ntimeEndPeriod 1\nSetProcessInformation 0 0\n",
            ReadWholeFile(log));
  DeleteFileA(settings.c_str());
  DeleteFileA(log.c_str());
}

}  // namespace
}  // namespace klvtest
