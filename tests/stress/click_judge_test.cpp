// The judge of a target's clicks, on its own: what it must let pass and
// what it must catch, so that the stress test can fail.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/stress/click_judge.h"

namespace klvtest {
namespace {

Click At(int x, int y, Button button = Button::kLeft) { return {0, x, y, button}; }

const Click a = At(1, 1), b = At(2, 2), c = At(3, 3), x = At(7, 7), y = At(8, 8);

Expectation Passes(std::vector<Click> before, std::vector<Click> after) {
  Expectation expected;
  expected.before = std::move(before);
  expected.after = std::move(after);
  return expected;
}

TEST(ClickJudge, APlanChangedDuringARunMayFinishItsPassOverTheNewRowsButNothingElse) {
  const Expectation loaded = Passes({a, b, c}, {x, y});
  // The old pass broken off after b, the rest of it over the new rows (row 2
  // is gone), then whole new passes.
  EXPECT_TRUE(Judge({a, b, c, a, b, y, x, y, x}, loaded).fits);
  Judgement judged = Judge({c, a, x, y, x, y}, loaded);
  EXPECT_TRUE(judged.fits);
  EXPECT_EQ(4u, judged.afterClicks);
  // A click at a point neither plan has, where a row past the end was read.
  EXPECT_FALSE(Judge({a, b, At(0, 0), x, y}, loaded).fits);
  // Old clicks once the new plan has shown, or a new pass begun elsewhere.
  EXPECT_FALSE(Judge({a, x, y, b}, loaded).fits);
  EXPECT_FALSE(Judge({a, b, y, y, x}, loaded).fits);
  // Another button at the right point.
  EXPECT_FALSE(Judge({a, x, At(8, 8, Button::kRight)}, loaded).fits);
}

TEST(ClickJudge, APlanShortenedDuringAPassEndsItThereAndNeverClicksARowThatIsGone) {
  const Click zero = At(0, 0);
  const Expectation shortened = Passes({a, b, c}, {x, y});
  // Broken off after b: the pass ends at the new end; after a: row 1 is new
  // and the last.
  EXPECT_TRUE(Judge({a, b, x, y, x}, shortened).fits);
  Judgement judged = Judge({c, a, y, x, y}, shortened);
  EXPECT_TRUE(judged.fits);
  EXPECT_EQ(3u, judged.afterClicks);
  // A row past the new end read as an empty row clicks (0, 0): never.
  EXPECT_FALSE(Judge({a, b, zero, x, y, x}, shortened).fits);
  EXPECT_FALSE(Judge({c, a, y, zero, x, y}, shortened).fits);
  EXPECT_FALSE(Judge({a, b, zero}, shortened).fits);
  Expectation byPlace = shortened;
  byPlace.ordered = false;
  EXPECT_TRUE(Judge({y, b, x}, byPlace).fits);
  EXPECT_FALSE(Judge({y, zero, x}, byPlace).fits);
}

TEST(ClickJudge, OneStepMayStraddleTheActionWithAnOldRowUnderTheNewModeOrTitle) {
  const Click s = At(5, 5);
  Expectation loaded = Passes({a, b, c}, {x, y});
  loaded.straddling = {s, At(6, 6)};
  EXPECT_TRUE(Judge({a, b, s, x, y, x}, loaded).fits);
  EXPECT_TRUE(Judge({s, y, x}, loaded).fits);
  // Twice, or once the new rows have begun.
  EXPECT_FALSE(Judge({a, s, s, x, y}, loaded).fits);
  EXPECT_FALSE(Judge({a, x, s, y}, loaded).fits);
  // Judged by place, wherever the cursor was set back to it.
  loaded.ordered = false;
  EXPECT_TRUE(Judge({s, x, s, a}, loaded).fits);
  EXPECT_FALSE(Judge({s, At(9, 9)}, loaded).fits);
}

TEST(ClickJudge, AfterAStopOnlyWhatWasOnItsWayMayCome) {
  const Expectation stopped = Passes({a, b}, {});
  EXPECT_TRUE(Judge({}, stopped).fits);
  EXPECT_TRUE(Judge({b, a, b}, stopped).fits);
  EXPECT_FALSE(Judge({a, b, b}, stopped).fits);
}

TEST(ClickJudge, ASingleStepOfAStoppedRunMustShowOnceAndAlone) {
  Expectation step = Passes({}, {});
  step.hasStep = step.stepMustShow = true;
  step.step = b;
  Judgement waiting = Judge({}, step);
  EXPECT_TRUE(waiting.fits);
  EXPECT_FALSE(waiting.stepSeen);
  EXPECT_TRUE(Judge({b}, step).stepSeen);
  EXPECT_FALSE(Judge({a}, step).fits);
  EXPECT_FALSE(Judge({b, b}, step).fits);
}

TEST(ClickJudge, ForegroundClicksAreJudgedByPlaceAndButtonOnly) {
  Expectation byPlace = Passes({a}, {x, y});
  byPlace.ordered = false;
  Judgement judged = Judge({a, y, y, a, x}, byPlace);
  EXPECT_TRUE(judged.fits);
  EXPECT_EQ(3u, judged.afterClicks);
  EXPECT_FALSE(Judge({x, b}, byPlace).fits);
}

}  // namespace
}  // namespace klvtest
