// Loading the settings file while a delay-0 run clicks a window picked from
// the title list, twenty times, the files alternating between background
// and foreground mode so that every load builds the title box anew. Before
// each load the title is picked from the list again (in background mode,
// which a foreground file leaves behind: the run is paused for the real
// clicks that choose it). After every step the process lives, no box shows
// and the clicks go on at the target as the model predicts.
#include <gtest/gtest.h>

#include "tests/stress/stress_actions.h"

namespace klvtest {
namespace {

constexpr int kLoads = 20;
const Fields kRow = {"60", "80", "0"};  // on the first target read either way

bool BackToBackgroundMode(StressStage& stage) {
  return Stop(stage, true) && ChooseMode(stage, Mode::kBackground) && Start(stage, true);
}

TEST(LoadsDuringRun, TwentyLoadsAtDelayZeroLeaveKlikvaneClickingThePickedWindow) {
  StressStage stage("stress_loads");
  ASSERT_TRUE(stage.ready()) << stage.failure();
  ASSERT_TRUE(ChooseMode(stage, Mode::kBackground) && PickTitle(stage, 0) && AddRow(stage, kRow) &&
              Start(stage, false))
      << stage.failure();
  const Settings background = {Mode::kBackground, stage.model().targets()[0].title, {{kRow.x, kRow.y, kRow.delay, "左键"}}};
  Settings foreground = background;
  foreground.mode = Mode::kForeground;
  for (int load = 0; load < kLoads; ++load) {
    if (stage.model().mode() == Mode::kForeground) {
      ASSERT_TRUE(BackToBackgroundMode(stage)) << stage.failure();
    }
    ASSERT_TRUE(PickTitle(stage, 0)) << stage.failure();
    ASSERT_TRUE(LoadFile(stage, WholeFile(load % 2 == 0 ? background : foreground)))
        << "load " << load + 1 << ": " << stage.failure();
  }
}

}  // namespace
}  // namespace klvtest
