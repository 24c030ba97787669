// The tray icon made through its type record: every record it hands the
// shell, byte for byte where it matters; showing, hiding, the taskbar being
// made anew, icon files, tooltips cut at a character boundary, the mouse
// reports that become events, and the top-level window procedure it borrows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "controls/tray_icon/shell_notify_seam.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/private_messages.h"
#include "runtime/system_text.h"
#include "tests/controls_basic/icon_files.h"
#include "tests/support/control_harness.h"

namespace ctltest {
namespace {

using namespace klv::TrayIconProperty;  // type property k of the tray icon, by name

constexpr uint32_t kTrayId = 0x160135aa;

// The shell's reports of the icon's mouse, as events. A left button's
// release: a left click.
const EventSequence kLeftClick = {{klv::TrayIconEvent::kLeftClick}};
// Down, up, double click: the click, then the double click.
const EventSequence kClickThenDoubleClick = {{klv::TrayIconEvent::kLeftClick}, {klv::TrayIconEvent::kDoubleClick}};
// The double click's last release, then a right click (down and up) and a
// middle button's release: a left click and a right click, the middle
// button nothing.
const EventSequence kLeftThenRightClick = {{klv::TrayIconEvent::kLeftClick}, {klv::TrayIconEvent::kRightClick}};

// One record the shell was given, its tooltip as program text.
struct ShellCall {
  DWORD message;
  NOTIFYICONDATAW record;
  std::string tip;
};

std::vector<ShellCall> g_calls;
BOOL g_answer = TRUE;

BOOL RecordShellCall(DWORD message, NOTIFYICONDATAW* data) {
  ShellCall call = {message, {}, klv::ToProgramText(data->szTip)};
  std::memcpy(&call.record, data, std::min<size_t>(data->cbSize, sizeof call.record));
  g_calls.push_back(call);
  return g_answer;
}

std::vector<DWORD> Messages(const std::vector<ShellCall>& calls) {
  std::vector<DWORD> messages;
  for (const ShellCall& call : calls) messages.push_back(call.message);
  return messages;
}

std::vector<uint8_t> TraySettings(const std::vector<uint8_t>& icon, const std::string& tooltip, uint32_t shown = 1) {
  klv::TrayIconSettings settings;
  settings.icon = icon;
  settings.tooltip = tooltip;
  settings.shown = shown;
  return klv::WriteSettings(settings);
}

int IconWidth(HICON icon) {
  ICONINFO info = {};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap = {};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

class TrayIconTest : public ControlTest {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_answer = TRUE;
    klv::SetShellNotifyFunction(&RecordShellCall);
  }
  void TearDown() override { klv::SetShellNotifyFunction(nullptr); }

  std::vector<uint8_t> icon32_ = MakeIconFile({{32, 0x0000FF}});
};

TEST_F(TrayIconTest, CreationAddsTheIconWithTheExactRecord) {
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "Marrowfen"),
                   {8, 8, 34, 34});
  ASSERT_NE(nullptr, tray.unit());
  EXPECT_EQ(0x8004u, klv::TrayIconTypeRecord().typeFlags);  // windowless, with events
  EXPECT_TRUE(tray.unit()->IsWindowless());
  EXPECT_FALSE(IsWindowVisible(tray.hwnd()));
  EXPECT_EQ(parent_.hwnd(), GetParent(tray.hwnd()));
  ASSERT_EQ(1u, g_calls.size());
  const NOTIFYICONDATAW& record = g_calls[0].record;
  EXPECT_EQ(static_cast<DWORD>(NIM_ADD), g_calls[0].message);
  EXPECT_EQ(936u, record.cbSize);  // the second version of the wide record
  EXPECT_EQ(tray.hwnd(), record.hWnd);
  EXPECT_EQ(static_cast<UINT>(reinterpret_cast<UINT_PTR>(tray.hwnd())), record.uID);
  EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), record.uFlags);
  EXPECT_EQ(klv::kTrayCallbackMessage, record.uCallbackMessage);
  EXPECT_EQ(32, IconWidth(record.hIcon));  // an icon file holding only a 32 x 32 image is accepted
  EXPECT_EQ("Marrowfen", g_calls[0].tip);
  EXPECT_EQ("Marrowfen", tray.ReadText(kTooltip));
  EXPECT_EQ(icon32_, tray.Read(kIcon).bytes);
}

TEST_F(TrayIconTest, TheSixteenPixelImageIsPreferred) {
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(),
                   TraySettings(MakeIconFile({{32, 0xFF0000}, {16, 0x00FF00}}), "t"), {8, 8, 34, 34});
  ASSERT_EQ(1u, g_calls.size());
  EXPECT_EQ(16, IconWidth(g_calls[0].record.hIcon));
}

