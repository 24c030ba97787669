// Runs tests/tools/runtime_child.cpp (a program with its own small image on
// the real runtime) as a child process and collects what it did: its exit
// code, its log lines and, in "box" mode, the text of the runtime error box
// it showed, which is then closed with its OK button.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace klvtest {

struct ChildRun {
  DWORD exitCode = STILL_ACTIVE;
  std::vector<std::string> log;
  bool boxShown = false;
  std::string boxText;
};

// mode is "hook" (an error hook logs each report, no box) or "box".
ChildRun RunRuntimeChild(const std::string& mode, const std::string& action, const std::string& argument = "");

// A fresh log path for one child run; the file does not exist yet.
std::string FreshLogPath(const std::string& name);
std::vector<std::string> ReadLogLines(const std::string& path);

// Upper-case hex of the bytes, as the child writes texts into its log.
std::string Hex(const std::string& bytes);

// The line the child's error hook writes for one report: the thread it ran
// on, the code and message it was given, the suppression count it saw, and
// the report text made from them.
std::string ErrorHookLine(const std::string& thread, int code, int suppression, const std::string& message,
                          const std::string& report);

}  // namespace klvtest
