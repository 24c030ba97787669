// The lines every run of the runtime child starts with, and the texts its
// reports carry, shared by the tests that read its log.
#pragma once
#include <string>
#include <vector>

namespace klvtest {

// A whole log: "start", the library's start notification, "initialised",
// the action, then the lines that follow it.
inline std::vector<std::string> ChildLog(const std::string& action, const std::vector<std::string>& then) {
  std::vector<std::string> lines = {"start", "library notify 1 thread=main host-notify=yes suppression=0",
                                    "initialised", "action " + action};
  lines.insert(lines.end(), then.begin(), then.end());
  return lines;
}

inline std::string ShutdownNotified(int suppression) {
  return "library notify 6 thread=main suppression=" + std::to_string(suppression);
}

constexpr unsigned long kErrorExitCode = 0xFFFFFFFFul;  // -1

inline const std::string kStackErrorMessage = "调用DLL命令后发现堆栈错误";
inline const std::string kStackErrorReport =
    "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n";
inline const std::string kEmptyReport = "运行时出错!\r\n\r\n";

// The report of a code-0 error: no code line, the message line only.
inline std::string MessageOnlyReport(const std::string& message) {
  return "运行时出错!\r\n\r\n错误信息：" + message + "\r\n";
}

}  // namespace klvtest
