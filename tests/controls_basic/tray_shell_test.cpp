// The tray icon against a real notification area. It runs only where the
// shell shows a taskbar, for example inside Wine's virtual desktop:
//   wine explorer /desktop=shell,1024x768 test_controls_basic.exe --gtest_filter=TrayShell*
// and is skipped elsewhere. The end-to-end run (tests/e2e/run_e2e.sh) runs it
// in its desktop, where a skip counts as a failure.
#include <gtest/gtest.h>

#include <vector>

#include "controls/tray_icon/shell_notify_seam.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "tests/controls_basic/icon_files.h"
#include "tests/support/control_harness.h"

namespace ctltest {
namespace {

constexpr uint32_t kTrayId = 0x160135aa;

// Real clicks on the icon, as the shell reports them. One click: a left
// click.
const EventSequence kLeftClick = {{klv::TrayIconEvent::kLeftClick}};
// A double click (two clicks): the first click, the double click, and the
// second click's release as a click of its own.
const EventSequence kDoubleClick = {{klv::TrayIconEvent::kLeftClick},
                                    {klv::TrayIconEvent::kDoubleClick},
                                    {klv::TrayIconEvent::kLeftClick}};

std::vector<BOOL> g_answers;

// Hands every record to the real shell and notes its answers.
BOOL PassToShell(DWORD message, NOTIFYICONDATAW* data) {
  BOOL answer = Shell_NotifyIconW(message, data);
  g_answers.push_back(answer);
  return answer;
}

// The visible taskbar, or null. A shell without a desktop of its own keeps
// it hidden; in a virtual desktop it shows once an icon is there, and the
// shell gets a second for that.
HWND VisibleTaskbar(RECT* rect) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar && IsWindowVisible(taskbar) && GetWindowRect(taskbar, rect) && rect->right > rect->left &&
        rect->bottom > rect->top) {
      return taskbar;
    }
    if (taskbar == nullptr) return nullptr;  // no shell at all
    Pump();
    Sleep(100);
  }
  return nullptr;
}

class TrayShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Outside a desktop of its own the shell keeps no taskbar until asked.
    if (FindWindowA("Shell_TrayWnd", nullptr) == nullptr) GTEST_SKIP() << "no shell taskbar";
    g_answers.clear();
    klv::SetShellNotifyFunction(&PassToShell);
  }
  void TearDown() override { klv::SetShellNotifyFunction(nullptr); }

  RECT taskbar_ = {};
  EventLog events_;
};

TEST_F(TrayShellTest, TheShellTakesTheIconAndItsClicksBecomeEvents) {
  klv::TrayIconSettings settings;
  settings.icon = MakeIconFile({{32, 0x0000FF}});
  settings.tooltip = "Marrowfen";
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, SharedParent().hwnd(), klv::WriteSettings(settings),
                   {8, 8, 34, 34});
  Pump();
  if (VisibleTaskbar(&taskbar_) == nullptr) GTEST_SKIP() << "no visible taskbar (run inside a virtual desktop)";
  ASSERT_EQ(std::vector<BOOL>{TRUE}, g_answers);
  // The newest icon sits at the right end of the taskbar.
  POINT icon = {taskbar_.right - 10, (taskbar_.top + taskbar_.bottom) / 2};
  events_.Take();
  MoveCursorTo(icon);
  std::vector<LoggedEvent> seen = events_.Take();
  ASSERT_FALSE(seen.empty()) << "moving onto the icon was not reported";
  for (const LoggedEvent& event : seen) EXPECT_EQ(klv::TrayIconEvent::kMouseMove, event.event) << Describe(seen);
  // The position is read when the report arrives, so only the last one is
  // sure to find the cursor already there.
  LoggedEvent arrived = {kTrayId, klv::TrayIconEvent::kMouseMove, {static_cast<uint32_t>(icon.x), static_cast<uint32_t>(icon.y)}};
  EXPECT_EQ(arrived, seen.back()) << Describe(seen);
  ClickHere();
  EXPECT_TRUE(EventsFollow(events_.Take(), kLeftClick, kTrayId));
  Sleep(GetDoubleClickTime() + 100);  // the next click starts a new double click
  Pump();
  DoubleClickHere();
  EXPECT_TRUE(EventsFollow(events_.Take(), kDoubleClick, kTrayId));
  tray.WriteWord(klv::TrayIconProperty::kShown, 0);
  EXPECT_EQ((std::vector<BOOL>{TRUE, TRUE}), g_answers);
}

}  // namespace
}  // namespace ctltest
