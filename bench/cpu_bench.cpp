// Processor use: the real program loaded in this process, running and idle,
// against a bare loop clicking as often.
#include "bench/click_sections.h"

#include <algorithm>
#include <cstdio>

#include "bench/bare_click_loop.h"
#include "bench/linux_cpu.h"
#include "clicker/units.h"
#include "tests/support/operator_actions.h"

namespace klvbench {

namespace {

struct CpuUse {
  double process, server;  // percent of one core
};

// Over the given time: this process and the Wine server, which every Wine
// process of the session (the target's among them) keeps busy.
class CpuMeter {
 public:
  CpuMeter() : own_(LinuxProcessDirectory("bench_clicking.exe")), server_(WineServerDirectory()) {}
  bool ready() const { return !own_.empty(); }
  CpuUse Measure(double seconds) const {
    double process = LinuxCpuMs(own_), server = LinuxCpuMs(server_), wall = NowMs();
    Serve(seconds * 1000);
    wall = NowMs() - wall;
    return {100 * (LinuxCpuMs(own_) - process) / wall, 100 * (LinuxCpuMs(server_) - server) / wall};
  }

 private:
  std::string own_, server_;
};

// Klikvane loaded in this process: the runner, and this thread serving its
// reads of the controls as the program's message loop would.
CpuUse KlikvaneCpu(const CpuMeter& meter, double seconds, bool run) {
  klvtest::ClearPlan();
  klvtest::AddPlanRow(10, 20, 1000);
  if (run) klvtest::RaiseClickedEvent(klv::clicker::Unit::kButtonStart);
  CpuUse use = meter.Measure(seconds);
  if (run) klvtest::RaiseClickedEvent(klv::clicker::Unit::kButtonStop);
  return use;
}

}  // namespace

CpuUse BareCpu(const CpuMeter& meter, double seconds) {
  BareClickLoop loop(klvtest::Target().window(), 10, 20, 1000, -1);
  return meter.Measure(seconds);
}

void CpuSection(double scale) {
  CpuMeter meter;
  if (!meter.ready()) {
    std::printf("\nProcessor use: this process was not found under Z:\\proc\n");
    return;
  }
  double seconds = 10 * std::max(scale, 0.1);
  CpuUse running = KlikvaneCpu(meter, seconds, true);
  CpuUse idle = KlikvaneCpu(meter, seconds, false);
  CpuUse bare = BareCpu(meter, seconds);
  klvtest::MarkTarget();
  std::printf("\nProcessor use over %.0f s, percent of one core (Linux's count, every thread)\n", seconds);
  std::printf("                                            this process   Wine server\n");
  std::printf("Klikvane, one-row plan with delay 1000 ms   %12.3f   %11.3f\n", running.process, running.server);
  std::printf("Klikvane loaded, not running                %12.3f   %11.3f\n", idle.process, idle.server);
  std::printf("bare loop clicking once per 1000 ms         %12.3f   %11.3f\n", bare.process, bare.server);
  std::fflush(stdout);
}

}  // namespace klvbench
