// Coordinate capture through the real Control+1, with the cursor over a
// window of another program whose client origin is known: the screen pair,
// the pair inside the top-level window under the cursor (also over any of
// its child windows, negative over the title bar) and the pair copied for
// each mode.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "clicker/units.h"
#include "tests/pointing/helper_process.h"
#include "tests/pointing/klikvane_state.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/recording_target.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;
namespace Property = klv::clicker::Property;

constexpr int kForeground = 0, kBackground = 1;
constexpr RECT kTargetPlace = {20, 300, 320, 240};  // left, top, width, height
constexpr RECT kChildPlace = {120, 60, 80, 40};     // in the target's client area

std::string Pair(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// Places the cursor, chooses the mode and presses Control+1 with the main
// window in front; returns the six fields.
std::string CaptureAt(POINT cursor, HWND expectedUnder, int mode) {
  WriteUnit(Unit::kComboClickMode, Property::kComboSelection, mode);
  EXPECT_EQ(mode == kForeground ? "前台点击" : "后台点击", ReadUnitText(Unit::kComboClickMode, Property::kComboText));
  BringMainWindowToFront();
  MoveCursor(cursor.x, cursor.y);
  EXPECT_EQ(expectedUnder, WindowFromPoint(cursor));
  EXPECT_NE(nullptr, expectedUnder);
  ClearCaptureFields();
  PressKey('1', true);
  EXPECT_TRUE(PumpUntil(CaptureShown));
  return CaptureFields();
}

// Both modes show the same four labels; the X and Y fields get the window
// pair in background mode and the screen pair in foreground mode.
void ExpectCapture(POINT cursor, HWND under, POINT inWindow) {
  const std::string screen = Pair(cursor.x, cursor.y);
  const std::string window = Pair(inWindow.x, inWindow.y);
  EXPECT_EQ(screen + "," + window + "," + window, CaptureAt(cursor, under, kBackground));
  EXPECT_EQ(screen + "," + window + "," + screen, CaptureAt(cursor, under, kForeground));
}

class Capture : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The main window stays clear of the target.
    SetWindowPos(MainWindowHandle(), nullptr, 620, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    target_ = HelperProcess::ShowWindowAt("Pointing capture target", kTargetPlace, &kChildPlace).release();
  }
  static void TearDownTestSuite() {
    delete target_;
    target_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(target_ && target_->ready() && target_->child()); }
  void TearDown() override { WriteUnit(Unit::kComboClickMode, Property::kComboSelection, kForeground); }

  static HelperProcess* target_;
};

HelperProcess* Capture::target_ = nullptr;

TEST_F(Capture, OverTheClientAreaTheWindowPairIsFromItsClientOrigin) {
  const POINT origin = target_->clientOrigin();
  ExpectCapture({origin.x + 200, origin.y + 150}, target_->window(), {200, 150});
}

TEST_F(Capture, OverAChildControlTheWindowPairIsStillFromTheTopLevelWindowsClientOrigin) {
  const POINT origin = target_->clientOrigin();
  const POINT childOrigin = target_->childClientOrigin();
  ASSERT_NE(origin.x, childOrigin.x);  // the two frames differ
  const POINT cursor = {childOrigin.x + 10, childOrigin.y + 7};
  ExpectCapture(cursor, target_->child(), {cursor.x - origin.x, cursor.y - origin.y});
}

// Over every kind of child of a target in another process: the pair a
// background click replays to reach that same spot.
TEST_F(Capture, OverEachKindOfChildWindowThePairIsFromTheTopLevelWindow) {
  ClickTarget parent("捕获用的带子窗口目标", 20, 0, 460, 295, true);
  ASSERT_TRUE(parent.ready());
  const POINT origin = parent.clientOrigin();
  struct Spot {
    const char* child;
    POINT at;  // in the top-level window's client area
    bool childUnder;  // the system's own hit test finds the child there
  };
  const Spot spots[] = {{"offset", {50, 100}, true},      {"nested", {75, 56}, true},
                        {"hidden", {210, 30}, false},     {"disabled", {300, 30}, false},
                        {"transparent", {205, 95}, true}, {"edit", {260, 190}, true}};
  for (const Spot& spot : spots) {
    SCOPED_TRACE(spot.child);
    const POINT cursor = {origin.x + spot.at.x, origin.y + spot.at.y};
    HWND under = WindowFromPoint(cursor);
    EXPECT_EQ(spot.childUnder ? parent.child(spot.child) : parent.window(), under);
    ExpectCapture(cursor, under, spot.at);
  }
}

TEST_F(Capture, OverTheTitleBarTheWindowPairIsNegative) {
  RECT frame;
  GetWindowRect(target_->window(), &frame);
  const POINT origin = target_->clientOrigin();
  ASSERT_GT(origin.y - frame.top, 6);  // there is a caption above the client area
  const POINT cursor = {frame.left + 60, frame.top + 4};
  ASSERT_LT(cursor.y - origin.y, 0);
  ExpectCapture(cursor, target_->window(), {cursor.x - origin.x, cursor.y - origin.y});
  EXPECT_EQ("-", ReadUnitText(Unit::kLabelWindowY, Property::kLabelText).substr(0, 1));
}

}  // namespace
}  // namespace klvtest
