// Soak run: a ten-row delay-0 background plan against the recording target,
// started and stopped every few seconds while rows are added and deleted,
// for the given time (default ten minutes). Prints handles, memory and
// processor time at the start and at the end, and every minute between.
//   bench_soak.exe [seconds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "bench/linux_cpu.h"
#include "clicker/units.h"
#include "tests/clicking/operator_actions.h"
#include "tests/support/click_target.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/process_footprint.h"

namespace {

using namespace klv::clicker;

struct Footprint {
  DWORD handles;
  double privateMiB;
  double processorMs;
};

Footprint Measure(const std::string& self) {
  return {klvtest::OpenHandles(), klvtest::PrivateCommittedBytes() / 1048576.0, klvbench::LinuxCpuMs(self)};
}

void Print(const char* when, int seconds, const Footprint& f, long clicks) {
  std::printf("%-6s %5d s  handles %5lu  private %7.1f MiB  processor %9.0f ms  clicks %ld\n", when, seconds,
              f.handles, f.privateMiB, f.processorMs, clicks);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 600;
  klvtest::ClickTarget target("Klikvane soak target", 520, 380, 300, 200);
  if (!target.ready()) return 1;
  klvtest::StartKlikvaneInProcess();
  klvtest::BringMainWindowToFront();
  if (!klvtest::ChooseBackgroundTarget("Klikvane soak target")) return 1;
  klvtest::ClearPlan();
  for (int row = 0; row < 10; ++row) klvtest::AddPlanRow(10 + row * 5, 20 + row * 3, 0);
  klvtest::ParkCursor();
  std::string self = klvbench::LinuxProcessDirectory("bench_soak");
  Footprint start = Measure(self);
  Print("start", 0, start, 0);
  DWORD began = GetTickCount();
  int cycle = 0;
  int lastReport = 0;
  while (static_cast<int>((GetTickCount() - began) / 1000) < seconds) {
    klvtest::RaiseClickedEvent(Unit::kButtonStart);
    klvtest::Pump(2500);
    // Edit the plan while it runs: one row added, the first one deleted.
    klvtest::AddPlanRow(1, 1, 0);
    klvtest::SelectPlanRow(0);
    klv::EventNotice remove = {0x52010001, 0x26013509, 0, 0, {0, 0, 0, 0, 0}, 0, 0};
    klv::DispatchEvent(&remove);
    klvtest::Pump(500);
    klvtest::RaiseClickedEvent(Unit::kButtonStop);
    klvtest::Pump(200);
    ++cycle;
    int elapsed = static_cast<int>((GetTickCount() - began) / 1000);
    if (elapsed - lastReport >= 60) {
      lastReport = elapsed;
      Print("during", elapsed, Measure(self), static_cast<long>(target.Received().size()));
    }
  }
  Footprint end = Measure(self);
  Print("end", static_cast<int>((GetTickCount() - began) / 1000), end, static_cast<long>(target.Received().size()));
  std::printf("%d start/stop cycles; growth: handles %+ld, private memory %+.1f MiB\n", cycle,
              static_cast<long>(end.handles) - static_cast<long>(start.handles), end.privateMiB - start.privateMiB);
  return 0;
}
