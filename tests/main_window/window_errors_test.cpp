// The runtime errors of property access and event lookup, seen in a child
// process with Klikvane's own image (each ends the process with -1).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/child_process.h"

namespace klvtest {
namespace {

struct Outcome {
  DWORD exitCode;
  std::string report;
};

Outcome RunCase(const char* which) {
  std::string report = TempPath(std::string("window_error_") + which + ".txt");
  DeleteFileA(report.c_str());
  ChildProcess child("window_error_child.exe", "\"" + report + "\" " + which);
  EXPECT_TRUE(child.started());
  Outcome outcome = {child.Wait(30000), ReadWholeFile(report)};
  DeleteFileA(report.c_str());
  return outcome;
}

TEST(WindowErrors, ReadingFromAWindowNeverLoaded) {
  Outcome o = RunCase("never-loaded");
  EXPECT_EQ(0xFFFFFFFFu, o.exitCode);
  EXPECT_EQ("error 0 " + HexBytes("未载入欲访问窗口组件所在的窗口") + "\n", o.report);
}

TEST(WindowErrors, AfterTheWindowIsDestroyedCommonPropertiesComeFromTheStoredRecord) {
  Outcome o = RunCase("destroyed");
  EXPECT_EQ(0xFFFFFFFFu, o.exitCode);
  EXPECT_EQ("width 60\nleft 226\nerror 0 " + HexBytes("指定窗口尚未载入") + "\n", o.report);
}

TEST(WindowErrors, AnEventOfAnUnknownWindowOrUnit) {
  Outcome window = RunCase("event-window");
  EXPECT_EQ(0xFFFFFFFFu, window.exitCode);
  EXPECT_EQ("error 0 " + HexBytes("未找到引发事件的窗口") + "\n", window.report);
  Outcome unit = RunCase("event-unit");
  EXPECT_EQ(0xFFFFFFFFu, unit.exitCode);
  EXPECT_EQ("error 0 " + HexBytes("未找到引发事件的窗口组件") + "\n", unit.report);
}

TEST(WindowErrors, LoadingALoadedMinimisedWindowRestoresIt) {
  Outcome o = RunCase("load-twice");
  EXPECT_EQ(0u, o.exitCode);
  EXPECT_EQ("same 1\niconic 0\nforms 1\n", o.report);
}

}  // namespace
}  // namespace klvtest
