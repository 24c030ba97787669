#include "tests/display_scale/unaware_klikvane.h"

#include <windows.h>

#include <atomic>

#include "tests/support/bound_functions.h"
#include "tests/support/dpi_awareness.h"

namespace klvtest {
namespace {

using CreateThreadFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD,
                                             LPDWORD);

void* g_realCreateThread = nullptr;
std::atomic<long> g_started{0}, g_startedUnaware{0};
bool g_madeUnaware = false;

struct ThreadStart {
  LPTHREAD_START_ROUTINE routine;
  void* parameter;
};

DWORD WINAPI UnawareThread(void* parameter) {
  ThreadStart start = *static_cast<ThreadStart*>(parameter);
  delete static_cast<ThreadStart*>(parameter);
  if (SetThreadAwareness(ContextOf(Awareness::kUnaware))) ++g_startedUnaware;
  return start.routine(start.parameter);
}

HANDLE WINAPI CreateUnawareThread(LPSECURITY_ATTRIBUTES attributes, SIZE_T stack, LPTHREAD_START_ROUTINE routine,
                                  LPVOID parameter, DWORD flags, LPDWORD id) {
  ++g_started;
  auto* start = new ThreadStart{routine, parameter};
  HANDLE thread = reinterpret_cast<CreateThreadFunction>(g_realCreateThread)(attributes, stack, &UnawareThread, start,
                                                                            flags, id);
  if (thread == nullptr) delete start;
  return thread;
}

}  // namespace

bool MakeKlikvaneUnaware() {
  StandInFor("CreateThread", reinterpret_cast<void*>(&CreateUnawareThread), &g_realCreateThread);
  g_madeUnaware = SetThreadAwareness(ContextOf(Awareness::kUnaware)) != nullptr;
  return g_madeUnaware;
}

bool KlikvaneMadeUnaware() { return g_madeUnaware; }

long ThreadsStarted() { return g_started; }
long ThreadsStartedUnaware() { return g_startedUnaware; }

}  // namespace klvtest
