// At 150 % display scale, a point captured with the real cursor and
// Control+1 over a target of each DPI awareness (set on the target's
// thread) is clicked at the pixel pointed at: where the target itself sees
// the cursor, within a pixel, at the top-level window and at a child,
// played by a single step and by a run. In foreground mode the press comes
// with the cursor where it pointed, and lands there on a target that takes
// real input.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "clicker/operator_commands.h"
#include "clicker/units.h"
#include "clicker/window_list.h"
#include "tests/display_scale/press_watch.h"
#include "tests/display_scale/unaware_klikvane.h"
#include "tests/support/dpi_awareness.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/operator_actions.h"
#include "tests/support/recording_target.h"
#include "tests/support/target_log.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;
namespace Property = klv::clicker::Property;

constexpr int kScaledDpi = 144;
constexpr int kUnawareLevel = 0;  // DPI_AWARENESS_UNAWARE

// A window of the target (a child's name; empty for the top-level window)
// and a point in its client area, in the target's own pixels.
struct Press {
  std::string window;
  POINT at;
};

Press PressOf(const ReceivedMessage& m) {
  const LPARAM point = static_cast<LPARAM>(m.lParam);
  return {m.window, {GET_X_LPARAM(point), GET_Y_LPARAM(point)}};
}

std::ostream& operator<<(std::ostream& out, const std::optional<Press>& press) {
  if (!press) return out << "nothing";
  return out << (press->window.empty() ? "the top-level window" : press->window) << " at " << press->at.x << ","
             << press->at.y;
}

bool WithinAPixel(POINT a, POINT b) { return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1; }
bool WithinAPixel(const Press& pointed, const std::optional<Press>& played) {
  return played && played->window == pointed.window && WithinAPixel(pointed.at, played->at);
}

// Spots of the target's client area in its own pixels, over its children
// (tests/support/target_children.h): odd numbers, which a scale rounds.
// Wine 8 shows a DPI-unaware window on the X screen unscaled while it
// counts the window's coordinates scaled, and the X pointer standing on
// such a window's unscaled area moves Wine's cursor elsewhere. So the spots
// lie where, scaled, they are off the unaware target's unscaled area, and
// Klikvane's window stands right of every spot, scaled or not.
struct Spot {
  const char* what;
  POINT at;
  const char* window;
};
const Spot kSpots[] = {
    {"the top-level window", {201, 235}, ""},
    {"a child", {61, 191}, "button"},
};
constexpr RECT kTargetPlace = {10, 10, 300, 300};  // left, top, width, height in the target's pixels
constexpr POINT kMainWindowPlace = {600, 30};      // physical pixels

// What the operator pointed at: the pixel as the target sees it, and the
// cursor's place on the screen in physical pixels.
struct Pointed {
  Press pixel;
  POINT physical;
};

