// Start-up facts a program on the runtime can see: the program directory
// made current, HostNotify's directory and file name, the component layer
// started, and the start window that cannot load without a window template.
#include <gtest/gtest.h>

#include "tests/runtime/expected_logs.h"
#include "tests/runtime/runtime_child_run.h"
#include "tests/support/child_process.h"

namespace {

using klvtest::ChildLog;
using klvtest::kErrorExitCode;
using klvtest::ProgramFolder;
using klvtest::RunRuntimeChild;
using klvtest::ShutdownNotified;
using Lines = std::vector<std::string>;

// Makes another folder current for as long as it lives; children inherit it.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder) {
    GetCurrentDirectoryA(sizeof saved_, saved_);
    CreateDirectoryA(folder.c_str(), nullptr);
    changed_ = SetCurrentDirectoryA(folder.c_str()) != FALSE;
  }
  ~CurrentFolder() { SetCurrentDirectoryA(saved_); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;
  bool changed() const { return changed_; }

 private:
  char saved_[MAX_PATH * 2] = "";
  bool changed_ = false;
};

TEST(RuntimeStartup, MakesTheProgramDirectoryCurrentAndAnswersItWithoutTrailingBackslash) {
  const std::string elsewhere = klvtest::TempPath("elsewhere");
  klvtest::ChildRun run;
  {
    CurrentFolder current(elsewhere);
    ASSERT_TRUE(current.changed());
    run = RunRuntimeChild("hook", "facts");
  }
  RemoveDirectoryA(elsewhere.c_str());
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_EQ((Lines{"start", "cwd-before=" + elsewhere, "library notify 1 thread=main host-notify=yes suppression=0",
                   "initialised", "action facts", "cwd=" + ProgramFolder(), "program-directory=" + ProgramFolder(),
                   "program-file=runtime_child.exe", "ole-initialised=yes", "start routine returns",
                   "exit-hook thread=main suppression=1", ShutdownNotified(1)}),
            run.log);
}

TEST(RuntimeStartup, WithoutWindowTemplateTheStartWindowFailsToLoad) {
  klvtest::ChildRun run = RunRuntimeChild("box", "start-window");
  ASSERT_TRUE(run.boxShown);
  EXPECT_EQ(klvtest::MessageOnlyReport("载入启动窗口失败"), run.boxText);
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("start-window", {ShutdownNotified(2)}), run.log);
}

}  // namespace
