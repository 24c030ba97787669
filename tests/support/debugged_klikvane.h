// The real Klikvane.exe as a child process under a small debugger of the
// test's own: a one-shot breakpoint on the program's exit routine shows
// whether (and on which thread) the routine ran before the process ended.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace klvtest {

// A fresh folder holding a copy of Klikvane.exe (or nothing, without the
// program), so that its settings file lies apart from every other test's;
// removed with what the program wrote there.
class ProgramFolderCopy {
 public:
  explicit ProgramFolderCopy(const std::string& name, bool withProgram = true);
  ~ProgramFolderCopy();
  ProgramFolderCopy(const ProgramFolderCopy&) = delete;
  ProgramFolderCopy& operator=(const ProgramFolderCopy&) = delete;
  const std::string& folder() const { return folder_; }
  std::string program() const { return folder_ + "\\Klikvane.exe"; }
  std::string settingsFile() const;

 private:
  std::string folder_;
};

class DebuggedKlikvane {
 public:
  // Starts program with currentFolder as its current directory.
  DebuggedKlikvane(const std::string& program, const std::string& currentFolder);
  // Ends the program when it is still running.
  ~DebuggedKlikvane();
  DebuggedKlikvane(const DebuggedKlikvane&) = delete;
  DebuggedKlikvane& operator=(const DebuggedKlikvane&) = delete;

  bool started() const { return processId_ != 0; }
  // Whether the exit routine was found in the program and marked.
  bool exitRoutineMarked() const { return marked_; }
  // Why the routine could not be marked.
  const std::string& problem() const { return problem_; }
  DWORD id() const { return processId_; }
  // The exit code once the process ended; STILL_ACTIVE on time-out.
  DWORD WaitForExit(DWORD milliseconds = 20000);
  // How often the exit routine was entered, and whether the last entry was
  // on the process's first (main) thread.
  int exitRoutineEntries() const { return entries_; }
  bool exitRoutineOnMainThread() const { return onMainThread_; }
  // The program's visible main window, waited for.
  HWND WaitForMainWindow(DWORD milliseconds = 20000) const;
  // Starts a new thread in the program that calls the runtime's
  // ExitProgram with the code; false when it could not be started.
  bool ExitProgramOnNewThread(int exitCode);

 private:
  void Debug(std::string program, std::string currentFolder);
  void RunDebugLoop();
  void MarkExitRoutine(uintptr_t imageBase);
  bool OnBreakpoint(const DEBUG_EVENT& event);
  bool PutCodeByte(BYTE value);

  std::thread debugger_;
  HANDLE started_ = nullptr;  // signalled once the start succeeded or failed
  HANDLE ended_ = nullptr;    // signalled once the process has ended
  HANDLE process_ = nullptr;
  std::atomic<DWORD> processId_{0};
  std::atomic<DWORD> exitCode_{STILL_ACTIVE};
  std::atomic<bool> marked_{false};
  std::atomic<int> entries_{0};
  std::atomic<bool> onMainThread_{false};
  std::atomic<bool> stopping_{false};
  std::string problem_;
  DWORD mainThreadId_ = 0;
  uintptr_t breakpoint_ = 0;
  uintptr_t exitProgram_ = 0;  // relative until the image's base is known
  BYTE savedByte_ = 0;
};

}  // namespace klvtest
