#include "tests/runtime/runtime_child_run.h"

#include <cstdio>

#include "tests/support/child_process.h"

namespace klvtest {

std::string FreshLogPath(const std::string& name) {
  static int runs = 0;
  std::string path = TempPath(name + "_" + std::to_string(++runs) + ".log");
  DeleteFileA(path.c_str());
  return path;
}

std::vector<std::string> ReadLogLines(const std::string& path) {
  std::string all = ReadWholeFile(path);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(all.substr(start, end - start));
  }
  if (start < all.size()) lines.push_back(all.substr(start));
  return lines;
}

ChildRun RunRuntimeChild(const std::string& mode, const std::string& action, const std::string& argument) {
  std::string logPath = FreshLogPath("runtime_child");
  ChildRun run;
  {
    ChildProcess child("runtime_child.exe", "\"" + logPath + "\" " + mode + " " + action + " " + argument);
    if (!child.started()) return run;
    if (mode == "box") {
      HWND box = WaitForMessageBox(child.id(), "错误");
      run.boxShown = box != nullptr;
      if (box) {
        run.boxText = MessageBoxText(box);
        DismissMessageBox(box);
      }
    }
    run.exitCode = child.Wait();
  }
  run.log = ReadLogLines(logPath);
  DeleteFileA(logPath.c_str());
  return run;
}

std::string Hex(const std::string& bytes) { return HexBytes(bytes); }

std::string ErrorHookLine(const std::string& thread, int code, int suppression, const std::string& message,
                          const std::string& report) {
  return "error-hook thread=" + thread + " code=" + std::to_string(code) +
         " suppression=" + std::to_string(suppression) + " message=" + Hex(message) + " report=" + Hex(report);
}

}  // namespace klvtest
