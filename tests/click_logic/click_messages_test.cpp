// The message sequence of one background click and the flags of one
// foreground click, for every button code and action.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <tuple>
#include <vector>

#include "clicker/click_messages.h"
#include "clicker/cursor_home.h"
#include "clicker/precise_wait.h"
#include "clicker/system_numbers.h"

namespace klv::clicker {

bool operator==(const PostedMessage& a, const PostedMessage& b) {
  return a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam;
}
void PrintTo(const ScreenPoint& p, std::ostream* out) { *out << "(" << p.x << "," << p.y << ")"; }
void PrintTo(const PostedMessage& m, std::ostream* out) {
  *out << std::hex << "{" << m.message << ", " << m.wParam << ", " << m.lParam << "}";
}

namespace {

constexpr uint32_t P = 0xC80064;          // (100, 200)
constexpr uint32_t S = 0xC80064 + 0x17F0249;  // with the screen offset
using Sequence = std::vector<PostedMessage>;

TEST(PackPoint, PacksYHighAndXLowEachInItsOwnHalf) {
  EXPECT_EQ(0xC80064u, PackPoint(100, 200));
  EXPECT_EQ(0u, PackPoint(0, 0));
  EXPECT_EQ(0x000AFFFDu, PackPoint(-3, 10));     // a negative X never borrows from Y
  EXPECT_EQ(0x1FFFFu, PackPoint(-1, 1));
  EXPECT_EQ(0x80000000u, PackPoint(0, 32768));   // Y of 32768 sets the top bit
  EXPECT_EQ(0x0000FFFFu, PackPoint(-1, 0));
  EXPECT_EQ(0xFFFFFFFFu, PackPoint(-1, -1));
  EXPECT_EQ(0xFFFF0000u, PackPoint(0, -1));
  EXPECT_EQ(0x7FFF7FFFu, PackPoint(32767, 32767));
}

// The program names the system's numbers without the system headers.
static_assert(SystemMessage::kSetRedraw == WM_SETREDRAW && SystemMessage::kContextMenu == WM_CONTEXTMENU &&
              SystemMessage::kMouseMove == WM_MOUSEMOVE && SystemMessage::kMouseWheel == WM_MOUSEWHEEL &&
              SystemMessage::kHotkey == WM_HOTKEY);
static_assert(SystemMessage::kLeftButtonDown == WM_LBUTTONDOWN && SystemMessage::kLeftButtonUp == WM_LBUTTONUP &&
              SystemMessage::kLeftButtonDoubleClick == WM_LBUTTONDBLCLK);
static_assert(SystemMessage::kRightButtonDown == WM_RBUTTONDOWN && SystemMessage::kRightButtonUp == WM_RBUTTONUP &&
              SystemMessage::kRightButtonDoubleClick == WM_RBUTTONDBLCLK);
static_assert(SystemMessage::kMiddleButtonDown == WM_MBUTTONDOWN && SystemMessage::kMiddleButtonUp == WM_MBUTTONUP &&
              SystemMessage::kMiddleButtonDoubleClick == WM_MBUTTONDBLCLK);
static_assert(MouseEventFlag::kLeftDown == MOUSEEVENTF_LEFTDOWN && MouseEventFlag::kLeftUp == MOUSEEVENTF_LEFTUP &&
              MouseEventFlag::kRightDown == MOUSEEVENTF_RIGHTDOWN && MouseEventFlag::kRightUp == MOUSEEVENTF_RIGHTUP);

TEST(BackgroundClick, LeftAndRightClicksOfTheProgram) {
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_LBUTTONDOWN, 1, P}, {WM_LBUTTONUP, 0, P}}),
            BackgroundClickMessages(100, 200, 1, 1));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_RBUTTONDOWN, 2, P}, {WM_RBUTTONUP, 2, P},
                      {WM_CONTEXTMENU, 0x206AE, 0x24702AD}}),
            BackgroundClickMessages(100, 200, 2, 1));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, 0x1FFFF}, {WM_LBUTTONDOWN, 1, 0x1FFFF}, {WM_LBUTTONUP, 0, 0x1FFFF}}),
            BackgroundClickMessages(-1, 1, 1, 1));
}

