// The group box made through its type record: a system group box whose
// children's notifications reach their own units through it, its caption
// alignment, colours and background.
#include <gtest/gtest.h>

#include "controls/skeleton/control_font.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "tests/support/control_harness.h"

namespace ctltest {
namespace {

using namespace klv::GroupBoxProperty;  // type property k of the group box, by name

constexpr uint32_t kGroupId = 0x160135a7;
constexpr uint32_t kEditId = 0x160135a8;

std::vector<uint8_t> GroupSettings(const std::string& caption, uint32_t background) {
  klv::GroupBoxSettings settings;
  settings.caption = caption;
  settings.backgroundColour = background;
  return klv::WriteSettings(settings);
}

class GroupBoxTest : public ControlTest {};

TEST_F(GroupBoxTest, IsASystemGroupBoxWithItsCaption) {
  klv::DataTypeRecord type = klv::GroupBoxTypeRecord();
  EXPECT_EQ(13u, type.propertyCount);
  EXPECT_EQ(0x104u, type.typeFlags);
  TestUnit group(type, kGroupId, parent_.hwnd(), GroupSettings("记事本", 0xFF000000), {8, 8, 280, 110});
  ASSERT_NE(nullptr, group.unit());
  char name[32] = "";
  GetClassNameA(group.hwnd(), name, sizeof name);
  EXPECT_STRCASEEQ("Button", name);
  LONG style = GetWindowLongA(group.hwnd(), GWL_STYLE);
  EXPECT_EQ(BS_GROUPBOX, style & 0x0F);
  EXPECT_EQ(BS_LEFT, style & BS_CENTER);
  EXPECT_EQ("记事本", group.ReadText(kCaption));
  EXPECT_EQ(reinterpret_cast<LRESULT>(klv::DefaultFont()), SendMessageA(group.hwnd(), WM_GETFONT, 0, 0));
}

TEST_F(GroupBoxTest, ChildNotificationsReachTheChildsUnit) {
  TestUnit group(klv::GroupBoxTypeRecord(), kGroupId, parent_.hwnd(), GroupSettings("g", 0xFF000000),
                    {8, 8, 280, 110}, 110);
  klv::EditBoxSettings editSettings;
  TestUnit edit(klv::EditBoxTypeRecord(), kEditId, parent_.hwnd(), klv::WriteSettings(editSettings),
                   {10, 20, 200, 40}, 100);
  SetParent(edit.hwnd(), group.hwnd());  // as the loader moves a control into its container
  group.Show();
  edit.Show();
  events_.Take();
  SetWindowTextA(edit.hwnd(), "typed");  // the control tells its parent, the group box
  // The edit box's text set: its unit's content-changed event.
  const EventSequence contentChanged = {{klv::EditBoxEvent::kContentChanged}};
  EXPECT_TRUE(EventsFollow(events_.Take(), contentChanged, kEditId));
  edit.WriteWord(klv::EditBoxProperty::kBackgroundColour, 0x00FF00);
  HDC dc = CreateCompatibleDC(nullptr);
  LRESULT brush = SendMessageA(group.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(edit.hwnd()));
  LOGBRUSH logical = {};
  ASSERT_NE(0, GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof logical, &logical));
  EXPECT_EQ(RGB(0, 255, 0), logical.lbColor);
  DeleteDC(dc);
}

TEST_F(GroupBoxTest, FillsItsBackgroundWithItsColour) {
  TestUnit group(klv::GroupBoxTypeRecord(), kGroupId, parent_.hwnd(), GroupSettings("g", 0x00FFFF),
                    {8, 8, 200, 110});
  group.Show();
  EXPECT_EQ(RGB(255, 255, 0), ClientPixel(group.hwnd(), 100, 60));
  group.WriteWord(kBackgroundColour, 0xFF000000);
  UpdateWindow(group.hwnd());
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ClientPixel(group.hwnd(), 100, 60));
}

TEST_F(GroupBoxTest, AnswersItsOwnColourQuestionWithTextAndBackground) {
  TestUnit group(klv::GroupBoxTypeRecord(), kGroupId, parent_.hwnd(), GroupSettings("g", 0x123456),
                    {8, 8, 200, 110});
  group.WriteWord(kTextColour, 0x0000FF);
  ColourAnswer answer = group.AskColours(WM_CTLCOLORSTATIC);
  ASSERT_TRUE(answer.answered);
  EXPECT_EQ(RGB(255, 0, 0), answer.text);
  EXPECT_EQ(static_cast<COLORREF>(0x123456), answer.background);
  LRESULT result = 0;
  EXPECT_FALSE(group.unit()->HandleParentNotification(WM_COMMAND, 0, reinterpret_cast<LPARAM>(group.hwnd()), &result));
}

TEST_F(GroupBoxTest, CaptionAlignmentIsClampedAndApplied) {
  TestUnit group(klv::GroupBoxTypeRecord(), kGroupId, parent_.hwnd(), GroupSettings("g", 0xFF000000),
                    {8, 8, 200, 110});
  group.WriteWord(kCaptionAlignment, 7);
  EXPECT_EQ(2u, group.ReadWord(kCaptionAlignment));
  EXPECT_EQ(BS_RIGHT, GetWindowLongA(group.hwnd(), GWL_STYLE) & BS_CENTER);
  group.WriteWord(kCaptionAlignment, 1);
  EXPECT_EQ(BS_CENTER, GetWindowLongA(group.hwnd(), GWL_STYLE) & BS_CENTER);
  group.WriteWord(kCaptionAlignment, static_cast<uint32_t>(-1));
  EXPECT_EQ(0u, group.ReadWord(kCaptionAlignment));
  group.WriteText(kCaption, "屏幕");
  EXPECT_EQ("屏幕", group.ReadText(kCaption));
}

}  // namespace
}  // namespace ctltest
