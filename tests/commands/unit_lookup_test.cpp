// A command whose control cannot be found ends the program with the lookup's
// runtime error, whether the window is not loaded or has no such unit.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/child_process.h"

namespace klvtest {
namespace {

std::string RunLookupChild(const char* mode) {
  std::string report = TempPath(std::string("lookup_") + mode + ".txt");
  DeleteFileA(report.c_str());
  ChildProcess child("lookup_child.exe", "\"" + report + "\" " + mode);
  EXPECT_TRUE(child.started());
  EXPECT_EQ(0xFFFFFFFFu, child.Wait());
  std::string text = ReadWholeFile(report);
  DeleteFileA(report.c_str());
  return text;
}

TEST(UnitLookup, ACommandOnAnUnloadedWindowIsTheLookupError) {
  EXPECT_EQ("0 " + HexBytes("指定窗口或窗口组件不存在或尚未载入"), RunLookupChild("unloaded"));
}

TEST(UnitLookup, ACommandOnAUnitTheWindowDoesNotHaveIsTheLookupError) {
  EXPECT_EQ("0 " + HexBytes("指定窗口或窗口组件不存在或尚未载入"), RunLookupChild("missing-unit"));
}

}  // namespace
}  // namespace klvtest