// The presses the target's windows took from their queues after the log
// position (a second real press at one spot is a double click).
std::vector<ReceivedMessage> PressesAfter(const ClickTarget& target, size_t from) {
  return ClickTarget::Only(QueuedBetween(target, from), {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
}

std::optional<Press> FirstPressAfter(const ClickTarget& target, size_t from) {
  std::vector<ReceivedMessage> presses;
  PumpUntil([&] {
    presses = PressesAfter(target, from);
    return !presses.empty();
  });
  if (presses.empty()) return std::nullopt;
  return PressOf(presses[0]);
}

// Control+1 with the cursor where it stands (Klikvane in front).
void CaptureWhereTheCursorIs() {
  WriteUnitText(Unit::kEditX, Property::kEditText, "");
  WriteUnitText(Unit::kEditY, Property::kEditText, "");
  PressKey('1', true);
  EXPECT_TRUE(PumpUntil([] {
    return !ReadUnitText(Unit::kEditX, Property::kEditText).empty() &&
           !ReadUnitText(Unit::kEditY, Property::kEditText).empty();
  }));
}

// The mode and the target chosen as the operator's picks choose them, but
// without input: Wine 8 gives a DPI-unaware Klikvane window no real mouse
// input either.
void ChooseMode(bool background) {
  WriteUnit(Unit::kComboClickMode, Property::kComboSelection, background ? 1 : 0);
  klv::clicker::ApplyClickMode();
}

bool ChooseTarget(const std::string& title) {
  klv::clicker::RefreshWindowTitles();
  const LRESULT index = SendMessageA(UnitHandle(Unit::kComboWindowTitle), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(title.c_str()));
  if (index < 0) return false;
  WriteUnit(Unit::kComboWindowTitle, Property::kComboSelection, static_cast<uint64_t>(index));
  return ReadUnitText(Unit::kComboWindowTitle, Property::kComboText) == title;
}

// The captured point as the plan's only row, selected; the long delay
// keeps a run to one click while it is looked at.
void PlanTheCapturedPoint() {
  ClearPlan();
  WriteUnitText(Unit::kEditDelay, Property::kEditText, "5000");
  RaiseClickedEvent(Unit::kButtonAdd);
  ASSERT_TRUE(PumpUntil([] { return PlanRowCount() == 1; }));
  WriteUnit(Unit::kPlanList, Property::kListSelection, 0);
}

// How a plan row was played: a single step or the first click of a run.
enum class Play { kSingleStep, kRun };
const char* NameOf(Play play) { return play == Play::kSingleStep ? "single step" : "run"; }

// A run started, stopped once it has clicked.
void RunUntil(const std::function<bool()>& clicked) {
  RaiseClickedEvent(Unit::kButtonStart);
  EXPECT_TRUE(PumpUntil(clicked)) << "the run did not click";
  RaiseClickedEvent(Unit::kButtonStop);
  EXPECT_TRUE(PumpUntil(ShowsIdle));
  if (KlikvaneMadeUnaware()) {
    EXPECT_EQ(ThreadsStarted(), ThreadsStartedUnaware()) << "a runner that is not unaware";
  }
}

class ScaledClicks : public testing::TestWithParam<Awareness> {
 protected:
  // Klikvane's window right of the targets, in physical pixels.
  static void SetUpTestSuite() {
    ThreadAwareness physical(Awareness::kPerMonitorAware);
    SetWindowPos(MainWindowHandle(), nullptr, kMainWindowPlace.x, kMainWindowPlace.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetUp() override {
    title_ = std::string("缩放目标 ") + NameOf(GetParam());
    target_ = std::make_unique<ClickTarget>(title_, kTargetPlace.left, kTargetPlace.top, kTargetPlace.right,
                                            kTargetPlace.bottom, true, false, GetParam());
    ASSERT_TRUE(target_->ready());
    ASSERT_EQ("左键", ReadUnitText(Unit::kComboMouseButton, Property::kComboText));
  }
  void TearDown() override {
    if (ShowsRunning()) RaiseClickedEvent(Unit::kButtonStop);
    PumpUntil(ShowsIdle);
  }

  // Wine 8 gives a DPI-unaware window at 144 DPI no real input at all.
  bool TakesRealInput() const { return GetParam() != Awareness::kUnaware; }

  // The real cursor over the spot, placed in the target's own pixels, with
  // Klikvane in front so that Control+1 reaches it (the window first: the
  // cursor is not to move once it is placed).
  void PointAt(const Spot& spot) {
    BringMainWindowToFront();
    {
      ThreadAwareness targetPixels(GetParam());
      POINT screen = spot.at;
      ClientToScreen(target_->window(), &screen);
      SetCursorPos(screen.x, screen.y);
    }
    Pump(30);
  }

  // Where the cursor points now, asked of the target.
  std::optional<Pointed> WhereItPoints() {
    std::optional<ReceivedMessage> seen = target_->CursorAsSeen();
    if (!seen) return std::nullopt;
    return Pointed{PressOf(*seen), PhysicalCursor()};
  }

  // Plays the plan; the press the target took, when it takes real input or
  // the click is posted.
  std::optional<Press> Played(Play play, bool foreground) {
    const size_t from = MarkTarget(*target_);
    const size_t pressesBefore = PressesSoFar().size();
    if (play == Play::kSingleStep) {
      RaiseClickedEvent(Unit::kButtonDebug);
    } else {
      RunUntil([&] {
        return foreground ? PressesSoFar().size() > pressesBefore : !PressesAfter(*target_, from).empty();
      });
    }
    if (foreground && !TakesRealInput()) return std::nullopt;
    return FirstPressAfter(*target_, from);
  }

  void ExpectBackgroundClicksAt(const Pointed& pointed, const std::string& captured) {
    for (Play play : {Play::kSingleStep, Play::kRun}) {
      std::optional<Press> clicked = Played(play, false);
      EXPECT_TRUE(WithinAPixel(pointed.pixel, clicked))
          << "background " << NameOf(play) << " of " << captured << ": pointed at " << pointed.pixel << ", clicked "
          << clicked;
    }
  }

  void ExpectForegroundClicksAt(const Pointed& pointed, const std::string& captured) {
    for (Play play : {Play::kSingleStep, Play::kRun}) {
      const size_t pressesBefore = PressesSoFar().size();
      std::optional<Press> clicked = Played(play, true);
      std::vector<POINT> presses = PressesSoFar();
      ASSERT_LT(pressesBefore, presses.size()) << "foreground " << NameOf(play) << ": no press";
      const POINT press = presses[pressesBefore];
      EXPECT_TRUE(WithinAPixel(pointed.physical, press))
          << "foreground " << NameOf(play) << " of " << captured << ": the cursor pointed at " << pointed.physical.x
          << "," << pointed.physical.y << ", the press came at " << press.x << "," << press.y;
      if (TakesRealInput()) {
        EXPECT_TRUE(WithinAPixel(pointed.pixel, clicked))
            << "foreground " << NameOf(play) << " of " << captured << ": pointed at " << pointed.pixel
            << ", clicked " << clicked;
      }
    }
  }

  // Pointed at the spot, captured in the mode chosen, planned and played.
  // The target is asked where the cursor points before and after the
  // capture: the cursor stood still meanwhile.
  void ExpectClickedWhereCaptured(const Spot& spot, bool foreground) {
    PointAt(spot);
    std::optional<Pointed> before = WhereItPoints();
    CaptureWhereTheCursorIs();
    std::optional<Pointed> pointed = WhereItPoints();
    ASSERT_TRUE(before && pointed) << "the target did not say where the cursor is";
    ASSERT_EQ(spot.window, pointed->pixel.window) << "the cursor points at " << pointed->pixel;
    ASSERT_TRUE(WithinAPixel(before->pixel, pointed->pixel) && WithinAPixel(before->physical, pointed->physical))
        << "the cursor moved during the capture: it pointed at " << before->pixel << ", then at " << pointed->pixel;
    PlanTheCapturedPoint();
    const std::string captured =
        ReadUnitText(Unit::kEditX, Property::kEditText) + "," + ReadUnitText(Unit::kEditY, Property::kEditText);
    if (foreground) {
      ExpectForegroundClicksAt(*pointed, captured);
    } else {
      ExpectBackgroundClicksAt(*pointed, captured);
    }
  }

  std::string title_;
  std::unique_ptr<ClickTarget> target_;
};

TEST_P(ScaledClicks, APointCapturedOverTheTargetIsClickedAtThePixelPointedAt) {
  for (const Spot& spot : kSpots) {
    SCOPED_TRACE(spot.what);
    ChooseMode(true);
    ASSERT_TRUE(ChooseTarget(title_));
    ExpectClickedWhereCaptured(spot, false);
    ChooseMode(false);
    ExpectClickedWhereCaptured(spot, true);
  }
}

INSTANTIATE_TEST_SUITE_P(EachAwareness, ScaledClicks,
                         testing::Values(Awareness::kUnaware, Awareness::kSystemAware, Awareness::kPerMonitorAware),
                         [](const testing::TestParamInfo<Awareness>& info) {
                           std::string name = NameOf(info.param);
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

// What the tests above stand on: the desktop at 144 DPI, targets of the
// awareness asked for, and Klikvane's own window as this run asked for it.
TEST(DisplayScale, TheDesktopIsScaledAndKlikvaneIsAsThisRunAskedForIt) {
  {
    ThreadAwareness physical(Awareness::kPerMonitorAware);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(kScaledDpi, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
  }
  const bool unaware = KlikvaneMadeUnaware();
  EXPECT_EQ(unaware, WindowAwareness(MainWindowHandle()) == kUnawareLevel);
  EXPECT_EQ(unaware, ThreadAwarenessNow() == kUnawareLevel);
  for (Awareness awareness : {Awareness::kUnaware, Awareness::kSystemAware, Awareness::kPerMonitorAware}) {
    ClickTarget target(std::string("缩放检查 ") + NameOf(awareness), 10, 10, 200, 100, false, false, awareness);
    ASSERT_TRUE(target.ready()) << NameOf(awareness);
    EXPECT_EQ(-1 - static_cast<int>(awareness), WindowAwareness(target.window())) << NameOf(awareness);
  }
}

}  // namespace
}  // namespace klvtest
