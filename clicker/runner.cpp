#include "clicker/runner.h"

#include <atomic>
#include <optional>
#include <utility>

#include "clicker/call_table_handle.h"
#include "clicker/delivery.h"
#include "clicker/dpi_context.h"
#include "clicker/globals.h"
#include "clicker/plan_list.h"
#include "clicker/precise_wait.h"
#include "clicker/run_pace.h"
#include "clicker/runtime_access.h"
#include "clicker/step_profile.h"
#include "clicker/system_numbers.h"
#include "clicker/target_rights.h"
#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/report_list/report_list_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

// The runner is stopped cooperatively: it waits on its step timer and on this
// signal together and checks the signal before each step, so it always ends
// at a point where it holds nothing the user-interface thread needs. The
// signal is a manual-reset waitable timer set to fire at once; the flag set
// with it is what the runner tests between steps (a kernel object would cost
// a call to the system at every step).
uint32_t g_stopSignal = 0;
std::atomic<bool> g_stopRequested{false};
bool g_stopping = false;
// The program is ending: no run starts any more.
bool g_ending = false;
// How long a pass that finds no rows rests before it reads the count again.
constexpr int32_t kEmptyPlanRestMs = 5;

bool StopRequested() { return g_stopRequested.load(std::memory_order_acquire); }

void SetRunningButtons(bool running) {
  WriteUnitInteger(Unit::kButtonStart, Property::kDisabled, running ? 1 : 0);
  WriteUnitInteger(Unit::kButtonStop, Property::kDisabled, running ? 0 : 1);
}

enum class StepEnd { kNextRow, kPassEnded, kStopped };

// One row: read, click, wait. A row the plan no longer holds (a row deleted
// or a shorter plan loaded during the pass) ends the pass unclicked, and the
// next pass begins at the first row. The row's cells come from one state of
// the plan, the title and the picked window from one state of the title box,
// and the mode is read once for the lookup and the click together.
StepEnd RunStep(int32_t row, const WaitTimer& stepTimer, DeliveryState& delivery) {
  const std::optional<PlanStep> step = ReadPlanStep(row);
  MarkStepPart(StepPart::kPlanRow);
  if (!step) return StepEnd::kPassEnded;
  bool foreground = ForegroundModeChosen();
  MarkStepPart(StepPart::kMode);
  uint32_t target = foreground ? 0 : TargetOfTitleBox();
  MarkStepPart(StepPart::kTarget);
  if (StopRequested()) return StepEnd::kStopped;
  DeliverClickInMode(foreground, step->x, step->y, target, delivery);
  const bool stopped = PreciseWait(step->delay, 0, g_stopSignal, &stepTimer) == WaitEnd::kStopped;
  MarkStepPart(StepPart::kWait);
  return stopped ? StepEnd::kStopped : StepEnd::kNextRow;
}

// The globals hold a run's thread and stop signal from its start to its
// end; here owners take both over and close them.
void CloseRunHandles() {
  const CallTableHandle thread(std::exchange(Globals().runnerThread, 0));
  const CallTableHandle stopSignal(std::exchange(g_stopSignal, 0));
}

unsigned long __stdcall RunnerEntry(void*) {
  RunLoop();
  return 0;
}

// Waits for the runner thread to end while this (the user-interface) thread
// keeps serving what the runner asks of the controls.
void JoinRunner(uint32_t thread) {
  uint32_t handles[1] = {thread};
  for (;;) {
    uint32_t result =
        CallSystem(kMsgWaitForMultipleObjects, {1, Word(handles), 0, Wait::kInfinite, Wait::kAllInputButRaw});
    if (result != Wait::kObject0 + 1) return;  // ended, or the wait failed
    CallCore(core::kProcessPendingMessages, {});
  }
}

// Signals the runner and waits for it. A stop arriving while another one
// waits returns at once, unless the program is ending: then it waits too,
// because clean-up follows as soon as it returns.
void EndRunner() {
  if (!RunActive() || (g_stopping && !g_ending)) return;
  if (!g_stopping) {
    g_stopping = true;
    g_stopRequested.store(true, std::memory_order_release);
    int64_t now = 0;
    CallSystem(kSetWaitableTimer, {g_stopSignal, Word(&now), 0, 0, 0, 0});
  }
  JoinRunner(Globals().runnerThread);
  if (!RunActive()) return;  // a stop nested in the wait has finished the run
  GiveBackRunPace();
  CloseRunHandles();
  g_stopping = false;
}

}  // namespace

// A run is active exactly while its thread is held.
bool RunActive() { return Globals().runnerThread != 0; }

void StartRun() {
  if (RunActive() || g_ending) return;
  if (CountPlanRows() == 0) {
    CallCore(core::kShowMessageBox,
             {TextArgument(kConstants.emptyPlanMessage), IntegerArgument(MessageBoxStyle::kSystemModalInformation)});
    return;
  }
  // Foreground rows may point at any window: only the background target is checked.
  if (!ForegroundModeChosen() && RefusedAsElevated(TargetOfTitleBox())) return;
  SetRunningButtons(true);
  // A runner without its stop signal could never be stopped, so none starts
  // then. Like a thread that could not be created, this leaves the buttons as
  // a run shows them; the stop command sets them back.
  g_stopSignal = CallSystem(kCreateWaitableTimerA, {0, 1, 0});
  if (g_stopSignal == 0) return;
  g_stopRequested.store(false, std::memory_order_release);
  AskForRunPace();
  uint32_t threadId = 0;
  Globals().runnerThread = CallSystem(kCreateThread, {0, 0, Word(&RunnerEntry), 0, 0, Word(&threadId)});
  if (!RunActive()) {
    GiveBackRunPace();
    CloseRunHandles();
  }
}

void StopRun() {
  SetRunningButtons(false);
  EndRunner();
}

void StopRunForExit() {
  g_ending = true;
  EndRunner();
}

// One timer serves every wait of the run: made and closed once, not at
// every step. The thread stays in the target's DPI awareness context from
// one background click to the next, and leaves it when the run ends; the
// foreground clicks of the run know where the operator left the cursor.
void RunLoop() {
  WaitTimer stepTimer;
  DeliveryState delivery;
  StepProfileScope profile;
  while (!StopRequested()) {
    int32_t count = CountPlanRows();
    MarkStepPart(StepPart::kPassStart);
    if (count <= 0) {
      if (PreciseWait(kEmptyPlanRestMs, 0, g_stopSignal, &stepTimer) == WaitEnd::kStopped) return;
      continue;
    }
    for (int32_t row = 0; row < count; ++row) {
      const StepEnd end = RunStep(row, stepTimer, delivery);
      if (end == StepEnd::kStopped) return;
      if (end == StepEnd::kPassEnded) break;
    }
  }
}

// Fired from the plan list's row menu, the step runs while the list still
// holds the mouse capture, and a foreground click made then goes to the
// list instead of the window under the point: the capture is freed first.
void SingleStep() {
  CallSystem(kReleaseCapture, {});
  int32_t row = ReadUnitInteger(Unit::kPlanList, Property::kListSelection);
  if (row == -1) return;
  const std::optional<PlanStep> step = ReadPlanStep(row);
  if (!step) return;
  // The window a run's step would click now.
  uint32_t target = TargetOfTitleBox();
  if (!ForegroundModeChosen() && RefusedAsElevated(target)) return;
  DeliverClick(step->x, step->y, target);
}

}  // namespace klv::clicker
