// How a program on the runtime ends: exit codes, the exit hook, libraries
// told at shutdown, and the hand-over of ExitProgram from a worker thread to
// the main thread. Each case is a real child process.
#include <gtest/gtest.h>

#include "tests/runtime/expected_logs.h"
#include "tests/runtime/runtime_child_run.h"

namespace {

using namespace klvtest;  // the runtime child and its log
using Lines = std::vector<std::string>;

TEST(ProgramExit, ExitProgramOnTheMainThreadRunsTheExitHookThenEndsWithItsCode) {
  klvtest::ChildRun run = RunRuntimeChild("hook", "exit", "0");
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_EQ(ChildLog("exit 0", {"exit-hook thread=main suppression=1", ShutdownNotified(1)}), run.log);

  run = RunRuntimeChild("hook", "exit", "5");
  EXPECT_EQ(5u, run.exitCode);
  EXPECT_EQ(ChildLog("exit 5", {"exit-hook thread=main suppression=1", ShutdownNotified(1)}), run.log);
}

TEST(ProgramExit, StartRoutineReturningEndsWithCodeZeroAfterTheExitHook) {
  // Without a loaded window the message loop has nothing to wait for.
  klvtest::ChildRun run = RunRuntimeChild("hook", "return");
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_EQ(ChildLog("return", {"message loop returned", "start routine returns", "exit-hook thread=main suppression=1",
                                ShutdownNotified(1)}),
            run.log);
}

TEST(ProgramExit, RuntimeErrorEndsWithMinusOneAndSkipsTheExitHook) {
  klvtest::ChildRun run = RunRuntimeChild("hook", "raise", "6");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("raise 6", {ErrorHookLine("main", 6, 1, klvtest::kStackErrorMessage, klvtest::kStackErrorReport),
                                 ShutdownNotified(2)}),
            run.log);
}

TEST(ProgramExit, ExitProgramOnAWorkerThreadEndsTheProcessThroughTheMainThread) {
  klvtest::ChildRun run = RunRuntimeChild("hook", "worker-exit", "42");
  EXPECT_EQ(42u, run.exitCode);
  // Both threads raised the suppression count once; the worker never resumes
  // and the main thread's own loop never ends: clean-up ends the process.
  EXPECT_EQ(ChildLog("worker-exit 42", {"main thread takes messages", "worker calls ExitProgram 42",
                                        "exit-hook thread=main suppression=2", ShutdownNotified(2)}),
            run.log);
}

TEST(ProgramExit, RuntimeErrorOnAWorkerThreadIsReportedThereAndCleanedUpOnTheMainThread) {
  klvtest::ChildRun run = RunRuntimeChild("hook", "worker-raise", "6");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("worker-raise 6",
                     {"main thread takes messages", "worker raises 6",
                      ErrorHookLine("worker", 6, 1, klvtest::kStackErrorMessage, klvtest::kStackErrorReport),
                      ShutdownNotified(3)}),
            run.log);
}

// The ending hook runs on the main thread before the exit hook and before
// the libraries hear of the shutdown, and may wait for the very thread that
// called ExitProgram: the hand-over releases that thread at once.
TEST(ProgramExit, EndingHookRunsFirstAndCanWaitForTheWorkerThatCalledExitProgram) {
  klvtest::ChildRun run = RunRuntimeChild("hook", "joined-worker-exit", "42");
  EXPECT_EQ(42u, run.exitCode);
  EXPECT_EQ(ChildLog("joined-worker-exit 42", {"main thread takes messages", "worker calls ExitProgram 42",
                                               "ending-hook thread=main suppression=2", "worker ended",
                                               "exit-hook thread=main suppression=2", ShutdownNotified(2)}),
            run.log);
}

TEST(ProgramExit, EndingHookAlsoRunsOnARuntimeErrorWhichSkipsTheExitHook) {
  klvtest::ChildRun run = RunRuntimeChild("hook", "joined-worker-raise", "6");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("joined-worker-raise 6",
                     {"main thread takes messages", "worker raises 6",
                      ErrorHookLine("worker", 6, 1, klvtest::kStackErrorMessage, klvtest::kStackErrorReport),
                      "ending-hook thread=main suppression=3", "worker ended", ShutdownNotified(3)}),
            run.log);
}

}  // namespace
