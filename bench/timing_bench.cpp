// Click timing: the real program's intervals against the bare step's and
// the post-only loop's, at delays from 1 to 1000 ms.
#include "bench/click_sections.h"

#include <algorithm>
#include <cstdio>

#include "bench/bare_click_loop.h"
#include "bench/linux_cpu.h"

namespace klvbench {

namespace {

std::vector<double> BareOvershoots(int delay, size_t samples, StepLookup lookup) {
  RaiseTarget();
  size_t from = klvtest::MarkTarget();
  {
    BareClickLoop loop(klvtest::Target().window(), 10, 20, delay, static_cast<long>(samples) + 1, lookup,
                       klvtest::kTargetTitle);
    loop.Join();
  }
  return Overshoots(klvtest::QueuedBetween(from, klvtest::MarkTarget(60000)), delay, samples);
}

}  // namespace

// Beside the post-only loop, the bare step, which looks its window up by
// title before every click as Klikvane's step does: the step's own calls
// lie between two clicks, and so within the interval.
void TimingSection(KlikvaneProgram& program, double scale) {
  struct Row {
    int delay;
    size_t samples;
  };
  const Row rows[] = {{1, 400}, {10, 200}, {100, 60}, {1000, 20}};
  std::printf("Click timing: observed interval between button-downs at the target minus the delay (ms; load "
              "average before: %s)\n", LoadAverage().c_str());
  std::printf("delay ms  samples   Klikvane median   p99   bare step median   p99   post loop median   p99\n");
  for (const Row& row : rows) {
    size_t samples = std::max<size_t>(5, static_cast<size_t>(static_cast<double>(row.samples) * scale));
    Spread klikvane = SpreadOf(KlikvaneOvershoots(program, row.delay, samples));
    Spread step = SpreadOf(BareOvershoots(row.delay, samples, StepLookup::kTypedTitle));
    Spread bare = SpreadOf(BareOvershoots(row.delay, samples, StepLookup::kNone));
    std::printf("%8d  %7u   %15.2f %5.2f   %16.2f %5.2f   %16.2f %5.2f\n", row.delay,
                static_cast<unsigned>(klikvane.samples), klikvane.median, klikvane.p99, step.median, step.p99,
                bare.median, bare.p99);
    std::fflush(stdout);
  }
}

}  // namespace klvbench
