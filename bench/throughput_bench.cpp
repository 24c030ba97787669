// Throughput of delay-0 runs against the bare loops, and the answer to a
// real click on the stop button meanwhile.
#include "bench/click_sections.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "bench/bare_click_loop.h"
#include "bench/linux_cpu.h"

namespace klvbench {

namespace {

double BareStepsPerSecond(double seconds, StepLookup lookup) {
  std::unique_ptr<BareClickLoop> loop;
  return ClicksPerSecond(
      [&] { loop = std::make_unique<BareClickLoop>(klvtest::Target().window(), 10, 20, 0, -1, lookup, klvtest::kTargetTitle); },
      [&] { loop.reset(); }, seconds);
}

// A real click on the stop button while a run goes on: from the release to
// the buttons showing the idle state again.
double StopClickAnswerMs(const KlikvaneProgram& klikvane) {
  RECT rect;
  GetWindowRect(klikvane.stopButton(), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  Sleep(50);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  double start = NowMs();
  while (klikvane.Running()) {
    if (NowMs() - start > 10000) return NAN;
    Sleep(1);
  }
  return NowMs() - start;
}

Spread StopAnswers(KlikvaneProgram& klikvane, int delay, int rounds) {
  klikvane.LoadPlan(klvtest::kTargetTitle, 10, delay);
  std::vector<double> answers;
  for (int i = 0; i < rounds; ++i) {
    klikvane.Start();
    Sleep(300);
    double ms = StopClickAnswerMs(klikvane);
    if (!std::isnan(ms)) answers.push_back(ms);
    if (klikvane.Running()) klikvane.Stop();
    klvtest::MarkTarget(120000);
  }
  return SpreadOf(answers);
}

}  // namespace

// One row of the throughput table: a spread over the rounds.
void PrintRates(const char* what, const std::vector<double>& rates, const std::vector<double>* baseline) {
  std::vector<double> sorted = rates;
  std::sort(sorted.begin(), sorted.end());
  std::printf("%-34s %8.0f %8.0f %8.0f", what, sorted.front(), sorted[sorted.size() / 2], sorted.back());
  if (baseline) {
    std::vector<double> shares;
    for (size_t i = 0; i < rates.size(); ++i) shares.push_back(100 * rates[i] / (*baseline)[i]);
    std::sort(shares.begin(), shares.end());
    std::printf("   %3.0f / %3.0f / %3.0f %%", shares.front(), shares[shares.size() / 2], shares.back());
  }
  std::printf("\n");
}

void ThroughputSection(KlikvaneProgram& program, double scale) {
  double seconds = 2 * std::max(scale, 0.1);
  const int throughputRounds = 3;
  std::vector<double> typed, bareTyped, picked, barePicked, bare;
  std::printf("\nThroughput, ten-row plan with delay 0 on a window without children (steps per second, one click "
              "each; %d rounds of %.0f s taken in turns; load average before: %s)\n",
              throughputRounds, seconds, LoadAverage().c_str());
  for (int round = 0; round < throughputRounds; ++round) {
    typed.push_back(KlikvaneStepsPerSecond(program, seconds, false));
    bareTyped.push_back(BareStepsPerSecond(seconds, StepLookup::kTypedTitle));
    picked.push_back(KlikvaneStepsPerSecond(program, seconds, true));
    barePicked.push_back(BareStepsPerSecond(seconds, StepLookup::kPickedWindow));
    bare.push_back(BareStepsPerSecond(seconds, StepLookup::kNone));
  }
  std::printf("%-34s %8s %8s %8s   %s\n", "", "min", "median", "max", "of the bare step, per round");
  PrintRates("Klikvane runner, title loaded", typed, &bareTyped);
  PrintRates("bare step loop, typed title", bareTyped, nullptr);
  PrintRates("Klikvane runner, title picked", picked, &barePicked);
  PrintRates("bare step loop, picked window", barePicked, nullptr);
  PrintRates("bare post loop", bare, nullptr);
  std::printf("load average after: %s\n", LoadAverage().c_str());
  int rounds = std::max(3, static_cast<int>(10 * scale));
  Spread busy = StopAnswers(program, 0, rounds);
  Spread resting = StopAnswers(program, 1000, rounds);
  std::printf("\nAnswer to a real click on the stop button, release to idle buttons (ms, %d rounds)\n", rounds);
  std::printf("                           median      max\n");
  std::printf("during a delay-0 run     %8.1f %8.1f\n", busy.median, busy.p99);
  std::printf("during a delay-1000 run  %8.1f %8.1f\n", resting.median, resting.p99);
  std::fflush(stdout);
}

}  // namespace klvbench
