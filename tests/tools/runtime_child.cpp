// A small program of its own on the real runtime: its image has a few
// constants, no window template, one library that logs its notifications and
// the program's system-function table with a few entries renamed. The start
// routine does what the command line says and logs what it sees, one line at
// a time, to the log file named first:
//   runtime_child <log> <box|hook> <action> [number | token]
// "hook" installs an error hook that logs each report and suppresses the box;
// "box" leaves the report to the real message box. The "joined-" actions
// also register an ending hook that waits for the worker thread to end, as a
// program stops its worker threads before clean-up.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "image/program_image_data.h"
#include "runtime/app_runtime.h"
#include "runtime/heap.h"
#include "runtime/runtime_errors.h"
#include "runtime/system_binding.h"
#include "tests/support/line_log.h"

namespace {

using klv::SupportEntries;

std::string g_logPath;
std::string g_action;
std::string g_argument;
DWORD g_mainThread = 0;
DWORD g_workerThread = 0;
HANDLE g_worker = nullptr;
const SupportEntries* g_support = nullptr;

void Log(const std::string& line) {
  klvtest::AppendLogLine(g_logPath, line);
}

std::string Hex(const char* bytes) {
  std::string hex;
  char pair[3];
  for (const char* p = bytes ? bytes : ""; *p; ++p) {
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(*p));
    hex += pair;
  }
  return hex;
}

std::string ThreadRole() {
  DWORD id = GetCurrentThreadId();
  if (id == g_mainThread) return "main";
  if (id == g_workerThread) return "worker";
  return "other:" + std::to_string(id);
}

std::string Suppression() { return std::to_string(klv::EventSuppressionCount()); }

std::string CurrentDirectory() {
  char path[MAX_PATH * 2] = "";
  GetCurrentDirectoryA(sizeof path, path);
  return path;
}

// The text HostNotify answers for a code, freed after logging.
std::string HostText(int code) {
  char* text = reinterpret_cast<char*>(static_cast<uintptr_t>(klv::HostNotify(code, 0, 0)));
  std::string copy = text ? text : "";
  g_support->FreeMemory(text);
  return copy;
}

int32_t LibraryNotify(int code, uint32_t first, uint32_t) {
  std::string line = "library notify " + std::to_string(code) + " thread=" + ThreadRole();
  if (code == 1) {
    bool hostNotify = first == static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&klv::HostNotify));
    line += hostNotify ? " host-notify=yes" : " host-notify=no";
  }
  Log(line + " suppression=" + Suppression());
  return 0;
}

int ErrorHook(int code, const char* message) {
  char* report = klv::FormatErrorReport(message, code);
  Log("error-hook thread=" + ThreadRole() + " code=" + std::to_string(code) + " suppression=" + Suppression() +
      " message=" + Hex(message) + " report=" + Hex(report));
  klv::FreeMemory(report);
  return 1;
}

void ExitHook() { Log("exit-hook thread=" + ThreadRole() + " suppression=" + Suppression()); }

// Waits for the worker while taking messages, as the worker may need the
// main thread to answer it.
void EndingHook() {
  Log("ending-hook thread=" + ThreadRole() + " suppression=" + Suppression());
  while (g_worker && MsgWaitForMultipleObjects(1, &g_worker, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  Log("worker ended");
}

bool Joined() { return g_action.rfind("joined-", 0) == 0; }

// ---- actions ----

uint32_t Number() { return static_cast<uint32_t>(std::strtoul(g_argument.c_str(), nullptr, 0)); }

DWORD WINAPI WorkerMain(void*) {
  if (g_action == "worker-exit" || g_action == "joined-worker-exit") {
    Log("worker calls ExitProgram " + std::to_string(static_cast<int>(Number())));
    g_support->ExitProgram(static_cast<int>(Number()));
  } else {
    Log("worker raises " + g_argument);
    g_support->RaiseRuntimeError(static_cast<int>(Number()));
  }
  Log("worker resumed");
  return 0;
}

// The main thread keeps taking messages, as a message loop would, so that the
// worker's hand-over can reach it.
void StartWorkerAndPump() {
  Log("main thread takes messages");
  g_worker = CreateThread(nullptr, 0, WorkerMain, nullptr, CREATE_SUSPENDED, &g_workerThread);
  ResumeThread(g_worker);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  Log("main message loop ended");
}

// The argument is "entry,argument count"; every argument is 0.
void CallSystemFunction() {
  int number = std::atoi(g_argument.c_str());
  const char* comma = std::strchr(g_argument.c_str(), ',');
  int count = comma ? std::atoi(comma + 1) : 0;
  uint32_t arguments[8] = {};
  Log("call " + std::to_string(number) + " with " + std::to_string(count) + " arguments");
  uint32_t result = g_support->CallSystemFunction(number, count, arguments);
  Log("call returned " + std::to_string(result));
}

// Waits until the test has prepared the program's folder, then calls
// mouse_event (entry 2, library text "user32.dll").
void CallMouseEventWhenTold() {
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, ("klv_child_ready_" + g_argument).c_str());
  HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, ("klv_child_go_" + g_argument).c_str());
  if (ready == nullptr || go == nullptr) {
    Log("events missing");
    g_support->ExitProgram(3);
  }
  SetEvent(ready);
  if (WaitForSingleObject(go, 30000) != WAIT_OBJECT_0) {
    Log("not told to go");
    g_support->ExitProgram(4);
  }
  const uint32_t arguments[5] = {0, 0x22, 0x33, 0x44, 0x55};
  g_support->CallSystemFunction(2, 5, arguments);
  char path[MAX_PATH * 2] = "";
  GetModuleFileNameA(klv::BoundSystemModule(2), path, sizeof path);
  Log(std::string("bound-module=") + path);
}

