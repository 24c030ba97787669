// The real program ended while it clicks at full speed, twenty times, spread
// over every way out. Each end: exit code 0 through the exit routine on the
// main thread, no box, the process gone within a generous bound, and no
// click reaching the target after the main window is gone. The same rounds,
// three hundred of them, are the stress run of scripts/bench.sh (disabled
// here).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/pointing/pointing_support.h"
#include "tests/pointing/quit_driver.h"

namespace klvtest {
namespace {

struct WayFigures {
  int rounds = 0, clean = 0;
  std::vector<DWORD> endMs;
  size_t lateClicks = 0;
  DWORD MedianEndMs() {
    std::sort(endMs.begin(), endMs.end());
    return endMs.empty() ? 0 : endMs[endMs.size() / 2];
  }
  DWORD SlowestEndMs() const { return endMs.empty() ? 0 : *std::max_element(endMs.begin(), endMs.end()); }
};

bool Clean(const QuitOutcome& o) {
  return o.started() && o.endedInTime && o.exitCode == 0 && o.exitRoutineEntries == 1 && o.exitRoutineOnMainThread &&
         !o.sessionEndRefused && o.errorBox.empty() && o.lateClicks == 0;
}

class QuitDuringRunTest : public testing::Test {
 protected:
  // Runs the rounds, the ways out taken in turn, the pause before each quit
  // spread over 0 to 90 ms; returns the figures per way.
  std::vector<WayFigures> RunRounds(int rounds) {
    std::vector<WayFigures> figures(kWayOutCount);
    for (int round = 0; round < rounds; ++round) {
      auto way = static_cast<WayOut>(round % kWayOutCount);
      QuitOutcome outcome = QuitDuringRun(way, static_cast<DWORD>(round * 13 % 100));
      WayFigures& f = figures[static_cast<int>(way)];
      ++f.rounds;
      f.clean += Clean(outcome) ? 1 : 0;
      f.endMs.push_back(outcome.endMs);
      f.lateClicks += outcome.lateClicks;
      EXPECT_TRUE(Clean(outcome)) << "round " << round << ", " << WayOutName(way) << ": " << Describe(outcome);
    }
    return figures;
  }

  static void Print(std::vector<WayFigures> figures) {
    std::printf("| way out | quits | clean | end after the quit, median / slowest | late plan messages |\n");
    std::printf("|---|---|---|---|---|\n");
    for (int way = 0; way < kWayOutCount; ++way) {
      WayFigures& f = figures[way];
      std::printf("| %s | %d | %d | %u / %u ms | %u |\n", WayOutName(static_cast<WayOut>(way)), f.rounds, f.clean,
                  static_cast<unsigned>(f.MedianEndMs()), static_cast<unsigned>(f.SlowestEndMs()),
                  static_cast<unsigned>(f.lateClicks));
    }
  }

  ProgramHotkeysSetAside setAside_;  // the child takes the four keys
};

TEST_F(QuitDuringRunTest, TwentyQuitsOverEveryWayOutEndCleanlyWithNoLateClick) { Print(RunRounds(20)); }

TEST_F(QuitDuringRunTest, DISABLED_ThreeHundredQuitsStressRun) { Print(RunRounds(300)); }

}  // namespace
}  // namespace klvtest
