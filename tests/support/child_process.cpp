#include "tests/support/child_process.h"
#include "tests/support/program_window.h"
#include "tests/support/ui_driver.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace klvtest {

std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\'));
}

std::string TempPath(const std::string& name) {
  char folder[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  char unique[32];
  std::snprintf(unique, sizeof unique, "klv%lu_", GetCurrentProcessId());
  return std::string(folder) + unique + name;
}

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments) {
  std::string path = program.find('\\') == std::string::npos ? ProgramFolder() + "\\" + program : program;
  std::string commandLine = "\"" + path + "\" " + arguments;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
  }
}

ChildProcess::~ChildProcess() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
    CloseHandle(process_);
  }
}

DWORD ChildProcess::Wait(DWORD milliseconds) {
  if (!process_) return STILL_ACTIVE;
  if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

void ChildProcess::Kill() {
  if (!process_) return;
  TerminateProcess(process_, 99);
  WaitForSingleObject(process_, 20000);
}

namespace {

BOOL CALLBACK LongestStatic(HWND child, LPARAM context) {
  auto* text = reinterpret_cast<std::string*>(context);
  char className[64] = "";
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0) {
    std::string shown = ShownText(child);
    if (shown.size() > text->size()) *text = shown;
  }
  return TRUE;
}

}  // namespace

HWND ShownWindow(DWORD processId, const std::string& title, const std::string& className) {
  return FindTopLevelWindow(processId, [&](HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return (className.empty() || className == name) && title == ShownText(window) && IsWindowVisible(window);
  });
}

HWND WaitForShownWindow(DWORD processId, const std::string& title, const std::string& className,
                        DWORD milliseconds) {
  DWORD start = GetTickCount();
  do {
    if (HWND found = ShownWindow(processId, title, className)) return found;
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD milliseconds) {
  return WaitForShownWindow(processId, caption, "#32770", milliseconds);
}

std::string MessageBoxText(HWND box) {
  std::string text;
  EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

void DismissMessageBox(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

std::string HexBytes(const std::string& bytes) {
  std::string out;
  char pair[3];
  for (unsigned char c : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", c);
    out += pair;
  }
  return out;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace klvtest
