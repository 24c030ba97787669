#include "tests/pointing/quit_driver.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "image/program_constants.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/child_process.h"
#include "tests/support/debugged_klikvane.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/klikvane_window.h"
#include "tests/support/recording_target.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

const char kTargetTitle[] = "退出时的点击目标";
constexpr int kRows = 3;
// Posted to the target by this test: once when the main window is gone,
// once after the process has ended. Plan clicks between the two came late.
constexpr LPARAM kGoneMarker = MAKELPARAM(901, 901);
constexpr LPARAM kEndMarker = MAKELPARAM(902, 902);
// A bound on a hang, not a timing: on a display without a window manager
// Wine waits 2 s for the withdrawn main window to be confirmed, whatever the
// program does.
constexpr DWORD kEndBoundMs = 5000;
// A bound on the run's first two clicks reaching the target, generous for a
// loaded machine's first start of the program.
constexpr DWORD kStartBoundMs = 15000;

std::string Settings() {
  Plan plan;
  for (int row = 0; row < kRows; ++row) plan.push_back({std::to_string(10 + row), "20", "0", klv::kConstants.leftButton});
  return FreshFile("1", kTargetTitle, plan);
}

bool IsPlanClick(const ReceivedMessage& m) {
  return HIWORD(m.lParam) == 20 && LOWORD(m.lParam) >= 10 && LOWORD(m.lParam) < 10 + kRows;
}

size_t Count(const std::vector<ReceivedMessage>& messages, LPARAM marker) {
  size_t n = 0;
  for (const ReceivedMessage& m : messages) n += m.lParam == static_cast<unsigned long>(marker) ? 1 : 0;
  return n;
}

size_t PlanClicksBetweenMarkers(const std::vector<ReceivedMessage>& messages) {
  size_t late = 0;
  bool after = false;
  for (const ReceivedMessage& m : messages) {
    if (m.lParam == static_cast<unsigned long>(kGoneMarker)) after = true;
    if (m.lParam == static_cast<unsigned long>(kEndMarker)) break;
    if (after && IsPlanClick(m)) ++late;
  }
  return late;
}

void PressAltF4() {
  SendKeyPress(VK_F4, VK_MENU);
}

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOf(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found.push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  WindowSearch search = {processId, {}};
  EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void CALLBACK IgnoreAnswer(HWND, UINT, ULONG_PTR, LRESULT) {}

// As Wine's shutdown does it: every top-level window of the process is
// asked, and when none refuses, every one is told the session ends.
bool EndSession(DWORD processId) {
  std::vector<HWND> windows = TopLevelWindowsOf(processId);
  bool allowed = true;
  for (HWND window : windows) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &answer);
    allowed = allowed && answer != 0;
  }
  if (!allowed) return false;
  for (HWND window : windows) {
    SendMessageCallbackA(window, WM_ENDSESSION, TRUE, 0, IgnoreAnswer, 0);
  }
  return true;
}

void Quit(WayOut way, HWND main, DebuggedKlikvane& program, QuitOutcome& outcome) {
  switch (way) {
    case WayOut::kControlQ: PressKey('Q', true); break;
    case WayOut::kMenuQuit: PostMessageA(main, WM_COMMAND, MenuCommandOf(klv::MainWindowUnit::kMenuQuit), 0); break;
    case WayOut::kSystemClose: PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case WayOut::kAltF4: PressAltF4(); break;
    case WayOut::kCloseMessage: PostMessageA(main, WM_CLOSE, 0, 0); break;
    case WayOut::kExitOnThread: program.ExitProgramOnNewThread(0); break;
    case WayOut::kSessionEnd: outcome.sessionEndRefused = !EndSession(program.id()); break;
  }
}

// Posts the first marker the moment the main window is gone (or the
// process, should its window be seen a little longer).
void MarkWindowGone(HWND main, DebuggedKlikvane& program, HWND target, DWORD quitAt) {
  while (IsWindow(main) && program.WaitForExit(0) == STILL_ACTIVE && GetTickCount() - quitAt < kEndBoundMs) Sleep(1);
  PostMessageA(target, WM_MOUSEMOVE, 0, kGoneMarker);
}

}  // namespace

const char* WayOutName(WayOut way) {
  static const char* const kNames[kWayOutCount] = {"Control+Q", "menu 退出", "system close", "Alt+F4",
                                                   "WM_CLOSE",  "ExitProgram on a thread", "session end"};
  return kNames[static_cast<int>(way)];
}

std::string Describe(const QuitOutcome& o) {
  std::ostringstream out;
  out << "started " << o.started() << " (" << o.messagesAtStart << " messages" << (o.boxAtStart ? ", a box" : "")
      << "), exit code " << o.exitCode << ", exit routine " << o.exitRoutineEntries
      << (o.exitRoutineOnMainThread ? " (main thread)" : " (other thread)") << ", session end refused "
      << o.sessionEndRefused << ", error box \"" << o.errorBox << "\", " << (o.endedInTime ? "ended after " : "not ended after ")
      << o.endMs << " ms, late clicks "
      << o.lateClicks;
  return out.str();
}

QuitOutcome QuitDuringRun(WayOut way, DWORD pauseMs) {
  QuitOutcome outcome;
  ClickTarget target(kTargetTitle, 600, 420, 300, 200);
  ProgramFolderCopy folder("pointing_quit_run");
  WriteWholeFile(folder.settingsFile(), Settings());
  DebuggedKlikvane program(folder.program(), folder.folder());
  HWND main = program.WaitForMainWindow();
  if (!target.ready() || main == nullptr) return outcome;
  KlikvaneWindow window(main, program.id());
  window.Press(window.LoadButton());
  window.ClickInto();
  window.Press(window.StartButton());
  outcome.messagesAtStart = target.WaitFor(6, kStartBoundMs).size();
  outcome.boxAtStart = !outcome.started() && MessageBoxShown(program.id());
  Sleep(pauseMs);

  DWORD quitAt = GetTickCount();
  Quit(way, main, program, outcome);
  MarkWindowGone(main, program, target.window(), quitAt);
  DWORD left = kEndBoundMs - std::min(kEndBoundMs, GetTickCount() - quitAt);
  outcome.exitCode = program.WaitForExit(left);
  outcome.endMs = GetTickCount() - quitAt;
  outcome.endedInTime = outcome.exitCode != STILL_ACTIVE;
  if (HWND box = WaitForMessageBox(program.id(), "错误", 0)) {
    outcome.errorBox = MessageBoxText(box);
    DismissMessageBox(box);
  } else if (outcome.exitCode == STILL_ACTIVE && MessageBoxShown(program.id())) {
    outcome.errorBox = "(a message box)";
  }
  // The end code of a program that took too long, for the report; endMs
  // stays the time the bound ran out.
  if (outcome.exitCode == STILL_ACTIVE) outcome.exitCode = program.WaitForExit(10000);
  outcome.exitRoutineEntries = program.exitRoutineEntries();
  outcome.exitRoutineOnMainThread = program.exitRoutineOnMainThread();
  PostMessageA(target.window(), WM_MOUSEMOVE, 0, kEndMarker);
  DWORD waitStart = GetTickCount();
  std::vector<ReceivedMessage> messages = target.Received();
  while (Count(messages, kEndMarker) == 0 && GetTickCount() - waitStart < 5000) {
    Sleep(20);
    messages = target.Received();
  }
  outcome.lateClicks = PlanClicksBetweenMarkers(messages);
  return outcome;
}

}  // namespace klvtest
