// Background clicks on a target of another process whose client area holds
// child windows (tests/support/target_children.h): each click reaches the
// window a real click would reach, at that window's own client point, and no
// other window takes anything from its queue; a push button is pressed, an
// edit control's caret moves to a captured point; of two windows with one
// title the picked one is clicked until it closes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "clicker/capture.h"
#include "clicker/delivery.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/program_window.h"
#include "tests/support/recording_target.h"
#include "tests/support/target_children.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;

constexpr char kParentTitle[] = "带子窗口的目标";

// Right of the main window and below the shared target, uncovered.
ClickTarget& Parent() {
  static std::unique_ptr<ClickTarget> target = std::make_unique<ClickTarget>(kParentTitle, 400, 300, 460, 330, true);
  return *target;
}

uint32_t Handle(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

// One background click at (x, y) of the parent's client area, delivered as
// a step delivers it; what every window of the target took from its queue.
Messages DeliverAt(int x, int y) {
  size_t before = MarkTarget(Parent());
  DeliverClickInMode(false, x, y, Handle(Parent().window()));
  return QueuedBetween(Parent(), before, MarkTarget(Parent()));
}

// One single step through a real click on "单步调试"; what every window of
// the target took from its queue.
Messages SingleStepAt(const ClickTarget& target) {
  size_t before = MarkTarget(target);
  PressButton(Unit::kButtonDebug);
  return QueuedBetween(target, before, MarkTarget(target));
}

class ChildDelivery : public Clicking {
 protected:
  void SetUp() override {
    Clicking::SetUp();
    ASSERT_TRUE(Parent().ready());
    for (const TargetChild& child : kTargetChildren) ASSERT_NE(nullptr, Parent().child(child.name)) << child.name;
  }
};

struct Reach {
  const char* what;
  POINT at;            // in the parent's client area
  const char* window;  // the child reached; "" for the parent itself
  POINT inWindow;
};

TEST_F(ChildDelivery, AClickReachesTheWindowARealClickWouldReachAtItsOwnClientPoint) {
  const Reach reaches[] = {
      {"a child at an offset", {50, 100}, "offset", {10, 70}},
      {"a child inside that child", {75, 56}, "nested", {5, 6}},
      {"a hidden child is passed by", {210, 30}, "", {210, 30}},
      {"a disabled child is passed by", {300, 30}, "", {300, 30}},
      {"a transparent child over nothing", {205, 95}, "", {205, 95}},
      {"a transparent child over another", {250, 120}, "beneath", {10, 10}},
      {"a plain static control", {365, 95}, "", {365, 95}},
      {"a group box over nothing", {30, 240}, "", {30, 240}},
      {"the title bar, outside the client area", {10, -10}, "", {10, -10}},
  };
  for (const Reach& reach : reaches) {
    Messages arrived = DeliverAt(reach.at.x, reach.at.y);
    EXPECT_EQ(LeftClickAt(reach.inWindow.x, reach.inWindow.y, reach.window), arrived)
        << reach.what << "\n" << Describe(arrived);
  }
}

TEST_F(ChildDelivery, ARightClickOnANestedChildPostsTheWholeSequenceThereWithTheFixedContextMenuWords) {
  ASSERT_TRUE(PickComboItem(Unit::kComboMouseButton, "右键"));
  Messages arrived = DeliverAt(75, 56);
  EXPECT_EQ(RightClickAt(5, 6, "nested"), arrived) << Describe(arrived);
}

TEST_F(ChildDelivery, APushButtonUnderAGroupBoxIsPressedAndItsParentHearsOfIt) {
  HWND button = Parent().child("button");
  size_t before = MarkTarget(Parent());
  DeliverClickInMode(false, 50, 190, Handle(Parent().window()));
  Messages all = AllBetween(Parent(), before, MarkTarget(Parent()));
  EXPECT_EQ(LeftClickAt(10, 10, "button"), ClickTarget::Queued(all)) << Describe(all);
  Messages fromButton;
  for (const ReceivedMessage& m : ClickTarget::Only(all, {WM_COMMAND})) {
    if (m.lParam == Handle(button)) fromButton.push_back(m);
  }
  Messages pressed = {{WM_COMMAND, MAKEWPARAM(kTargetButtonId, BN_CLICKED), Handle(button), false, 0, ""}};
  EXPECT_EQ(pressed, fromButton) << Describe(all);
}

// The operator's way: the point captured over the text, added, single-stepped.
TEST_F(ChildDelivery, AnEditControlsCaretMovesToACapturedAndPlayedPoint) {
  HWND edit = Parent().child("edit");
  SendMessageA(edit, EM_SETSEL, 0, 0);
  const POINT inEdit = {62, 9};
  const int expected = LOWORD(SendMessageA(edit, EM_CHARFROMPOS, 0, MAKELPARAM(inEdit.x, inEdit.y)));
  ASSERT_GT(expected, 0);
  ASSERT_TRUE(ChooseBackgroundTarget(kParentTitle));
  POINT screen = inEdit;
  ClientToScreen(edit, &screen);
  MoveCursor(screen.x, screen.y);
  ASSERT_EQ(edit, WindowFromPoint(screen));
  CaptureCoordinates();
  const POINT origin = Parent().clientOrigin();
  EXPECT_EQ(std::to_string(screen.x - origin.x), ReadUnitText(Unit::kEditX, Property::kEditText));
  EXPECT_EQ(std::to_string(screen.y - origin.y), ReadUnitText(Unit::kEditY, Property::kEditText));
  WriteUnitText(Unit::kEditDelay, Property::kEditText, "1000");
  PressButton(Unit::kButtonAdd);
  ASSERT_TRUE(PumpUntil([] { return PlanRowCount() == 1; }));
  SelectPlanRow(0);
  Messages arrived = SingleStepAt(Parent());
  EXPECT_EQ(LeftClickAt(inEdit.x, inEdit.y, "edit"), arrived) << Describe(arrived);
  const LRESULT caret = MAKELRESULT(expected, expected);
  EXPECT_TRUE(PumpUntil([&] { return SendMessageA(edit, EM_GETSEL, 0, 0) == caret; }))
      << "selection " << std::hex << SendMessageA(edit, EM_GETSEL, 0, 0) << ", caret expected at " << std::dec
      << expected;
}

TEST_F(ChildDelivery, OfTwoWindowsWithOneTitleThePickedOneIsClickedUntilItCloses) {
  const char title[] = "同名的两个窗口";
  auto a = std::make_unique<ClickTarget>(title, 420, 640, 200, 100);
  auto b = std::make_unique<ClickTarget>(title, 640, 640, 200, 100);
  ASSERT_TRUE(a->ready() && b->ready());
  // Pick the window the lookup by title would not find.
  const bool aFoundFirst = FindTitledWindow(title) == a->window();
  std::unique_ptr<ClickTarget>& picked = aFoundFirst ? b : a;
  std::unique_ptr<ClickTarget>& other = aFoundFirst ? a : b;
  ASSERT_TRUE(ChooseBackgroundWindow(picked->window()));
  AddPlanRow(30, 40, 5000);
  SelectPlanRow(0);

  size_t otherBefore = MarkTarget(*other);
  Messages stepped = SingleStepAt(*picked);
  EXPECT_EQ(LeftClickAt(30, 40), stepped) << Describe(stepped);

  // A run's first click comes at once; the next would wait a second.
  size_t before = MarkTarget(*picked);
  RaiseClickedEvent(Unit::kButtonStart);
  PumpUntil([&] { return QueuedBetween(*picked, before).size() >= 3; });
  RaiseClickedEvent(Unit::kButtonStop);
  Messages ran = QueuedBetween(*picked, before, MarkTarget(*picked));
  EXPECT_EQ(LeftClickAt(30, 40), ran) << Describe(ran);
  Messages none = QueuedBetween(*other, otherBefore, MarkTarget(*other));
  EXPECT_TRUE(none.empty()) << Describe(none);

  picked.reset();
  ASSERT_EQ(other->window(), FindTitledWindow(title));
  Messages looked = SingleStepAt(*other);
  EXPECT_EQ(LeftClickAt(30, 40), looked) << Describe(looked);
}

TEST_F(ChildDelivery, AHandWrittenSettingsFileFromBeforePlaysAsBeforeOnAWindowWithoutChildren) {
  const std::string path = SettingsPathHere();
  WriteWholeFile(path, std::string("[Configuration]\r\n前后台=1\r\n窗口标题=") + kTargetTitle +
                           "\r\n坐标个数=2\r\n[Coordinate]\r\n坐标1=100|200|300|左键\r\n坐标2=-1|1|300|右键\r\n");
  RaiseClickedEvent(Unit::kButtonLoad);
  DeleteFileA(path.c_str());
  ASSERT_EQ(2, PlanRowCount());
  size_t before = MarkTarget();
  RaiseClickedEvent(Unit::kButtonStart);
  Messages arrived = WaitForQueued(before, [](const Messages& m) { return m.size() >= 6; });
  RaiseClickedEvent(Unit::kButtonStop);
  Messages expected = LeftClickAt(100, 200);
  for (const ReceivedMessage& m : LeftClickAt(-1, 1)) expected.push_back(m);
  ASSERT_GE(arrived.size(), 6u) << Describe(arrived);
  EXPECT_EQ(expected, Messages(arrived.begin(), arrived.begin() + 6)) << Describe(arrived);
  // The loaded file made the title field editable; the other tests pick
  // titles from the list.
  WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, 2);
}

}  // namespace
}  // namespace klvtest
