#include "tests/support/pace_call_watch.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "tests/support/bound_functions.h"
#include "tests/support/line_log.h"

namespace klvtest {
namespace {

using PeriodFunction = UINT(WINAPI*)(UINT);
using TimerExFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPCWSTR, DWORD, DWORD);
using TimerFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR);
using ProcessInformationFunction = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);

constexpr DWORD kHighResolutionFlag = 0x2;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr int kPowerThrottling = 4;         // ProcessPowerThrottling
constexpr ULONG kDeclinedKinds = 0x1 | 0x4;  // execution speed, timer resolution

void* g_realBegin = nullptr;
void* g_realEnd = nullptr;
void* g_realTimerEx = nullptr;
void* g_realTimer = nullptr;
void* g_realProcessInformation = nullptr;
std::string g_logPath;
volatile long g_refuseTimers = 0;
volatile long g_refuseInformation = 0;
volatile long g_counts[9] = {};  // in the order of PaceCalls

template <typename Function>
Function Real(void* address) {
  return reinterpret_cast<Function>(address);
}

void Count(int which) { InterlockedIncrement(&g_counts[which]); }

void Log(const std::string& line) {
  if (g_logPath.empty()) return;
  AppendLogLine(g_logPath, line);
}

UINT WINAPI WatchedBeginPeriod(UINT period) {
  Count(period == 1 ? 0 : 2);
  Log("timeBeginPeriod " + std::to_string(period));
  return Real<PeriodFunction>(g_realBegin)(period);
}

UINT WINAPI WatchedEndPeriod(UINT period) {
  Count(period == 1 ? 1 : 2);
  Log("timeEndPeriod " + std::to_string(period));
  return Real<PeriodFunction>(g_realEnd)(period);
}

HANDLE WINAPI WatchedTimerEx(LPSECURITY_ATTRIBUTES attributes, LPCWSTR name, DWORD flags, DWORD access) {
  if ((flags & kHighResolutionFlag) && g_refuseTimers) {
    Count(4);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HANDLE timer = Real<TimerExFunction>(g_realTimerEx)(attributes, name, flags, access);
  if ((flags & kHighResolutionFlag) && timer) Count(3);
  return timer;
}

HANDLE WINAPI WatchedTimer(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, LPCSTR name) {
  Count(5);
  return Real<TimerFunction>(g_realTimer)(attributes, manualReset, name);
}

// Checked field by field: version 1, the kinds decided by the process, none
// of them throttled; anything else is counted apart. The call itself is
// answered here: what the system does with it cannot be seen under test.
BOOL WINAPI WatchedProcessInformation(HANDLE process, int informationClass, LPVOID information, DWORD size) {
  const auto* state = static_cast<const ULONG*>(information);
  bool throttling = process == GetCurrentProcess() && informationClass == kPowerThrottling && size == 12 &&
                    state && state[0] == 1 && state[2] == 0;
  if (throttling && state[1] == kDeclinedKinds) {
    Count(6);
  } else if (throttling && state[1] == 0) {
    Count(7);
  } else {
    Count(8);
  }
  if (state && size >= 12) Log("SetProcessInformation " + std::to_string(state[1]) + " " + std::to_string(state[2]));
  if (g_refuseInformation) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void WatchPaceCalls(const char* logPath) {
  if (logPath) g_logPath = logPath;
  StandInFor("timeBeginPeriod", reinterpret_cast<void*>(&WatchedBeginPeriod), &g_realBegin);
  StandInFor("timeEndPeriod", reinterpret_cast<void*>(&WatchedEndPeriod), &g_realEnd);
  StandInFor("CreateWaitableTimerExW", reinterpret_cast<void*>(&WatchedTimerEx), &g_realTimerEx);
  StandInFor("CreateWaitableTimerA", reinterpret_cast<void*>(&WatchedTimer), &g_realTimer);
  StandInFor("SetProcessInformation", reinterpret_cast<void*>(&WatchedProcessInformation), &g_realProcessInformation);
}

PaceCalls CountedPaceCalls() {
  return {g_counts[0], g_counts[1], g_counts[2], g_counts[3], g_counts[4],
          g_counts[5], g_counts[6], g_counts[7], g_counts[8]};
}

void RefuseHighResolutionTimers(bool refuse) { InterlockedExchange(&g_refuseTimers, refuse ? 1 : 0); }

void RefuseProcessInformation(bool refuse) { InterlockedExchange(&g_refuseInformation, refuse ? 1 : 0); }

}  // namespace klvtest
