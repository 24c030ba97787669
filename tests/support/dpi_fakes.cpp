#include "tests/support/dpi_fakes.h"

#include <atomic>
#include <mutex>

#include "tests/support/bound_functions.h"

namespace klvtest {
namespace {

using WindowContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using MoveFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using WindowDpiFunction = UINT(WINAPI*)(HWND);

void* g_realWindowContext = nullptr;
void* g_realMove = nullptr;
void* g_realWindowDpi = nullptr;
std::atomic<const DpiScenario*> g_scenario{nullptr};
std::atomic<long> g_calls{0};
std::mutex g_lock;
std::vector<ThreadMove> g_moves;

// The scenario's answer for the window, or nothing.
template <typename T>
bool Answered(const std::vector<std::pair<HWND, T>>& answers, HWND window, T* answer) {
  for (const auto& entry : answers) {
    if (entry.first != window) continue;
    *answer = entry.second;
    return true;
  }
  return false;
}

DPI_AWARENESS_CONTEXT WINAPI FakeWindowContext(HWND window) {
  const DpiScenario* scenario = g_scenario;
  DPI_AWARENESS_CONTEXT context = nullptr;
  if (scenario == nullptr) return reinterpret_cast<WindowContextFunction>(g_realWindowContext)(window);
  ++g_calls;
  if (Answered(scenario->contexts, window, &context)) return context;
  return reinterpret_cast<WindowContextFunction>(g_realWindowContext)(window);
}

DPI_AWARENESS_CONTEXT WINAPI FakeMove(DPI_AWARENESS_CONTEXT context) {
  const DpiScenario* scenario = g_scenario;
  if (scenario == nullptr) return reinterpret_cast<MoveFunction>(g_realMove)(context);
  ++g_calls;
  DPI_AWARENESS_CONTEXT answer = nullptr;
  if (scenario->refuseMoves) {
    SetLastError(ERROR_INVALID_PARAMETER);
  } else {
    answer = reinterpret_cast<MoveFunction>(g_realMove)(context);
  }
  std::lock_guard<std::mutex> guard(g_lock);
  g_moves.push_back({GetCurrentThreadId(), context, answer});
  return answer;
}

UINT WINAPI FakeWindowDpi(HWND window) {
  const DpiScenario* scenario = g_scenario;
  UINT dpi = 0;
  if (scenario == nullptr) return reinterpret_cast<WindowDpiFunction>(g_realWindowDpi)(window);
  ++g_calls;
  if (Answered(scenario->dpis, window, &dpi)) return dpi;
  return reinterpret_cast<WindowDpiFunction>(g_realWindowDpi)(window);
}

}  // namespace

const std::vector<const char*>& DpiFunctionNames() {
  static const std::vector<const char*> names = {"GetWindowDpiAwarenessContext", "SetThreadDpiAwarenessContext",
                                                 "GetDpiForWindow"};
  return names;
}

void InterceptDpiCalls() {
  void* const standIns[] = {reinterpret_cast<void*>(&FakeWindowContext), reinterpret_cast<void*>(&FakeMove),
                            reinterpret_cast<void*>(&FakeWindowDpi)};
  void** const reals[] = {&g_realWindowContext, &g_realMove, &g_realWindowDpi};
  for (size_t i = 0; i < DpiFunctionNames().size(); ++i) StandInFor(DpiFunctionNames()[i], standIns[i], reals[i]);
}

FakedDpi::FakedDpi(const DpiScenario& scenario) {
  g_calls = 0;
  {
    std::lock_guard<std::mutex> guard(g_lock);
    g_moves.clear();
  }
  g_scenario = new DpiScenario(scenario);
}

FakedDpi::~FakedDpi() { delete g_scenario.exchange(nullptr); }

std::vector<ThreadMove> FakedDpi::moves() const {
  std::lock_guard<std::mutex> guard(g_lock);
  return g_moves;
}

long FakedDpi::calls() const { return g_calls; }

}  // namespace klvtest
