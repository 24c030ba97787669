// Ending the real Klikvane.exe while it clicks a recording target at full
// speed, by any of the ways out an operator or the system has, and what the
// end looked like from outside.
#pragma once
#include <windows.h>

#include <string>

namespace klvtest {

enum class WayOut {
  kControlQ,      // the quit hotkey, real keys
  kMenuQuit,      // the menu entry "退出" chosen
  kSystemClose,   // the close button or the system menu's close entry
  kAltF4,         // real keys
  kCloseMessage,  // WM_CLOSE from another program
  kExitOnThread,  // the runtime's ExitProgram called on a new thread
  kSessionEnd,    // log-off: WM_QUERYENDSESSION, then WM_ENDSESSION, as Wine's shutdown sends them
};
constexpr int kWayOutCount = 7;
const char* WayOutName(WayOut way);

struct QuitOutcome {
  // What the target had taken when the wait for the run's first two clicks
  // (three messages each) ended, and whether a box of the program showed then.
  size_t messagesAtStart = 0;
  bool boxAtStart = false;
  bool started() const { return messagesAtStart >= 6; }  // the program ran the plan before the quit
  DWORD exitCode = STILL_ACTIVE;   // STILL_ACTIVE: not ended within the bound
  int exitRoutineEntries = 0;
  bool exitRoutineOnMainThread = false;
  bool sessionEndRefused = false;  // a window answered WM_QUERYENDSESSION with FALSE
  std::string errorBox;            // the text of a box that showed, empty when none did
  DWORD endMs = 0;                 // from the quit until the process had ended, or the bound ran out
  bool endedInTime = false;        // within the bound
  size_t lateClicks = 0;           // plan messages (3 per click) the target took after the main window was gone
};
std::string Describe(const QuitOutcome& outcome);

// One round: a fresh Klikvane and target, a three-row delay-0 background run,
// the quit after a pause of pauseMs once clicks arrive. The program's own
// hotkeys of the calling process must be set aside.
QuitOutcome QuitDuringRun(WayOut way, DWORD pauseMs);

}  // namespace klvtest
