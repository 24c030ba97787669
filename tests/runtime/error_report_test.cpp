// The runtime error report: its exact text, the real message box a child
// shows (caption "错误", read and closed with its OK button), the error hook,
// and the out-of-memory report.
#include <gtest/gtest.h>

#include "runtime/heap.h"
#include "runtime/runtime_errors.h"
#include "tests/runtime/expected_logs.h"
#include "tests/runtime/runtime_child_run.h"

namespace {

using klvtest::ChildLog;
using klvtest::ErrorHookLine;
using klvtest::kEmptyReport;
using klvtest::kErrorExitCode;
using klvtest::kStackErrorReport;
using klvtest::RunRuntimeChild;
using klvtest::ShutdownNotified;
using Lines = std::vector<std::string>;

std::string Report(const char* message, int code) {
  char* text = klv::FormatErrorReport(message, code);
  std::string copy = text ? text : "(null)";
  klv::FreeMemory(text);
  return copy;
}

TEST(ErrorReportText, HasACodeLineOnlyForNonzeroCodesAndAMessageLineOnlyForNonemptyMessages) {
  EXPECT_EQ(kStackErrorReport, Report(klv::RuntimeErrorMessage(6), 6));
  EXPECT_EQ(kEmptyReport, Report("", 0));
  EXPECT_EQ(kEmptyReport, Report(nullptr, 0));
  EXPECT_EQ("运行时出错!\r\n\r\n错误代码：11\r\n\r\n", Report("", 11));
  EXPECT_EQ(klvtest::MessageOnlyReport("载入启动窗口失败"), Report("载入启动窗口失败", 0));
}

TEST(ErrorReportBox, StackErrorShowsTheFullReportAndEndsWithMinusOneOnceClosed) {
  klvtest::ChildRun run = RunRuntimeChild("box", "raise", "6");
  ASSERT_TRUE(run.boxShown);
  EXPECT_EQ(kStackErrorReport, run.boxText);
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("raise 6", {ShutdownNotified(2)}), run.log);  // no exit hook
}

TEST(ErrorReportBox, CodeZeroWithAnEmptyMessageShowsOnlyTheHeading) {
  klvtest::ChildRun run = RunRuntimeChild("box", "report-empty");
  ASSERT_TRUE(run.boxShown);
  EXPECT_EQ(kEmptyReport, run.boxText);
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("report-empty", {ShutdownNotified(2)}), run.log);
}

TEST(ErrorReportHook, GetsCodeAndMessageWithEventsAlreadySuppressedAndSuppressesTheBox) {
  // A box would keep the child waiting: the exit code shows there was none.
  klvtest::ChildRun run = RunRuntimeChild("hook", "report-empty");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("report-empty", {ErrorHookLine("main", 0, 1, "", kEmptyReport), ShutdownNotified(2)}), run.log);
}

TEST(ErrorReportHook, FailedAllocationReportsTheByteCount) {
  const std::string message = "分配 2147483632 字节内存失败!";
  klvtest::ChildRun run = RunRuntimeChild("hook", "allocate", "0x7FFFFFF0");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("allocate 0x7FFFFFF0",
                     {ErrorHookLine("main", 0, 1, message, klvtest::MessageOnlyReport(message)), ShutdownNotified(2)}),
            run.log);

  run = RunRuntimeChild("hook", "resize", "0x7FFFFFF0");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("resize 0x7FFFFFF0",
                     {ErrorHookLine("main", 0, 1, message, klvtest::MessageOnlyReport(message)), ShutdownNotified(2)}),
            run.log);
}

}  // namespace
