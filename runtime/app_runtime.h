// The application runtime's one state object and its start-up and shut-down.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/interface/image_format.h"
#include "runtime/private_messages.h"
#include "runtime/interface/support_entries.h"

namespace klv {

struct IdleCallback {
  HWND window;
  void (*routine)(uint32_t argument);
  uint32_t argument;
};

struct RuntimeState {
  const ProgramImageHeader* image = nullptr;
  uint32_t runMode = 0, unknownHeaderWord2 = 0, unknownHeaderWord3 = 0;
  HANDLE heap = nullptr;
  HWND messageWindow = nullptr;
  DWORD mainThreadId = 0;
  std::vector<IdleCallback> idleCallbacks;
  void (*exitHook)() = nullptr;
  void (*endingHook)() = nullptr;
  int endingHookDepth = 0;
  // The main thread has taken over an ExitProgram called on another thread.
  volatile bool exitHandedOver = false;
  bool oleInitialized = false;
  bool shuttingDown = false;
  bool cleanupBegun = false;
  bool lastWindowEndsLoop = false;
};

RuntimeState& Runtime();

// The support table handed to the program's start routine.
const SupportEntries& SupportTable();

// Runs a program image from start to end; returns only in tests that stub
// ExitProcess out, otherwise the process ends inside.
int RunProgram(const ProgramImageHeader* image);

// Support entries and services implemented by the start-up module.
void InitRuntime();
[[noreturn]] void ExitProgram(int exitCode);
void RunMessageLoop();
void LoadStartWindow(uint32_t windowId);
uint32_t CallRuntimeService(int service, uint32_t first, uint32_t second);
uint32_t HostNotify(int code, uint32_t first, uint32_t second);

// Runs the program's ending hook on the main thread, before clean-up has
// begun. A second ending that arrives while the hook waits (a quit while a
// window closes) runs it once more, so that it too finds the program's
// threads stopped; deeper nesting does not run it again.
void RunEndingHook();

// Removes and dispatches the calling thread's queued messages until the queue
// is empty or the next one is WM_QUIT, which stays queued.
void ProcessPendingMessages();

// Everything a test process needs to start the runtime without running the
// message loop: heap, constants range, system-function tables, libraries.
void InitRuntimeForImage(const ProgramImageHeader* image);

}  // namespace klv
