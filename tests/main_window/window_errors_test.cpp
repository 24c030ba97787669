// The runtime errors of property access and event lookup, seen in a child
// process with Klikvane's own image (each ends the process with -1).
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>

#include "tests/support/child_process.h"

namespace klvtest {
namespace {

struct Outcome {
  DWORD exitCode;
  std::string report;
  bool operator==(const Outcome& o) const { return exitCode == o.exitCode && report == o.report; }
};

// A failure shows both.
void PrintTo(const Outcome& o, std::ostream* out) {
  *out << "exit code " << o.exitCode << ", report \"" << o.report << "\"";
}

Outcome RunCase(const char* which) {
  std::string report = TempPath(std::string("window_error_") + which + ".txt");
  DeleteFileA(report.c_str());
  ChildProcess child("window_error_child.exe", "\"" + report + "\" " + which);
  EXPECT_TRUE(child.started());
  Outcome outcome = {child.Wait(30000), ReadWholeFile(report)};
  DeleteFileA(report.c_str());
  return outcome;
}

// A case that ends in the runtime error with this message: code -1, and the
// report holds the lines the case wrote before it, then the error.
Outcome EndsInError(const std::string& before, const char* message) {
  return {0xFFFFFFFFu, before + "error 0 " + HexBytes(message) + "\n"};
}

TEST(WindowErrors, ReadingFromAWindowNeverLoaded) {
  EXPECT_EQ(EndsInError("", "未载入欲访问窗口组件所在的窗口"), RunCase("never-loaded"));
}

TEST(WindowErrors, AfterTheWindowIsDestroyedCommonPropertiesComeFromTheStoredRecord) {
  EXPECT_EQ(EndsInError("width 60\nleft 226\n", "指定窗口尚未载入"), RunCase("destroyed"));
}

TEST(WindowErrors, AnEventOfAnUnknownWindowOrUnit) {
  EXPECT_EQ(EndsInError("", "未找到引发事件的窗口"), RunCase("event-window"));
  EXPECT_EQ(EndsInError("", "未找到引发事件的窗口组件"), RunCase("event-unit"));
}

TEST(WindowErrors, LoadingALoadedMinimisedWindowRestoresIt) {
  EXPECT_EQ((Outcome{0, "same 1\niconic 0\nforms 1\n"}), RunCase("load-twice"));
}

}  // namespace
}  // namespace klvtest
