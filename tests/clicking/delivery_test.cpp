// Click delivery seen from the target, a window of another process: the
// single-step command driven with real clicks, the background sequences for
// every button and action, and the foreground click with the real cursor.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "clicker/click_messages.h"
#include "clicker/delivery.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/recording_target.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;

using klv::clicker::Property::kComboSelection;

POINT ButtonCentre(uint32_t unitId) {
  RECT rect;
  GetWindowRect(UnitHandle(unitId), &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

// One real click on "单步调试"; the messages it made the target take from
// its queue, bracketed by markers. The cursor must stay on the button.
Messages SingleStepAtTarget() {
  size_t before = MarkTarget();
  PressButton(Unit::kButtonDebug);
  POINT button = ButtonCentre(Unit::kButtonDebug);
  EXPECT_TRUE(SamePoint(button, CursorNow())) << "the cursor moved to " << CursorNow().x << "," << CursorNow().y;
  size_t after = MarkTarget();
  return QueuedBetween(before, after);
}

// The target on top of every window, hidden ones included, while it lives.
class TargetFirstInZOrder {
 public:
  TargetFirstInZOrder() { Place(HWND_TOPMOST); }
  ~TargetFirstInZOrder() { Place(HWND_NOTOPMOST); }
  TargetFirstInZOrder(const TargetFirstInZOrder&) = delete;
  TargetFirstInZOrder& operator=(const TargetFirstInZOrder&) = delete;

 private:
  static void Place(HWND where) {
    SetWindowPos(Target().window(), where, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Pump(50);
  }
};

class Delivery : public Clicking {};

TEST_F(Delivery, SingleStepInBackgroundPostsTheExactLeftAndRightClick) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 1000);
  SelectPlanRow(0);
  Messages left = SingleStepAtTarget();
  EXPECT_EQ((Messages{{WM_MOUSEMOVE, 2, 0xC80064}, {WM_LBUTTONDOWN, 1, 0xC80064}, {WM_LBUTTONUP, 0, 0xC80064}}),
            left) << Describe(left);

  ASSERT_TRUE(PickComboItem(Unit::kComboMouseButton, "右键"));
  Messages right = SingleStepAtTarget();
  EXPECT_EQ((Messages{{WM_MOUSEMOVE, 2, 0xC80064}, {WM_RBUTTONDOWN, 2, 0xC80064}, {WM_RBUTTONUP, 2, 0xC80064},
                      {WM_CONTEXTMENU, 0x206AE, 0x24702AD}}),
            right)
      << Describe(right);
}

TEST_F(Delivery, ANegativeXBorrowsFromTheHighHalf) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(-1, 1, 1000);
  SelectPlanRow(0);
  Messages click = SingleStepAtTarget();
  EXPECT_EQ((Messages{{WM_MOUSEMOVE, 2, 0xFFFF}, {WM_LBUTTONDOWN, 1, 0xFFFF}, {WM_LBUTTONUP, 0, 0xFFFF}}),
            click) << Describe(click);
}

TEST_F(Delivery, EveryButtonAndActionArrivesInOrderInTheOtherProcess) {
  Messages expected;
  size_t before = MarkTarget();
  for (int32_t button = 0; button <= 5; ++button) {
    for (int32_t action = 0; action <= 4; ++action) {
      BackgroundClick(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(Target().window())), 100, 200, button, action);
      for (const PostedMessage& m : BackgroundClickMessages(100, 200, button, action)) {
        expected.push_back({m.message, m.wParam, m.lParam});
      }
    }
  }
  Messages arrived = QueuedBetween(before, MarkTarget());
  EXPECT_EQ(expected, arrived) << "expected\n" << Describe(expected) << "arrived\n" << Describe(arrived);
}

