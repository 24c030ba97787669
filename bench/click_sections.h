// The clicking benchmarks' sections, one file each, and what they share:
// the clock, spreads of samples, the recording target's button-downs, the
// real program's click timing and step rate, this thread's messages served.
// bench_clicking.exe (click_bench.cpp) runs them by name.
#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/klikvane_program.h"
#include "tests/support/target_log.h"

namespace klvbench {

using klvtest::KlikvaneProgram;
using klvtest::ReceivedMessage;

double NowMs();

struct Spread {
  double median, p99;
  size_t samples;
};
Spread SpreadOf(std::vector<double> values);

// Interval minus delay between consecutive button-down messages, in ms.
std::vector<double> Overshoots(const std::vector<ReceivedMessage>& messages, int delay, size_t count);
size_t Downs(const std::vector<ReceivedMessage>& messages);
// The recording target at the top of the z-order, so that the lookup by
// title of Klikvane and of the bare step alike ends at the first window:
// neither walks past the other's windows (a process reads its own windows'
// titles without asking the Wine server, and another's only by asking it).
void RaiseTarget();
// A one-row run of the real program at the shared target: the overshoots
// of that many intervals.
std::vector<double> KlikvaneOvershoots(KlikvaneProgram& klikvane, int delay, size_t samples);
// Serves this thread's messages, the runner's reads of the controls among
// them, as they come, for that long.
void Serve(double milliseconds);
// Clicks per second the target got while something clicked it for that
// long: button-downs counted once the target has worked off its queue.
double ClicksPerSecond(const std::function<void()>& start, const std::function<void()>& stop, double seconds);
// Steps per second of a ten-row delay-0 run at the shared target, its title
// loaded from the file (typed) or picked from the list.
double KlikvaneStepsPerSecond(KlikvaneProgram& klikvane, double seconds, bool picked);

void TimingSection(KlikvaneProgram& program, double scale);
void BusySection(KlikvaneProgram& klikvane, double scale);
void CpuSection(double scale);
void ThroughputSection(KlikvaneProgram& program, double scale);
void ProfileSection(double scale);
void BackgroundSection(KlikvaneProgram& program, const std::string& baselinePath, double scale);
void LookupSection(double scale);
void ForegroundSection(KlikvaneProgram& program, double scale);

}  // namespace klvbench
