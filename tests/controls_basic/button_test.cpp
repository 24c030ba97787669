// The push button made through its type record: a real mouse click raises
// event 0 once, a disabled button raises nothing; styles, clamping, and the
// picture that rebuilds the system window in place.
#include <gtest/gtest.h>

#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "tests/support/control_harness.h"
#include "tests/controls_basic/icon_files.h"

namespace ctltest {
namespace {

using namespace klv::ButtonProperty;  // type property k of the button, by name

constexpr uint32_t kStartId = 0x16011a3d;
constexpr uint32_t kStopId = 0x16011a3e;

std::vector<uint8_t> ButtonSettings(const std::string& caption) {
  klv::ButtonSettings settings;
  settings.caption = caption;
  return klv::WriteSettings(settings);
}

// A real click on a button: its mouse events, then its clicked event.
EventSequence ClickedAt(POINT client) {
  return {MouseAt(klv::CommonEvent::kLeftDown, client), MouseAt(klv::CommonEvent::kLeftUp, client),
          {klv::ButtonEvent::kClicked}};
}

class ButtonTest : public ControlTest {};

TEST_F(ButtonTest, IsAMultiLinePushButtonWithItsCaption) {
  klv::DataTypeRecord type = klv::ButtonTypeRecord();
  EXPECT_EQ(14u, type.propertyCount);
  TestUnit button(type, kStartId, parent_.hwnd(), ButtonSettings("开始/F6"), {8, 8, 58, 32});
  ASSERT_NE(nullptr, button.unit());
  LONG style = Style(button.hwnd());
  EXPECT_EQ(BS_PUSHBUTTON, style & 0x0F);
  EXPECT_TRUE(style & BS_MULTILINE);
  EXPECT_EQ(BS_CENTER, style & BS_CENTER);
  EXPECT_EQ(BS_VCENTER, style & BS_VCENTER);
  EXPECT_TRUE(style & WS_TABSTOP);
  EXPECT_EQ("开始/F6", button.ReadText(kCaption));
}

TEST_F(ButtonTest, ARealClickRaisesEventZeroOnce) {
  TestUnit button(klv::ButtonTypeRecord(), kStartId, parent_.hwnd(), ButtonSettings("开始"), {8, 8, 58, 32});
  button.Show();
  BringToFront(parent_.hwnd());
  events_.Take();
  Click(CentreOnScreen(button.hwnd()));
  EXPECT_TRUE(EventsFollow(events_.Take(), ClickedAt(ClientCentre(button.hwnd()))));
}

TEST_F(ButtonTest, ADisabledButtonRaisesNothing) {
  TestUnit button(klv::ButtonTypeRecord(), kStopId, parent_.hwnd(), ButtonSettings("停止"), {8, 8, 58, 32}, 100,
                     true);
  button.Show();
  BringToFront(parent_.hwnd());
  events_.Take();
  Click(CentreOnScreen(button.hwnd()));
  std::vector<LoggedEvent> seen = events_.Take();
  EXPECT_TRUE(seen.empty()) << Describe(seen);
  EnableWindow(button.hwnd(), TRUE);
  Click(CentreOnScreen(button.hwnd()));
  EXPECT_TRUE(EventsFollow(events_.Take(), ClickedAt(ClientCentre(button.hwnd()))));
}

TEST_F(ButtonTest, TypeAndAlignmentsAreClampedAndApplied) {
  TestUnit button(klv::ButtonTypeRecord(), kStartId, parent_.hwnd(), ButtonSettings("b"), {8, 8, 58, 32});
  EXPECT_EQ(0, button.WriteWord(kButtonType, 5));
  EXPECT_EQ(1u, button.ReadWord(kButtonType));
  EXPECT_EQ(BS_DEFPUSHBUTTON, Style(button.hwnd()) & 0x0F);
  button.WriteWord(kButtonType, 0);
  EXPECT_EQ(BS_PUSHBUTTON, Style(button.hwnd()) & 0x0F);
  button.WriteWord(kHorizontalAlignment, 0);
  EXPECT_EQ(BS_LEFT, Style(button.hwnd()) & BS_CENTER);
  button.WriteWord(kHorizontalAlignment, 9);
  EXPECT_EQ(2u, button.ReadWord(kHorizontalAlignment));
  EXPECT_EQ(BS_RIGHT, Style(button.hwnd()) & BS_CENTER);
  button.WriteWord(kVerticalAlignment, static_cast<uint32_t>(-4));
  EXPECT_EQ(0u, button.ReadWord(kVerticalAlignment));
  EXPECT_EQ(BS_TOP, Style(button.hwnd()) & BS_VCENTER);
  button.WriteWord(kVerticalAlignment, 2);
  EXPECT_EQ(BS_BOTTOM, Style(button.hwnd()) & BS_VCENTER);
}

TEST_F(ButtonTest, PictureWriteRebuildsInPlaceWithTheImage) {
  TestUnit first(klv::ButtonTypeRecord(), kStopId, parent_.hwnd(), ButtonSettings("a"), {70, 8, 120, 32}, 110);
  TestUnit button(klv::ButtonTypeRecord(), kStartId, parent_.hwnd(), ButtonSettings("b"), {8, 8, 58, 32}, 100);
  first.Show();
  button.Show();
  SetWindowPos(button.hwnd(), first.hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  HWND old = button.hwnd();
  std::vector<uint8_t> icon = MakeIconFile({{32, 0x00FF00}});
  EXPECT_EQ(1, button.WriteBytes(kPicture, icon));
  ASSERT_NE(old, button.hwnd());
  EXPECT_FALSE(IsWindow(old));
  EXPECT_TRUE(Style(button.hwnd()) & BS_ICON);
  EXPECT_NE(0, SendMessageA(button.hwnd(), BM_GETIMAGE, IMAGE_ICON, 0));
  EXPECT_EQ(100, GetDlgCtrlID(button.hwnd()));
  EXPECT_EQ(first.hwnd(), GetWindow(button.hwnd(), GW_HWNDPREV));
  EXPECT_TRUE(IsWindowVisible(button.hwnd()));
  RECT rect;
  GetWindowRect(button.hwnd(), &rect);
  EXPECT_EQ(50, rect.right - rect.left);
  EXPECT_EQ(icon, button.Read(kPicture).bytes);
  EXPECT_EQ(1, button.WriteBytes(kPicture, MakeBitmapFile(8, 8, 0xFF0000)));
  EXPECT_TRUE(Style(button.hwnd()) & BS_BITMAP);
  EXPECT_NE(0, SendMessageA(button.hwnd(), BM_GETIMAGE, IMAGE_BITMAP, 0));
  EXPECT_EQ(1, button.WriteBytes(kPicture, {}));
  EXPECT_FALSE(Style(button.hwnd()) & (BS_BITMAP | BS_ICON));
  events_.Take();
  BringToFront(parent_.hwnd());
  Click(CentreOnScreen(button.hwnd()));  // the new window still belongs to the unit
  EXPECT_TRUE(EventsFollow(events_.Take(), ClickedAt(ClientCentre(button.hwnd()))));
}

}  // namespace
}  // namespace ctltest