TEST(BackgroundClick, EveryActionOfEveryButton) {
  // Button 0 is the left button like 1; action 0 is a click like 1.
  EXPECT_EQ(BackgroundClickMessages(100, 200, 1, 1), BackgroundClickMessages(100, 200, 0, 0));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_LBUTTONDOWN, 1, P}, {WM_LBUTTONUP, 0, P}, {WM_LBUTTONDBLCLK, 0, P}}),
            BackgroundClickMessages(100, 200, 1, 2));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_LBUTTONDOWN, 1, P}}), BackgroundClickMessages(100, 200, 1, 3));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_LBUTTONUP, 0, P}}), BackgroundClickMessages(100, 200, 1, 4));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_RBUTTONDOWN, 2, P}, {WM_RBUTTONUP, 2, P}, {WM_RBUTTONDBLCLK, 0, P},
                      {WM_CONTEXTMENU, 0x206AE, S}}),
            BackgroundClickMessages(100, 200, 2, 2));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_RBUTTONDOWN, 2, P}, {WM_CONTEXTMENU, 0x206AE, S}}),
            BackgroundClickMessages(100, 200, 2, 3));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_RBUTTONUP, 2, P}, {WM_CONTEXTMENU, 0x206AE, S}}),
            BackgroundClickMessages(100, 200, 2, 4));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_MBUTTONDOWN, 0x10, P}, {WM_MBUTTONUP, 0, P}}),
            BackgroundClickMessages(100, 200, 3, 1));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_MBUTTONDOWN, 0x10, P}, {WM_MBUTTONUP, 0, P}, {WM_MBUTTONDBLCLK, 0, P}}),
            BackgroundClickMessages(100, 200, 3, 2));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_MBUTTONDOWN, 0x10, P}}), BackgroundClickMessages(100, 200, 3, 3));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_MBUTTONUP, 0, P}}), BackgroundClickMessages(100, 200, 3, 4));
}

TEST(BackgroundClick, WheelsAndUnknownCodes) {
  EXPECT_EQ((Sequence{{WM_MOUSEWHEEL, 0x780010, S}}), BackgroundClickMessages(100, 200, 4, 1));
  EXPECT_EQ((Sequence{{WM_MOUSEWHEEL, 0xFF880010, S}}), BackgroundClickMessages(100, 200, 5, 3));
  // Unknown actions post only the move (the right button still its menu).
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}}), BackgroundClickMessages(100, 200, 1, 5));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}, {WM_CONTEXTMENU, 0x206AE, S}}), BackgroundClickMessages(100, 200, 2, -1));
  // Unknown buttons post only the move.
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}}), BackgroundClickMessages(100, 200, 6, 1));
  EXPECT_EQ((Sequence{{WM_MOUSEMOVE, 2, P}}), BackgroundClickMessages(100, 200, -1, 1));
  // The screen offset wraps modulo 2^32 as well.
  EXPECT_EQ((Sequence{{WM_MOUSEWHEEL, 0x780010, 0xFFFFFFFFu + 0x17F0249u + 1u - 1u}}),
            BackgroundClickMessages(-1, -1, 4, 1));
}

TEST(ForegroundClick, FlagsAreDownAndUpWithoutMove) {
  EXPECT_EQ(static_cast<uint32_t>(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP), ForegroundClickFlags(1));
  EXPECT_EQ(static_cast<uint32_t>(MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP), ForegroundClickFlags(2));
  EXPECT_EQ(0u, ForegroundClickFlags(0));
  EXPECT_EQ(0u, ForegroundClickFlags(3));
}

static_assert(MouseEventFlag::kMove == MOUSEEVENTF_MOVE && MouseEventFlag::kAbsolute == MOUSEEVENTF_ABSOLUTE &&
              MouseEventFlag::kVirtualDesk == MOUSEEVENTF_VIRTUALDESK);
static_assert(sizeof(MouseInput) == sizeof(INPUT) && offsetof(MouseInput, dx) == offsetof(INPUT, mi.dx) &&
              offsetof(MouseInput, flags) == offsetof(INPUT, mi.dwFlags) && kMouseInputType == INPUT_MOUSE);
static_assert(SystemMetric::kVirtualLeft == SM_XVIRTUALSCREEN && SystemMetric::kVirtualTop == SM_YVIRTUALSCREEN &&
              SystemMetric::kVirtualWidth == SM_CXVIRTUALSCREEN && SystemMetric::kVirtualHeight == SM_CYVIRTUALSCREEN);

