// Click timing while the window is busy loading a large plan.
#include "bench/click_sections.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace klvbench {

// A one-row run at 10 ms while the window loads a plan of that many rows (it
// fills its list row by row and serves nothing else meanwhile), against the
// same run with the window idle. The loaded rows have the same delay; a row
// read while the loader has inserted it but not yet filled its cells waits
// no delay, which shows as an interval shorter than the delay.
void BusySection(KlikvaneProgram& klikvane, double scale) {
  constexpr int kDelay = 10;
  int rows = std::max(100, static_cast<int>(1000 * scale));
  Spread idle = SpreadOf(KlikvaneOvershoots(klikvane, kDelay, 200));
  klikvane.LoadPlan(klvtest::kTargetTitle, 1, kDelay);
  size_t from = klvtest::MarkTarget();
  klikvane.Start();
  Sleep(300);
  size_t loadFrom = klvtest::MarkTarget();
  double start = NowMs();
  klikvane.LoadPlan(klvtest::kTargetTitle, rows, kDelay);  // returns once the window has loaded it
  double loading = NowMs() - start;
  size_t loadTo = klvtest::MarkTarget(60000);
  klikvane.Stop();
  std::vector<ReceivedMessage> during = klvtest::QueuedBetween(loadFrom, loadTo);
  std::vector<double> overshoots = Overshoots(during, kDelay, SIZE_MAX);
  size_t early = static_cast<size_t>(std::count_if(overshoots.begin(), overshoots.end(),
                                                   [](double o) { return o < -kDelay / 2.0; }));
  Spread busy = SpreadOf(overshoots);
  klvtest::QueuedBetween(from, klvtest::MarkTarget(60000));
  std::printf("\nClick timing at %d ms while the window loads a %d-row plan (%.0f ms of loading)\n", kDelay, rows,
              loading);
  std::printf("                      samples   median     p99\n");
  std::printf("window idle           %7u  %7.2f %7.2f\n", static_cast<unsigned>(idle.samples), idle.median, idle.p99);
  std::printf("window loading        %7u  %7.2f %7.2f   (%u clicks of half-loaded rows came early)\n",
              static_cast<unsigned>(busy.samples), busy.median, busy.p99, static_cast<unsigned>(early));
  std::fflush(stdout);
}

}  // namespace klvbench