void LogStartFacts() {
  Log("cwd=" + CurrentDirectory());
  Log("program-directory=" + HostText(klv::HostNotifyCode::kProgramDirectory));
  Log("program-file=" + HostText(klv::HostNotifyCode::kProgramFileName));
  // A second initialisation on this thread only counts up: S_FALSE.
  HRESULT again = OleInitialize(nullptr);
  Log(again == S_FALSE ? "ole-initialised=yes" : "ole-initialised=no");
  if (SUCCEEDED(again)) OleUninitialize();
}

void RunAction() {
  Log("action " + g_action + (g_argument.empty() ? "" : " " + g_argument));
  if (g_action == "exit") g_support->ExitProgram(static_cast<int>(Number()));
  if (g_action == "return") {
    g_support->RunMessageLoop();  // no window is loaded: returns at once
    Log("message loop returned");
  }
  if (g_action.find("worker-") != std::string::npos) StartWorkerAndPump();
  if (g_action == "raise") g_support->RaiseRuntimeError(static_cast<int>(Number()));
  if (g_action == "report-empty") klv::ReportRuntimeError("", 0);
  if (g_action == "allocate") g_support->AllocateMemory(Number());
  if (g_action == "resize") g_support->ResizeMemory(g_support->AllocateMemory(16), Number());
  if (g_action == "start-window") g_support->LoadStartWindow(0x52010001);
  if (g_action == "call") CallSystemFunction();
  if (g_action == "mouse-event") CallMouseEventWhenTold();
  if (g_action == "facts") LogStartFacts();
}

int ChildProgramStart(const SupportEntries* support) {
  g_support = support;
  Log("start");
  if (g_action == "facts") Log("cwd-before=" + CurrentDirectory());
  support->CallRuntimeService(klv::RuntimeService::kInitRuntime, 0, 0);
  Log("initialised");
  support->CallRuntimeService(klv::RuntimeService::kSetExitHook,
                              static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&ExitHook)), 0);
  if (Joined()) {
    support->CallRuntimeService(klv::RuntimeService::kSetEndingHook,
                                static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&EndingHook)), 0);
  }
  RunAction();
  Log("start routine returns");
  return 0;
}

// ---- the image ----

const char kConstants[] = "Program Manager\0";

// The program's own table, except for entries that name what cannot be found.
const char* g_libraryNames[30];
const char* g_functionNames[30];

void FillSystemFunctionTable() {
  for (int i = 0; i < 30; ++i) {
    g_libraryNames[i] = klv::kSystemLibraryNames[i];
    g_functionNames[i] = klv::kSystemFunctionNames[i];
  }
  g_libraryNames[6] = "NoSuchLibrary.dll";  // GetDesktopWindow from a library that is not there
  g_libraryNames[19] = "";
  g_functionNames[19] = "NoSuchExport";
  g_functionNames[29] = "NoSuchExport";  // library text "user32.dll"
}

const klv::LibraryRecord kLoggingLibrary = [] {
  klv::LibraryRecord record = {};
  record.formatWord = klv::kLibraryFormatWord;
  record.identifier = "RuntimeChildLibrary";
  record.processNotifyLib = LibraryNotify;
  return record;
}();
const klv::LibraryRecord* const kLibraries[1] = {&kLoggingLibrary};
const klv::ProgramCode kCode = {ChildProgramStart, 0, nullptr};

const klv::ProgramImageHeader kImage = {
    3,
    0,
    1,
    &kCode,
    reinterpret_cast<const uint8_t*>(kConstants),
    sizeof kConstants,
    nullptr,  // no window template
    0,
    1,
    kLibraries,
    30,
    g_libraryNames,
    g_functionNames,
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  g_logPath = argv[1];
  g_action = argv[3];
  g_argument = argc > 4 ? argv[4] : "";
  g_mainThread = GetCurrentThreadId();
  FillSystemFunctionTable();
  if (std::strcmp(argv[2], "hook") == 0) klv::SetErrorHook(ErrorHook);
  return klv::RunProgram(&kImage);
}
