// A foreground run at delay 0 owns the real cursor while the operator
// changes the plan: every press lands at a point the plan holds, and the
// cursor ends where the operator left it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/clicking/clicking_fixture.h"
#include "tests/support/faked_desk.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;

// The points of the button-down messages, and how often each came.
std::string DownPoints(const Messages& m) {
  std::string text;
  for (const ReceivedMessage& r : m) {
    if (r.message != WM_LBUTTONDOWN) continue;
    text += " (" + std::to_string(static_cast<short>(r.lParam & 0xFFFF)) + "," +
            std::to_string(static_cast<short>(r.lParam >> 16)) + ")";
  }
  return text;
}

// The cursor calls and the presses and releases the target saw, in the
// order of their times, from 5 ms before the first press away from the
// point on: what a failure needs to tell a late move from a wrong home.
std::string Timeline(const std::vector<WatchedCall>& calls, const Messages& run, POINT origin, uint32_t point) {
  unsigned long long start = 0;
  for (const ReceivedMessage& r : run) {
    if (r.message == WM_LBUTTONDOWN && r.lParam != point) {
      start = r.microseconds - 5000;
      break;
    }
  }
  std::vector<std::pair<unsigned long long, std::string>> events;
  for (const WatchedCall& call : calls) {
    if (call.microseconds >= start) events.emplace_back(call.microseconds, call.what);
  }
  for (const ReceivedMessage& r : run) {
    if ((r.message != WM_LBUTTONDOWN && r.message != WM_LBUTTONUP) || r.microseconds < start) continue;
    const int x = static_cast<short>(r.lParam & 0xFFFF) + origin.x, y = static_cast<short>(r.lParam >> 16) + origin.y;
    events.emplace_back(r.microseconds, std::string("target: ") + (r.message == WM_LBUTTONDOWN ? "down" : "up") +
                                            " at screen (" + std::to_string(x) + "," + std::to_string(y) + ")");
  }
  std::sort(events.begin(), events.end());
  std::string text;
  for (size_t i = 0; i < events.size() && i < 120; ++i) {
    text += std::to_string(events[i].first) + " " + events[i].second + "\n";
  }
  return text;
}

// The buttons are pressed through their events: the run owns the cursor.
void AddRowWithoutInput(int x, int y) {
  WriteUnitText(Unit::kEditX, Property::kEditText, std::to_string(x));
  WriteUnitText(Unit::kEditY, Property::kEditText, std::to_string(y));
  WriteUnitText(Unit::kEditDelay, Property::kEditText, "0");
  RaiseClickedEvent(Unit::kButtonAdd);
}

class ForegroundRun : public Clicking {};

// One row, a delay-0 run, a file without rows loaded and one row added:
// from then on every press the target sees is at the added row's point.
TEST_F(ForegroundRun, AfterTheLoadEmptiedThePlanEveryPressLandsAtTheAddedRow) {
  ChooseForegroundMode();
  const POINT origin = Target().clientOrigin();
  const POINT removed = {origin.x + 100, origin.y + 60}, added = {origin.x + 200, origin.y + 150};
  LoadPlanFile("", "坐标1=" + std::to_string(removed.x) + "|" + std::to_string(removed.y) + "|0|左键\r\n", 1, false);
  const POINT home = ParkCursor();
  DeskWatch watch;
  RaiseClickedEvent(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  Pump(300);
  LoadPlanFile("", "", 0, false, Press::kEvent);
  ASSERT_EQ(0, PlanRowCount());
  AddRowWithoutInput(added.x, added.y);
  ASSERT_EQ(1, PlanRowCount());
  const size_t from = MarkTarget();
  Pump(1500);
  RaiseClickedEvent(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
  Pump(300);  // the last press and release reach the target
  const Messages all = QueuedBetween(from, MarkTarget());
  // Input the system took before the add may still wait in the target's
  // queue behind the marker (posted messages come first): the added row's
  // first press starts what the add is to answer for.
  const uint32_t at = Packed(added.x - origin.x, added.y - origin.y);
  auto first = std::find_if(all.begin(), all.end(),
                            [at](const ReceivedMessage& r) { return r.message == WM_LBUTTONDOWN && r.lParam == at; });
  const Messages before(all.begin(), first), run(first, all.end());
  EXPECT_EQ(CountOf(before, WM_LBUTTONDOWN), CountAt(before, WM_LBUTTONDOWN, Packed(removed.x - origin.x, removed.y - origin.y)))
      << "presses before the added row's first:" << DownPoints(before);
  EXPECT_GT(CountOf(run, WM_LBUTTONDOWN), 10u);
  EXPECT_EQ(CountOf(run, WM_LBUTTONDOWN), CountAt(run, WM_LBUTTONDOWN, at))
      << "presses at" << DownPoints(run) << "\n" << Timeline(watch.calls(), run, origin, at);
  EXPECT_TRUE(PumpUntil([home] { return CursorNow().x == home.x && CursorNow().y == home.y; }))
      << "the cursor ended at " << CursorNow().x << "," << CursorNow().y;
}

}  // namespace
}  // namespace klvtest
