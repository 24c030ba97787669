// Click delivery seen from the target, a window of another process: the
// single-step command driven with real clicks, the background sequences for
// every button and action, and the foreground click with the real cursor.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "clicker/click_messages.h"
#include "clicker/delivery.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/faked_desk.h"
#include "tests/support/recording_target.h"
#include "tests/support/ui_driver.h"

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

// A point left of the client area (captured over the window's left border)
// keeps its Y: X and Y each fill their own half.
TEST_F(Delivery, ANegativeXNeverBorrowsFromY) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(-3, 10, 1000);
  SelectPlanRow(0);
  Messages click = SingleStepAtTarget();
  EXPECT_EQ((Messages{{WM_MOUSEMOVE, 2, 0xAFFFD}, {WM_LBUTTONDOWN, 1, 0xAFFFD}, {WM_LBUTTONUP, 0, 0xAFFFD}}),
            click) << Describe(click);
}

// The single step clicks what a run's step would click at that moment: the
// picked window while it bears the shown title, otherwise the first window
// with the shown title (the picked one beating its namesake is shown with
// the child-window target).
TEST_F(Delivery, TheSingleStepClicksTheShownTitleAfterALoadAfterAReloadAndWhenTyped) {
  struct ListStyleAfter {
    ~ListStyleAfter() { WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, 2); }
  } listStyleAfter;
  ClickTarget typed("kvstep", 420, 640, 200, 100);
  ASSERT_TRUE(typed.ready());
  const std::string row = "坐标1=30|40|1000|左键\r\n";
  // Loaded into the list-style box: the box is built anew with a text
  // field, and no item is picked.
  LoadPlanFile(kTargetTitle, row, 1);
  SelectPlanRow(0);
  Messages loaded = SingleStepAtTarget();
  EXPECT_EQ(LeftClickAt(30, 40), loaded) << Describe(loaded);
  // Another window picked, then the plan loaded again into the box of the
  // same kind: the earlier pick no longer bears the shown title.
  ASSERT_TRUE(ChooseBackgroundWindow(typed.window()));
  LoadPlanFile(kTargetTitle, row, 1);
  SelectPlanRow(0);
  const size_t typedBefore = MarkTarget(typed);
  Messages reloaded = SingleStepAtTarget();
  EXPECT_EQ(LeftClickAt(30, 40), reloaded) << Describe(reloaded);
  TypeTitle("kvstep");
  Messages none = SingleStepAtTarget();
  EXPECT_TRUE(none.empty()) << Describe(none);
  Messages stepped = QueuedBetween(typed, typedBefore, MarkTarget(typed));
  EXPECT_EQ(LeftClickAt(30, 40), stepped) << Describe(stepped);
}

// A monitor left of the main one: the desk's shell window starts at -1920.
// The screen pair is the cursor as the system gives it, negative there, and
// a foreground click at it lands there and puts the cursor back.
TEST_F(Delivery, OnAMonitorLeftOfTheMainOneTheScreenPairIsNegativeAndTheForegroundClickLandsThere) {
  ChooseForegroundMode();
  WriteUnitText(Unit::kEditX, Property::kEditText, "");
  {
    FakedDesk desk({-1920, 0, 1024, 768}, {-100, 300});
    BringMainWindowToFront();
    PressKey('1', true);
    ASSERT_TRUE(PumpUntil([] { return !ReadUnitText(Unit::kEditX, Property::kEditText).empty(); }));
  }
  EXPECT_EQ("-100", ReadUnitText(Unit::kLabelScreenX, Property::kLabelText));
  EXPECT_EQ("300", ReadUnitText(Unit::kLabelScreenY, Property::kLabelText));
  EXPECT_EQ("-100", ReadUnitText(Unit::kEditX, Property::kEditText));
  EXPECT_EQ("300", ReadUnitText(Unit::kEditY, Property::kEditText));
  WriteUnitText(Unit::kEditDelay, Property::kEditText, "1000");
  PressButton(Unit::kButtonAdd);
  ASSERT_TRUE(PumpUntil([] { return PlanRowCount() == 1; }));
  SelectPlanRow(0);
  FakedDesk desk({-1920, 0, 1024, 768}, {500, 400});
  PressButton(Unit::kButtonDebug);
  // One batch: the press and the release each at the point, then home.
  EXPECT_EQ((std::vector<DeskCall>{InputAt(-100, 300, MOUSEEVENTF_LEFTDOWN, 1), InputAt(-100, 300, MOUSEEVENTF_LEFTUP, 1),
                                   CursorMoveTo(500, 400, 1)}),
            desk.calls());
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
  EXPECT_EQ(0u, FirstWindowTitled(""));
  EXPECT_EQ(0u, FirstWindowTitled(nullptr));
  Messages none = SingleStepAtTarget();
  EXPECT_TRUE(none.empty()) << Describe(none);
}

TEST_F(Delivery, ATitleWhoseWindowClosedPostsNothing) {
  {
    ClickTarget leaving("即将关闭的窗口", 40, 300, 200, 150);
    ASSERT_TRUE(leaving.ready());
    ASSERT_TRUE(ChooseBackgroundTarget("即将关闭的窗口"));
  }
  ASSERT_EQ(nullptr, klvtest::FindTitledWindow("即将关闭的窗口"));
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