// The system maps a desk unit back to a pixel by its share of the desk,
// truncated or rounded; either way every pixel comes back as itself.
TEST(ForegroundClick, EveryPixelOfTheDeskComesBackFromItsUnits) {
  for (const VirtualDesk desk : {VirtualDesk{0, 0, 1024, 768}, VirtualDesk{-1920, -200, 2944, 1280},
                                 VirtualDesk{0, 0, 7680, 4320}, VirtualDesk{-3, 0, 3, 1}}) {
    for (int32_t x = desk.left; x < desk.left + desk.width; ++x) {
      const int64_t units = InDeskUnits({x, desk.top}, desk).x;
      ASSERT_GE(units, 0);
      ASSERT_LE(units, 65535);
      const double share = static_cast<double>(units) * desk.width / 65536.0;
      ASSERT_EQ(x, desk.left + static_cast<int32_t>(share)) << desk.width << " wide, truncated";
      ASSERT_EQ(x, desk.left + static_cast<int32_t>(share + 0.5)) << desk.width << " wide, rounded";
    }
  }
}

TEST(ForegroundClick, APointOffTheDeskGoesToItsEdge) {
  const VirtualDesk desk = {-1920, 0, 2944, 768};
  EXPECT_EQ(InDeskUnits({-1920, 0}, desk), InDeskUnits({-5000, -7}, desk));
  EXPECT_EQ(InDeskUnits({1023, 767}, desk), InDeskUnits({2147483647, 900}, desk));
  EXPECT_EQ((ScreenPoint{0, 0}), InDeskUnits({5, 5}, VirtualDesk{}));  // no desk known
}

// The press and the release each carry the row's point, and the move home
// follows them in the same batch.
TEST(ForegroundClick, OneBatchOfPressAndReleaseAtThePointThenTheMoveHome) {
  const VirtualDesk desk = {-1920, 0, 2944, 768};
  const ScreenPoint at = InDeskUnits({-100, 300}, desk), home = InDeskUnits({500, 400}, desk);
  const uint32_t absolute = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  struct Expected {
    ScreenPoint units;
    uint32_t flags;
  };
  for (const auto& [button, down, up] : {std::tuple{1, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                          std::tuple{2, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}}) {
    const std::vector<MouseInput> inputs = ForegroundClickInputs({-100, 300}, {500, 400}, button, desk);
    const Expected expected[] = {{at, absolute | down}, {at, absolute | up}, {home, absolute}};
    ASSERT_EQ(3u, inputs.size());
    for (size_t i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(static_cast<uint32_t>(INPUT_MOUSE), inputs[i].type);
      EXPECT_EQ(expected[i].units, (ScreenPoint{inputs[i].dx, inputs[i].dy}));
      EXPECT_EQ(expected[i].flags, inputs[i].flags);
      EXPECT_EQ(0u, inputs[i].mouseData + inputs[i].time + inputs[i].extraInfo);
    }
  }
  EXPECT_TRUE(ForegroundClickInputs({1, 1}, {2, 2}, 3, desk).empty());
  EXPECT_TRUE(ForegroundClickInputs({1, 1}, {2, 2}, 1, VirtualDesk{}).empty());
}

// A read that shows a point a recent click sent the cursor to is the
// system not yet having taken the move back: the home stays.
TEST(CursorHome, ARowsPointIsNeverTakenForTheOperatorsPosition) {
  CursorHome home;
  EXPECT_EQ((ScreenPoint{900, 700}), home.Settle({900, 700}));
  home.Sent({151, 144});
  EXPECT_EQ((ScreenPoint{900, 700}), home.Settle({151, 144}));
  home.Sent({66, 181});
  EXPECT_EQ((ScreenPoint{900, 700}), home.Settle({151, 144}));  // an older click's point too
  // The operator moved the cursor: that is the home from now on.
  EXPECT_EQ((ScreenPoint{10, 20}), home.Settle({10, 20}));
  // A click long past no longer counts as recent.
  for (int i = 0; i < 64; ++i) home.Sent({i, 0});
  EXPECT_EQ((ScreenPoint{151, 144}), home.Settle({151, 144}));
  // The first read is the operator's, whatever it is.
  CursorHome fresh;
  EXPECT_EQ((ScreenPoint{66, 181}), fresh.Settle({66, 181}));
}

TEST(DueTime, UnitsAndTruncation) {
  EXPECT_EQ(-15000000, DueTime(1500, 0));
  EXPECT_EQ(-1200000000LL, DueTime(2, 2));
  EXPECT_EQ(-10000000LL, DueTime(1, 1));
  EXPECT_EQ(-36000000000LL, DueTime(1, 3));
  EXPECT_EQ(-70000, DueTime(1, 7));       // any other unit is itself the factor
  EXPECT_EQ(0, DueTime(0, 0));
  EXPECT_EQ(50000, DueTime(-5, 0));       // negative: an absolute time long past
  EXPECT_EQ(INT64_MIN, DueTime(2147483647, 2147483647));  // kept within 64 bits
}

}  // namespace
}  // namespace klv::clicker
