#include "clicker/program_start.h"

#include "clicker/globals.h"
#include "clicker/run_pace.h"
#include "clicker/runner.h"
#include "clicker/runtime_access.h"

namespace klv::clicker {
namespace {

void ExitRoutine() {
  // The exit may come while a run goes on.
  GiveBackRunPace();
  ReleaseGlobals();
}

// The program's own start routine has nothing to do.
void StartRoutine() {}

}  // namespace

int ProgramStart(const SupportEntries* support) {
  SetSupport(support);
  Support().CallRuntimeService(RuntimeService::kInitRuntime, 0, 0);
  CreateGlobals();
  Support().CallRuntimeService(RuntimeService::kSetExitHook,
                          static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&ExitRoutine)), 0);
  Support().CallRuntimeService(RuntimeService::kSetEndingHook,
                          static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&StopRunForExit)), 0);
  StartRoutine();
  Support().LoadStartWindow(kMainWindowId);
  Support().RunMessageLoop();
  return 0;
}

}  // namespace klv::clicker