TEST_F(TrayIconTest, NoIconOrNotShownAddsNothing) {
  {
    TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(),
                     TraySettings(MakeIconFile({{48, 0}}), "t"), {8, 8, 34, 34});
    ASSERT_NE(nullptr, tray.unit());
  }
  {
    TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "t", 0),
                     {8, 8, 34, 34});
    ASSERT_NE(nullptr, tray.unit());
  }
  EXPECT_TRUE(g_calls.empty()) << g_calls.size();
}

TEST_F(TrayIconTest, HidingThenShowingReaddsWithTheSameTooltip) {
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "Marrowfen"),
                   {8, 8, 34, 34});
  tray.WriteWord(kShown, 0);
  EXPECT_EQ(0u, tray.ReadWord(kShown));
  tray.WriteWord(kShown, 0);  // already gone: nothing more to send
  tray.WriteWord(kShown, 7);
  EXPECT_EQ(1u, tray.ReadWord(kShown));
  std::vector<DWORD> expected = {NIM_ADD, NIM_DELETE, NIM_ADD};
  EXPECT_EQ(expected, Messages(g_calls));
  ASSERT_EQ(3u, g_calls.size());
  EXPECT_EQ(tray.hwnd(), g_calls[1].record.hWnd);
  EXPECT_EQ(g_calls[0].record.uID, g_calls[1].record.uID);
  EXPECT_EQ("Marrowfen", g_calls[2].tip);
  EXPECT_EQ(0, std::memcmp(&g_calls[0].record, &g_calls[2].record, 936));
}

TEST_F(TrayIconTest, TooltipAndIconWritesModifyTheAddedIcon) {
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "a"), {8, 8, 34, 34});
  tray.WriteText(kTooltip, "b");
  tray.WriteBytes(kIcon, MakeIconFile({{16, 0x00FF00}}));
  ASSERT_EQ(3u, g_calls.size());
  EXPECT_EQ(16, IconWidth(g_calls[2].record.hIcon));  // the new icon, while it lives
  tray.WriteBytes(kIcon, {});
  std::vector<DWORD> expected = {NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_DELETE};
  ASSERT_EQ(expected, Messages(g_calls));
  EXPECT_EQ("b", g_calls[1].tip);
  EXPECT_EQ(936u, g_calls[1].record.cbSize);
  EXPECT_TRUE(tray.Read(kIcon).bytes.empty());
  tray.WriteWord(kShown, 1);  // no icon any more: nothing is added
  EXPECT_EQ(4u, g_calls.size());
}

// "In the notification area" follows what the shell took, and is read-only.
TEST_F(TrayIconTest, AFailedAddIsTriedAgainByTheNextUpdate) {
  g_answer = FALSE;
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "a"), {8, 8, 34, 34});
  EXPECT_EQ(0u, tray.ReadWord(kInNotificationArea));
  tray.WriteWord(kInNotificationArea, 1);
  EXPECT_EQ(0u, tray.ReadWord(kInNotificationArea));
  g_answer = TRUE;
  tray.WriteText(kTooltip, "b");
  std::vector<DWORD> expected = {NIM_ADD, NIM_ADD};
  ASSERT_EQ(expected, Messages(g_calls));
  EXPECT_EQ("b", g_calls[1].tip);
  EXPECT_EQ(1u, tray.ReadWord(kInNotificationArea));
  tray.WriteWord(kShown, 0);
  EXPECT_EQ(0u, tray.ReadWord(kInNotificationArea));
}

TEST_F(TrayIconTest, ALongGbkTooltipIsCutAtACharacterBoundary) {
  std::string tooltip;
  for (int i = 0; i < 100; ++i) tooltip += "托";  // 200 bytes
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, tooltip),
                   {8, 8, 34, 34});
  ASSERT_EQ(1u, g_calls.size());
  EXPECT_EQ(tooltip.substr(0, 126), g_calls[0].tip);
  tray.WriteText(kTooltip, "x" + tooltip);
  ASSERT_EQ(2u, g_calls.size());
  EXPECT_EQ(("x" + tooltip).substr(0, 127), g_calls[1].tip);
  EXPECT_EQ(("x" + tooltip).substr(0, 127), tray.ReadText(kTooltip));
}

