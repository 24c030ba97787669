#include "tests/support/timer_call_watch.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "tests/support/import_slots.h"

namespace klvtest {
namespace {

using PeriodFunction = UINT(WINAPI*)(UINT);
using TimerExFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPCWSTR, DWORD, DWORD);
using TimerFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR);
using GetProcAddressFunction = FARPROC(WINAPI*)(HMODULE, LPCSTR);

constexpr DWORD kHighResolutionFlag = 0x2;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

GetProcAddressFunction g_realGetProcAddress = nullptr;
PeriodFunction g_realBegin = nullptr, g_realEnd = nullptr;
TimerExFunction g_realTimerEx = nullptr;
TimerFunction g_realTimer = nullptr;
std::string g_logPath;
volatile long g_refuse = 0;
volatile long g_counts[6] = {};  // in the order of TimerCalls

void Count(int which) { InterlockedIncrement(&g_counts[which]); }

void Log(const char* function, UINT period) {
  if (g_logPath.empty()) return;
  HANDLE file = CreateFileA(g_logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string line = std::string(function) + " " + std::to_string(period) + "\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

UINT WINAPI WatchedBeginPeriod(UINT period) {
  Count(period == 1 ? 0 : 2);
  Log("timeBeginPeriod", period);
  return g_realBegin(period);
}

UINT WINAPI WatchedEndPeriod(UINT period) {
  Count(period == 1 ? 1 : 2);
  Log("timeEndPeriod", period);
  return g_realEnd(period);
}

HANDLE WINAPI WatchedTimerEx(LPSECURITY_ATTRIBUTES attributes, LPCWSTR name, DWORD flags, DWORD access) {
  if ((flags & kHighResolutionFlag) && g_refuse) {
    Count(4);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HANDLE timer = g_realTimerEx(attributes, name, flags, access);
  if ((flags & kHighResolutionFlag) && timer) Count(3);
  return timer;
}

HANDLE WINAPI WatchedTimer(LPSECURITY_ATTRIBUTES attributes, BOOL manualReset, LPCSTR name) {
  Count(5);
  return g_realTimer(attributes, manualReset, name);
}

// Hands out the wrappers in place of the timer functions.
FARPROC WINAPI WatchedGetProcAddress(HMODULE module, LPCSTR name) {
  FARPROC address = g_realGetProcAddress(module, name);
  if (address == nullptr || HIWORD(reinterpret_cast<uintptr_t>(name)) == 0) return address;
  auto wrap = [&](auto& real, auto wrapper) {
    real = reinterpret_cast<std::remove_reference_t<decltype(real)>>(address);
    return reinterpret_cast<FARPROC>(wrapper);
  };
  if (std::strcmp(name, "timeBeginPeriod") == 0) return wrap(g_realBegin, &WatchedBeginPeriod);
  if (std::strcmp(name, "timeEndPeriod") == 0) return wrap(g_realEnd, &WatchedEndPeriod);
  if (std::strcmp(name, "CreateWaitableTimerExW") == 0) return wrap(g_realTimerEx, &WatchedTimerEx);
  if (std::strcmp(name, "CreateWaitableTimerA") == 0) return wrap(g_realTimer, &WatchedTimer);
  return address;
}

}  // namespace

void WatchTimerCalls(const char* logPath) {
  if (logPath) g_logPath = logPath;
  if (g_realGetProcAddress) return;
  g_realGetProcAddress = &GetProcAddress;  // through the import table, before it changes
  RedirectImports(reinterpret_cast<void*>(g_realGetProcAddress), reinterpret_cast<void*>(&WatchedGetProcAddress));
}

TimerCalls CountedTimerCalls() {
  return {g_counts[0], g_counts[1], g_counts[2], g_counts[3], g_counts[4], g_counts[5]};
}

void RefuseHighResolutionTimers(bool refuse) { InterlockedExchange(&g_refuse, refuse ? 1 : 0); }

}  // namespace klvtest
