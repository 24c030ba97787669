// Background clicking of this build against a baseline build, on a window
// without children and on a nested child.
#include "bench/click_sections.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace klvbench {

namespace {

// Steps per second of a ten-row delay-0 run against that target.
double StepsPerSecondAt(KlikvaneProgram& klikvane, const klvtest::ClickTarget& target, double seconds) {
  size_t from = klvtest::MarkTarget(target);
  double start = NowMs();
  klikvane.Start();
  Sleep(static_cast<DWORD>(seconds * 1000));
  klikvane.Stop();
  double took = NowMs() - start;
  return static_cast<double>(Downs(klvtest::QueuedBetween(target, from, klvtest::MarkTarget(target, 120000)))) * 1000 /
         took;
}

// One way of aiming the plan: which target, where, and whether the title is
// picked from the list or only loaded from the file.
struct Aim {
  const char* what;
  const klvtest::ClickTarget* target;
  const char* title;
  POINT at;
  bool picked;
};

double AimedStepsPerSecond(KlikvaneProgram& klikvane, const Aim& aim, double seconds) {
  klikvane.LoadPlan(aim.title, 10, 0, aim.at.x, aim.at.y);
  if (aim.picked && !klikvane.PickListedWindow(aim.target->window())) return NAN;
  return StepsPerSecondAt(klikvane, *aim.target, seconds);
}

}  // namespace

// The program built here against another build (the baseline), taking
// turns, the order swapped every round so that a drift of the machine's load
// falls on both alike.
void BackgroundSection(KlikvaneProgram& program, const std::string& baselinePath, double scale) {
  static const char kChildrenTitle[] = "带子窗口的目标";
  klvtest::ClickTarget children(kChildrenTitle, 400, 300, 460, 330, true);
  KlikvaneProgram baseline(baselinePath);
  if (!children.ready() || !baseline.ready()) {
    std::printf("\nBackground clicking: the baseline program or the target with children did not come up\n");
    return;
  }
  const Aim aims[] = {
      {"window without children, title loaded", &klvtest::Target(), klvtest::kTargetTitle, {10, 20}, false},
      {"window without children, title picked", &klvtest::Target(), klvtest::kTargetTitle, {10, 20}, true},
      {"nested child (two levels), title loaded", &children, kChildrenTitle, {75, 56}, false},
  };
  double seconds = 2 * std::max(scale, 0.1);
  const int rounds = std::max(4, static_cast<int>(4 * scale));
  std::printf("\nBackground clicking, ten-row plan with delay 0 (steps per second, median of %d rounds taken in "
              "turns, the order swapped every round)\n", rounds);
  std::printf("%-42s %10s %10s\n", "", "baseline", "this build");
  for (const Aim& aim : aims) {
    std::vector<double> base, mine;
    for (int round = 0; round < rounds; ++round) {
      KlikvaneProgram& first = round % 2 == 0 ? baseline : program;
      KlikvaneProgram& second = round % 2 == 0 ? program : baseline;
      double a = AimedStepsPerSecond(first, aim, seconds), b = AimedStepsPerSecond(second, aim, seconds);
      base.push_back(round % 2 == 0 ? a : b);
      mine.push_back(round % 2 == 0 ? b : a);
    }
    std::printf("%-42s %10.0f %10.0f\n", aim.what, SpreadOf(base).median, SpreadOf(mine).median);
    std::fflush(stdout);
  }
}

}  // namespace klvbench