TEST_F(TrayIconTest, TaskbarCreatedReaddsAndStillReachesTheWindow) {
  UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  TestParent::watchedMessages() = {taskbarCreated};
  TestParent::receivedMessages().clear();
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "Marrowfen"),
                   {8, 8, 34, 34});
  PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
  Pump();
  std::vector<DWORD> expected = {NIM_ADD, NIM_ADD};
  ASSERT_EQ(expected, Messages(g_calls));
  EXPECT_EQ(0, std::memcmp(&g_calls[0].record, &g_calls[1].record, 936));
  EXPECT_EQ(std::vector<UINT>{taskbarCreated}, TestParent::receivedMessages());
  TestParent::watchedMessages().clear();
}

TEST_F(TrayIconTest, TheFirstTrayBorrowsTheWindowProcedureAndTheLastGivesItBack) {
  LONG_PTR original = GetWindowLongPtrA(parent_.hwnd(), GWLP_WNDPROC);
  auto first = std::make_unique<TestUnit>(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(),
                                             TraySettings(icon32_, "1"), RECT{8, 8, 34, 34}, 100);
  LONG_PTR borrowed = GetWindowLongPtrA(parent_.hwnd(), GWLP_WNDPROC);
  EXPECT_NE(original, borrowed);
  auto second = std::make_unique<TestUnit>(klv::TrayIconTypeRecord(), kTrayId + 1, parent_.hwnd(),
                                              TraySettings(icon32_, "2"), RECT{8, 8, 34, 34}, 110);
  EXPECT_EQ(borrowed, GetWindowLongPtrA(parent_.hwnd(), GWLP_WNDPROC));
  g_calls.clear();
  SendMessageA(parent_.hwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  ASSERT_EQ(2u, g_calls.size());  // both icons come back
  EXPECT_EQ("1", g_calls[0].tip);
  EXPECT_EQ("2", g_calls[1].tip);
  HWND firstWindow = first->hwnd();
  g_calls.clear();
  first.reset();
  ASSERT_EQ(1u, g_calls.size());
  EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), g_calls[0].message);
  EXPECT_EQ(firstWindow, g_calls[0].record.hWnd);
  EXPECT_EQ(borrowed, GetWindowLongPtrA(parent_.hwnd(), GWLP_WNDPROC));
  second.reset();
  EXPECT_EQ(original, GetWindowLongPtrA(parent_.hwnd(), GWLP_WNDPROC));
}

TEST_F(TrayIconTest, MouseReportsBecomeEvents) {
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "t"), {8, 8, 34, 34});
  UINT id = g_calls.at(0).record.uID;
  auto report = [&](UINT mouseMessage) { SendMessageA(tray.hwnd(), klv::kTrayCallbackMessage, id, mouseMessage); };
  report(WM_LBUTTONDOWN);
  report(WM_LBUTTONUP);
  EXPECT_TRUE(EventsFollow(events_.Take(), kLeftClick, kTrayId));
  // A double click as the shell reports it: down, up, double click, up.
  report(WM_LBUTTONDOWN);
  report(WM_LBUTTONUP);
  report(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(EventsFollow(events_.Take(), kClickThenDoubleClick, kTrayId));
  report(WM_LBUTTONUP);
  report(WM_RBUTTONDOWN);
  report(WM_RBUTTONUP);
  report(WM_MBUTTONUP);
  EXPECT_TRUE(EventsFollow(events_.Take(), kLeftThenRightClick, kTrayId));
  SetCursorPos(123, 45);
  POINT cursor;
  GetCursorPos(&cursor);
  report(WM_MOUSEMOVE);
  // A move: the mouse-move event, with the cursor's screen position.
  const EventSequence moved = {
      {klv::TrayIconEvent::kMouseMove, {static_cast<uint32_t>(cursor.x), static_cast<uint32_t>(cursor.y)}}};
  EXPECT_TRUE(EventsFollow(events_.Take(), moved, kTrayId));
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(nullptr, FindWindowA("#32768", nullptr));  // no menu popped up
}

TEST_F(TrayIconTest, IconPositionIsAPointOnTheScreenAndReadOnly) {
  TestUnit tray(klv::TrayIconTypeRecord(), kTrayId, parent_.hwnd(), TraySettings(icon32_, "t"), {8, 8, 34, 34});
  auto x = static_cast<int32_t>(tray.ReadWord(kPositionX));
  auto y = static_cast<int32_t>(tray.ReadWord(kPositionY));
  EXPECT_GE(x, 0);
  EXPECT_LT(x, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GE(y, 0);
  EXPECT_LT(y, GetSystemMetrics(SM_CYSCREEN));
  tray.WriteWord(kPositionX, 5);
  EXPECT_EQ(x, static_cast<int32_t>(tray.ReadWord(kPositionX)));
}

}  // namespace
}  // namespace ctltest
