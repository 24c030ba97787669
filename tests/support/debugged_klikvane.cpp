#include "tests/support/debugged_klikvane.h"

#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/image_symbols.h"
#include "tests/support/program_window.h"

namespace klvtest {
namespace {

constexpr char kExitRoutine[] = "__ZN3klv7clicker12_GLOBAL__N_111ExitRoutineEv";
constexpr char kExitProgram[] = "__ZN3klv11ExitProgramEi";
constexpr BYTE kBreakInstruction = 0xCC;

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::string bytes = ReadWholeFile(path);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void DeleteFolderContents(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + "\\" + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

ProgramFolderCopy::ProgramFolderCopy(const std::string& name, bool withProgram) : folder_(TempPath(name)) {
  CreateDirectoryA(folder_.c_str(), nullptr);
  DeleteFolderContents(folder_);
  if (withProgram) CopyFileA((ProgramFolder() + "\\..\\Klikvane.exe").c_str(), program().c_str(), FALSE);
}

std::string ProgramFolderCopy::settingsFile() const { return SettingsFileIn(folder_); }

ProgramFolderCopy::~ProgramFolderCopy() {
  DeleteFolderContents(folder_);
  RemoveDirectoryA(folder_.c_str());
}

DebuggedKlikvane::DebuggedKlikvane(const std::string& program, const std::string& currentFolder) {
  started_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ended_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::vector<uint8_t> image = FileBytes(program);
  breakpoint_ = SymbolRelativeAddress(image, kExitRoutine);  // made absolute once the image's base is known
  exitProgram_ = SymbolRelativeAddress(image, kExitProgram);
  // A debugger's events go to the thread that started the process.
  debugger_ = std::thread(&DebuggedKlikvane::Debug, this, program, currentFolder);
  WaitForSingleObject(started_, 30000);
}

DebuggedKlikvane::~DebuggedKlikvane() {
  stopping_ = true;
  if (process_ && WaitForSingleObject(ended_, 0) != WAIT_OBJECT_0) TerminateProcess(process_, 99);
  if (debugger_.joinable()) debugger_.join();
  if (process_) CloseHandle(process_);
  CloseHandle(started_);
  CloseHandle(ended_);
}

DWORD DebuggedKlikvane::WaitForExit(DWORD milliseconds) {
  if (WaitForSingleObject(ended_, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  return exitCode_;
}

HWND DebuggedKlikvane::WaitForMainWindow(DWORD milliseconds) const {
  return WaitForProgramWindow(processId_, milliseconds, [this] { return WaitForSingleObject(ended_, 0) == WAIT_OBJECT_0; });
}

// The routine takes its one argument where a thread's start routine finds
// its parameter, and never returns.
bool DebuggedKlikvane::ExitProgramOnNewThread(int exitCode) {
  if (!process_ || exitProgram_ == 0 || WaitForSingleObject(started_, 0) != WAIT_OBJECT_0) return false;
  auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(exitProgram_);
  HANDLE thread = CreateRemoteThread(process_, nullptr, 0, start, reinterpret_cast<void*>(static_cast<intptr_t>(exitCode)),
                                     0, nullptr);
  if (thread) CloseHandle(thread);
  return thread != nullptr;
}

void DebuggedKlikvane::Debug(std::string program, std::string currentFolder) {
  std::string commandLine = "\"" + program + "\"";
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                      currentFolder.c_str(), &startup, &info)) {
    SetEvent(started_);
    SetEvent(ended_);
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  RunDebugLoop();
  SetEvent(started_);  // in case the process ended before it was reported
  SetEvent(ended_);
}

// Serves the process's debug events until it has ended; gives up on it a
// while after the owner asked to stop, should the end never be reported.
void DebuggedKlikvane::RunDebugLoop() {
  DWORD stopAsked = 0;
  for (;;) {
    DEBUG_EVENT event = {};
    if (!WaitForDebugEvent(&event, 100)) {
      if (!stopping_) continue;
      if (stopAsked == 0) stopAsked = GetTickCount();
      if (GetTickCount() - stopAsked < 10000) continue;
      DebugActiveProcessStop(processId_);
      return;
    }
    DWORD answer = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        mainThreadId_ = event.dwThreadId;
        if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        if (exitProgram_) exitProgram_ += reinterpret_cast<uintptr_t>(event.u.CreateProcessInfo.lpBaseOfImage);
        MarkExitRoutine(reinterpret_cast<uintptr_t>(event.u.CreateProcessInfo.lpBaseOfImage));
        SetEvent(started_);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT:
        // The loader's own breakpoint is passed over; any other exception
        // goes back to the program's handlers.
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
          answer = DBG_EXCEPTION_NOT_HANDLED;
        } else {
          OnBreakpoint(event);
        }
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        exitCode_ = event.u.ExitProcess.dwExitCode;
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
        return;
      default:
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
  }
}

void DebuggedKlikvane::MarkExitRoutine(uintptr_t imageBase) {
  if (breakpoint_ == 0) {
    problem_ = "the exit routine is not in the program's symbol table";
    return;
  }
  breakpoint_ += imageBase;
  if (!ReadProcessMemory(process_, reinterpret_cast<void*>(breakpoint_), &savedByte_, 1, nullptr)) {
    problem_ = "reading the routine's first byte failed: " + std::to_string(GetLastError());
  } else if (!PutCodeByte(kBreakInstruction)) {
    problem_ = "writing the mark failed: " + std::to_string(GetLastError());
  } else {
    marked_ = true;
  }
}

// Code pages are read-only: opened for the one byte, then closed again.
bool DebuggedKlikvane::PutCodeByte(BYTE value) {
  auto* at = reinterpret_cast<void*>(breakpoint_);
  DWORD protection = 0;
  if (!VirtualProtectEx(process_, at, 1, PAGE_EXECUTE_READWRITE, &protection)) return false;
  bool written = WriteProcessMemory(process_, at, &value, 1, nullptr) != FALSE;
  VirtualProtectEx(process_, at, 1, protection, &protection);
  return written && FlushInstructionCache(process_, at, 1);
}

// At the mark: count the entry, put the routine's first byte back and let
// the thread run it from its start.
bool DebuggedKlikvane::OnBreakpoint(const DEBUG_EVENT& event) {
  auto address = reinterpret_cast<uintptr_t>(event.u.Exception.ExceptionRecord.ExceptionAddress);
  if (!marked_ || address != breakpoint_) return false;
  HANDLE thread = OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, event.dwThreadId);
  CONTEXT context = {};
  context.ContextFlags = CONTEXT_CONTROL;
  PutCodeByte(savedByte_);
  if (thread && GetThreadContext(thread, &context)) {
    context.Eip = static_cast<DWORD>(breakpoint_);
    SetThreadContext(thread, &context);
  }
  if (thread) CloseHandle(thread);
  onMainThread_ = event.dwThreadId == mainThreadId_;
  ++entries_;
  return true;
}

}  // namespace klvtest