TEST_F(Delivery, AnEmptyTitleFindsNoWindowEvenWhenTheTargetIsTopmost) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 1000);
  SelectPlanRow(0);
  WriteUnit(Unit::kComboWindowTitle, kComboSelection, static_cast<uint32_t>(-1));
  ASSERT_EQ("", ReadUnitText(Unit::kComboWindowTitle, Property::kComboText));
  // Looked up without a title the target would be the first window found.
  TargetFirstInZOrder first;
  ASSERT_EQ(Target().window(), FindWindowExA(nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(0u, FindTargetWindow(""));
  EXPECT_EQ(0u, FindTargetWindow(nullptr));
  Messages none = SingleStepAtTarget();
  EXPECT_TRUE(none.empty()) << Describe(none);
}

TEST_F(Delivery, ATitleWhoseWindowClosedPostsNothing) {
  {
    ClickTarget leaving("即将关闭的窗口", 40, 300, 200, 150);
    ASSERT_TRUE(leaving.ready());
    ASSERT_TRUE(ChooseBackgroundTarget("即将关闭的窗口"));
  }
  ASSERT_EQ(nullptr, FindWindowA(nullptr, "即将关闭的窗口"));
  AddPlanRow(100, 200, 1000);
  SelectPlanRow(0);
  TargetFirstInZOrder first;
  Messages none = SingleStepAtTarget();
  EXPECT_TRUE(none.empty()) << Describe(none);
}

// The click happens at the screen point, so the window under it gets real
// button messages at the matching client point.
void ExpectForegroundClick(bool right, const std::function<void()>& fire) {
  POINT origin = Target().clientOrigin();
  AddPlanRow(origin.x + 60, origin.y + 70, 1000);
  SelectPlanRow(0);
  size_t before = MarkTarget();
  fire();
  unsigned up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
  Messages arrived = WaitForQueued(before, [up](const Messages& m) { return CountOf(m, up) > 0; });
  Messages buttons = ClickTarget::Only(arrived, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP});
  uint32_t point = Packed(60, 70);
  Messages expected = right ? Messages{{WM_RBUTTONDOWN, MK_RBUTTON, point}, {WM_RBUTTONUP, 0, point}}
                            : Messages{{WM_LBUTTONDOWN, MK_LBUTTON, point}, {WM_LBUTTONUP, 0, point}};
  EXPECT_EQ(expected, buttons) << Describe(arrived);
}

// Fired by a real click on "单步调试"; the cursor ends on the button again.
// Under Wine the cursor may show the click point for a moment after it was
// put back, while the display catches up with the two moves.
void ExpectForegroundClickByButton(bool right) {
  ExpectForegroundClick(right, [] { PressButton(Unit::kButtonDebug); });
  POINT button = ButtonCentre(Unit::kButtonDebug);
  EXPECT_TRUE(PumpUntil([button] { return SamePoint(button, CursorNow()); }))
      << "the cursor ended at " << CursorNow().x << "," << CursorNow().y;
}

TEST_F(Delivery, ForegroundLeftClickHappensAtTheScreenPointAndTheCursorReturns) {
  ChooseForegroundMode();
  // No target window chosen: foreground clicks need none.
  WriteUnit(Unit::kComboWindowTitle, kComboSelection, static_cast<uint32_t>(-1));
  ExpectForegroundClickByButton(false);
}

TEST_F(Delivery, ForegroundRightClickHappensAtTheScreenPointAndTheCursorReturns) {
  ChooseForegroundMode();
  ASSERT_TRUE(PickComboItem(Unit::kComboMouseButton, "右键"));
  ExpectForegroundClickByButton(true);
}

// The plan list holds the mouse capture while the command of its row menu
// ("执行") runs; the step's click must still reach the window under the
// point, not the list.
TEST_F(Delivery, ForegroundSingleStepWhileTheListHoldsTheCaptureClicksTheWindowUnderThePoint) {
  ChooseForegroundMode();
  HWND main = MainWindowHandle();
  SetForegroundWindow(main);
  ASSERT_TRUE(PumpUntil([main] { return GetForegroundWindow() == main; }));
  HWND list = UnitHandle(Unit::kPlanList);
  ExpectForegroundClick(false, [list] {
    SetCapture(list);
    ASSERT_EQ(list, GetCapture());
    RaiseClickedEvent(Unit::kButtonDebug);
  });
  ReleaseCapture();
}

}  // namespace
}  // namespace klvtest
