// Klikvane itself (its image, code and runtime) believing its own integrity
// level is the one named second, with its calls of
// ChangeWindowMessageFilterEx written, one line each, to the file named first:
//   leveled_klikvane.exe <log file> <own integrity level, decimal>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/klikvane_image.h"
#include "runtime/app_runtime.h"
#include "tests/support/bound_functions.h"
#include "tests/support/integrity_fakes.h"
#include "tests/support/line_log.h"

namespace {

using FilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);

const char* g_logPath = nullptr;
void* g_realFilter = nullptr;

// "<window> <message> <action> <extra>", numbers in hex.
BOOL WINAPI WatchedFilter(HWND window, UINT message, DWORD action, void* extra) {
  char line[96];
  std::snprintf(line, sizeof line, "%lx %x %lx %lx", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)),
                message, action, static_cast<unsigned long>(reinterpret_cast<uintptr_t>(extra)));
  klvtest::AppendLogLine(g_logPath, line);
  return reinterpret_cast<FilterFunction>(g_realFilter)(window, message, action, extra);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  g_logPath = argv[1];
  klvtest::StandInFor("ChangeWindowMessageFilterEx", reinterpret_cast<void*>(&WatchedFilter), &g_realFilter);
  klvtest::InterceptIntegrityReads();
  klvtest::IntegrityScenario scenario;
  scenario.ownLevel = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
  klvtest::FakedIntegrity faked(scenario);
  return klv::RunProgram(&klv::kProgramImage);
}
