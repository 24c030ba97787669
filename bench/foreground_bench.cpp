// Foreground clicks at delay 0: the program's run against two bare loops on
// a thread of this process, one per way of synthesising a click: the
// cursor moved, a press and release that carry no point, the cursor moved
// back (the earlier way); or one batch of input whose press and release
// carry their point, the move back after them (the program's way).
#include "bench/click_sections.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench/linux_cpu.h"
#include "clicker/click_messages.h"
#include "tests/support/target_log.h"

namespace klvbench {
namespace {

enum class Way { kMovedCursor, kOneBatch };

struct Loop {
  Way way;
  POINT point;
  volatile long stop = 0;
};

void ClickByMovingTheCursor(POINT point) {
  POINT home;
  GetCursorPos(&home);
  SetCursorPos(point.x, point.y);
  mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  SetCursorPos(home.x, home.y);
}

// The batch the program sends, made by the program's own function.
void ClickInOneBatch(POINT point) {
  using namespace klv::clicker;
  POINT home;
  GetCursorPos(&home);
  const VirtualDesk desk = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  std::vector<MouseInput> inputs =
      ForegroundClickInputs({point.x, point.y}, {home.x, home.y}, kLeftButton, desk);
  SendInput(static_cast<UINT>(inputs.size()), reinterpret_cast<INPUT*>(inputs.data()), sizeof(INPUT));
}

DWORD WINAPI RunLoop(void* parameter) {
  Loop* loop = static_cast<Loop*>(parameter);
  while (!loop->stop) {
    if (loop->way == Way::kMovedCursor) {
      ClickByMovingTheCursor(loop->point);
    } else {
      ClickInOneBatch(loop->point);
    }
  }
  return 0;
}

// The target's messages from the position on, once no new one has come for
// half a second: synthesised input waits in the target's queue behind any
// posted message, so a marker cannot tell that the queue is worked off.
std::vector<klvtest::ReceivedMessage> SettledMessagesFrom(size_t from) {
  std::vector<klvtest::ReceivedMessage> messages = klvtest::QueuedBetween(from);
  for (int waited = 0; waited < 120; ++waited) {
    Sleep(500);
    std::vector<klvtest::ReceivedMessage> now = klvtest::QueuedBetween(from);
    if (now.size() == messages.size()) break;
    messages = std::move(now);
  }
  return messages;
}

// Presses per second synthesised while something clicked, as the target
// took them, and how many of them landed away from the point.
struct Round {
  double perSecond = 0;
  size_t elsewhere = 0;
};

Round Measure(const std::function<void()>& start, const std::function<void()>& stop, POINT client, double seconds) {
  const size_t from = klvtest::MarkTarget();
  const DWORD began = GetTickCount();
  start();
  Sleep(static_cast<DWORD>(seconds * 1000));
  stop();
  const DWORD took = GetTickCount() - began;
  Round round;
  size_t presses = 0;
  const uint32_t at = klvtest::Packed(client.x, client.y);
  for (const klvtest::ReceivedMessage& m : SettledMessagesFrom(from)) {
    if (m.message != WM_LBUTTONDOWN) continue;
    ++presses;
    if (m.lParam != at) ++round.elsewhere;
  }
  round.perSecond = static_cast<double>(presses) * 1000 / took;
  return round;
}

Round BareLoop(Way way, POINT screen, POINT client, double seconds) {
  Loop loop = {way, screen};
  HANDLE thread = nullptr;
  return Measure([&] { thread = CreateThread(nullptr, 0, &RunLoop, &loop, 0, nullptr); },
                 [&] {
                   loop.stop = 1;
                   WaitForSingleObject(thread, INFINITE);
                   CloseHandle(thread);
                 },
                 client, seconds);
}

void PrintRounds(const char* what, std::vector<Round> rounds) {
  std::vector<double> rates;
  size_t elsewhere = 0;
  for (const Round& r : rounds) {
    rates.push_back(r.perSecond);
    elsewhere += r.elsewhere;
  }
  std::sort(rates.begin(), rates.end());
  std::printf("%-40s %8.0f %8.0f %8.0f %10zu\n", what, rates.front(), rates[rates.size() / 2], rates.back(), elsewhere);
}

}  // namespace

void ForegroundSection(KlikvaneProgram& program, double scale) {
  const double seconds = 2 * std::max(scale, 0.1);
  const int rounds = 5;
  const POINT origin = klvtest::Target().clientOrigin();
  const POINT client = {60, 70}, screen = {origin.x + client.x, origin.y + client.y};
  std::printf("\nForeground clicks, one row with delay 0 on the target (presses per second; %d rounds of %.0f s "
              "taken in turns; load average before: %s)\n",
              rounds, seconds, LoadAverage().c_str());
  std::vector<Round> klikvane, moved, batch;
  for (int round = 0; round < rounds; ++round) {
    SetCursorPos(1010, 750);
    program.LoadPlan("", 1, 0, screen.x, screen.y, false);
    klikvane.push_back(Measure([&] { program.Start(); }, [&] { program.Stop(); }, client, seconds));
    moved.push_back(BareLoop(Way::kMovedCursor, screen, client, seconds));
    batch.push_back(BareLoop(Way::kOneBatch, screen, client, seconds));
  }
  std::printf("%-40s %8s %8s %8s %10s\n", "", "min", "median", "max", "elsewhere");
  PrintRounds("Klikvane runner", klikvane);
  PrintRounds("bare loop, cursor moved (earlier way)", moved);
  PrintRounds("bare loop, one batch (the program's way)", batch);
  std::printf("load average after: %s\n", LoadAverage().c_str());
  std::fflush(stdout);
}

}  // namespace klvbench
