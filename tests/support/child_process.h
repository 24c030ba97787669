// Starting helper programs as child processes and watching what they show.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace klvtest {

// The folder of the running test program (the tools are built beside it).
std::string ProgramFolder();
std::string TempPath(const std::string& name);

class ChildProcess {
 public:
  // Starts program (a path, or a name in ProgramFolder()) with the arguments.
  ChildProcess(const std::string& program, const std::string& arguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return processId_; }
  // Waits for the end; returns the exit code, or STILL_ACTIVE on time-out.
  DWORD Wait(DWORD milliseconds = 20000);
  // Ends the process at once, as a power cut or a crash would, and waits
  // until it is gone.
  void Kill();

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

// A shown top-level window of the given process with that title (and that
// class, when one is given); null when none shows. The second waits for it
// up to the time given.
HWND ShownWindow(DWORD processId, const std::string& title, const std::string& className = "");
HWND WaitForShownWindow(DWORD processId, const std::string& title, const std::string& className = "",
                        DWORD milliseconds = 15000);
// A message box of the given process (class "#32770") with that caption.
HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD milliseconds = 15000);
// The message text of a message box.
std::string MessageBoxText(HWND box);
// Presses the box's first button.
void DismissMessageBox(HWND box);

// Bytes as upper-case hex pairs (GBK texts travel this way through command
// lines and report files).
std::string HexBytes(const std::string& bytes);

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace klvtest
