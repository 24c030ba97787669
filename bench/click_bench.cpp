// Clicking benchmarks: the real Klikvane.exe (its runner, its own message
// loop serving the runner's reads of the controls) against a bare loop in
// this process that only posts a click and waits on a waitable timer. Both
// click a recording target in a third process that stamps each message with
// QueryPerformanceCounter.
//   bench_clicking.exe [timing|busy|cpu|throughput|all|profile] [scale]
//   bench_clicking.exe background <scale> <baseline Klikvane.exe>
//   bench_clicking.exe lookups [scale]
// "profile" (not part of all) runs the profiling build of the program and
// prints where its steps' time went, part by part; "lookups" (not part of
// all) times each lookup of a background step in this process.
// Klikvane.exe is the one built beside the bin folder; scale (default 1)
// multiplies the number of samples and the run times. "background" sets the
// steps per second of background runs against another build of the program,
// on a window without children (title loaded, title picked from the list)
// and on a nested child of a target with children. "lookups" times each
// lookup of a background step by itself, in this process.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/click_sections.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/operator_actions.h"

int main(int argc, char** argv) {
  std::string which = argc > 1 ? argv[1] : "all";
  double scale = argc > 2 ? std::atof(argv[2]) : 1.0;
  if (!klvtest::Target().ready()) {
    std::fprintf(stderr, "the recording target did not come up\n");
    return 1;
  }
  SetCursorPos(1010, 750);  // away from every window
  if (which != "cpu" && which != "lookups" && which != "profile") {
    klvtest::KlikvaneProgram program(klvtest::ProgramFolder() + "\\..\\Klikvane.exe");
    if (!program.ready()) {
      std::fprintf(stderr, "Klikvane did not come up\n");
      return 1;
    }
    if (which == "all" || which == "timing") klvbench::TimingSection(program, scale);
    if (which == "all" || which == "busy") klvbench::BusySection(program, scale);
    if (which == "all" || which == "throughput") klvbench::ThroughputSection(program, scale);
    if (which == "background" && argc > 3) klvbench::BackgroundSection(program, argv[3], scale);
    if (which == "foreground") klvbench::ForegroundSection(program, scale);
  }
  if (which == "lookups") {
    klvtest::StartKlikvaneInProcess();
    klvbench::LookupSection(scale);
  }
  if (which == "all" || which == "cpu") {
    klvtest::StartKlikvaneInProcess();
    if (!klvtest::ChooseBackgroundTarget(klvtest::kTargetTitle)) {
      std::fprintf(stderr, "the recording target could not be chosen\n");
      return 1;
    }
    klvbench::CpuSection(scale);
  }
  if (which == "profile") klvbench::ProfileSection(scale);
  return 0;
}
