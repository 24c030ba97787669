// The DPI awareness contexts Klikvane reads and sets, answered by the test:
// the program's GetWindowDpiAwarenessContext, SetThreadDpiAwarenessContext
// and GetDpiForWindow are stand-ins (tests/support/bound_functions.h) that
// pass every call on to the system, except where a scenario answers
// otherwise; while a scenario is set, every move of a thread is logged.
// Under Wine a child window always has its top-level window's awareness and
// every context is taken, so mixed awareness and refusals are shown here.
#pragma once
#include <windows.h>

#include <utility>
#include <vector>

namespace klvtest {

struct DpiScenario {
  // Windows whose context, or DPI, is answered by the test.
  std::vector<std::pair<HWND, DPI_AWARENESS_CONTEXT>> contexts;
  std::vector<std::pair<HWND, UINT>> dpis;
  // Every move refused as a system refuses a context it does not know
  // (null, ERROR_INVALID_PARAMETER).
  bool refuseMoves = false;
};

// One SetThreadDpiAwarenessContext: the calling thread, the context asked
// for and the answer (the context before, or null).
struct ThreadMove {
  DWORD thread;
  DPI_AWARENESS_CONTEXT context;
  DPI_AWARENESS_CONTEXT answer;
};

// Installs the stand-ins (once per process); before the runtime binds them.
void InterceptDpiCalls();
// The names the stand-ins are bound under, for hiding them all.
const std::vector<const char*>& DpiFunctionNames();

// The scenario for as long as the object lives.
class FakedDpi {
 public:
  explicit FakedDpi(const DpiScenario& scenario = {});
  ~FakedDpi();
  FakedDpi(const FakedDpi&) = delete;
  FakedDpi& operator=(const FakedDpi&) = delete;
  // The moves so far, in order.
  std::vector<ThreadMove> moves() const;
  // How many calls of the three functions reached the stand-ins so far.
  long calls() const;
};

}  // namespace klvtest
