// The label made through its type record: its own window class, its text and
// the way it paints it, clamped settings, and the feedback message that
// becomes event 0 and carries the handler's result back.
#include <gtest/gtest.h>

#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/private_messages.h"
#include "tests/support/control_harness.h"

namespace ctltest {
namespace {

using namespace klv::LabelProperty;  // type property k of the label, by name

constexpr uint32_t kLabelId = 0x1601349d;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

std::vector<uint8_t> LabelSettings(void (*adjust)(klv::LabelSettings&)) {
  klv::LabelSettings settings;
  adjust(settings);
  return klv::WriteSettings(settings);
}

// Columns (or rows) of the label's client area where any pixel has the colour.
std::vector<int> LinesWithColour(HWND window, COLORREF colour, bool rows) {
  RECT client;
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  int outer = rows ? client.bottom : client.right, inner = rows ? client.right : client.bottom;
  std::vector<int> lines;
  for (int i = 0; i < outer; ++i) {
    for (int j = 0; j < inner; ++j) {
      if (GetPixel(dc, rows ? j : i, rows ? i : j) == colour) {
        lines.push_back(i);
        break;
      }
    }
  }
  ReleaseDC(window, dc);
  return lines;
}

std::vector<int> ColumnsWithColour(HWND window, COLORREF colour) { return LinesWithColour(window, colour, false); }

class LabelTest : public ControlTest {};

TEST_F(LabelTest, TypeRecordAndOwnWindowClass) {
  klv::DataTypeRecord type = klv::LabelTypeRecord();
  EXPECT_EQ(29u, type.propertyCount);
  EXPECT_EQ(0x04u, type.typeFlags);
  TestUnit label(type, kLabelId, parent_.hwnd(), {}, {10, 10, 110, 30});
  ASSERT_NE(nullptr, label.unit());
  WNDCLASSA windowClass = {};
  char name[64] = "";
  GetClassNameA(label.hwnd(), name, sizeof name);
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass));
  EXPECT_EQ(static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS), windowClass.style & (CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
  EXPECT_EQ(nullptr, windowClass.hbrBackground);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), windowClass.hCursor);
  EXPECT_FALSE(GetWindowLongA(label.hwnd(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(LabelTest, AnEmptySettingBlockGivesTheDefaults) {
  TestUnit label(klv::LabelTypeRecord(), kLabelId, parent_.hwnd(), {}, {10, 10, 110, 30});
  EXPECT_EQ("标签", label.ReadText(kText));
  EXPECT_EQ(0xFF000000u, label.ReadWord(kBackgroundColour));
  EXPECT_EQ(1u, label.ReadWord(kVerticalAlignment));
  EXPECT_EQ(8u, label.ReadWord(kUnknown11));
  char text[32] = "";
  GetWindowTextA(label.hwnd(), text, sizeof text);
  EXPECT_STREQ("标签", text);
}

TEST_F(LabelTest, TextWriteSetsWindowTextAndRaisesNothing) {
  TestUnit label(klv::LabelTypeRecord(), kLabelId, parent_.hwnd(), {}, {10, 10, 110, 30});
  label.Show();
  EXPECT_EQ(0, label.WriteText(kText, "123"));
  char text[32] = "";
  GetWindowTextA(label.hwnd(), text, sizeof text);
  EXPECT_STREQ("123", text);
  EXPECT_EQ("123", label.ReadText(kText));
  Pump();
  EXPECT_TRUE(events_.Take().empty());
}

TEST_F(LabelTest, FeedbackMessageRaisesEventZeroAndReturnsTheHandlersResult) {
  TestUnit label(klv::LabelTypeRecord(), kLabelId, parent_.hwnd(), {}, {10, 10, 110, 30});
  EXPECT_EQ(0, SendMessageA(label.hwnd(), klv::kLabelFeedbackMessage, 5, 0x80000007));
  events_.SupplyResult(42);
  EXPECT_EQ(42, SendMessageA(label.hwnd(), klv::kLabelFeedbackMessage, 6, 8));
  // The two feedback messages: one feedback event each, with the message's
  // two parameters as its arguments.
  const EventSequence twoFeedbacks = {{klv::LabelEvent::kFeedback, {5, 0x80000007}},
                                      {klv::LabelEvent::kFeedback, {6, 8}}};
  EXPECT_TRUE(EventsFollow(events_.Take(), twoFeedbacks, kLabelId));
}

TEST_F(LabelTest, SettingsAreClampedToTheirRanges) {
  TestUnit label(klv::LabelTypeRecord(), kLabelId, parent_.hwnd(), {}, {10, 10, 110, 30});
  label.ExpectKept({{kEffect, 9, 3},
                    {kUnknown11, 2, 5},
                    {kHorizontalAlignment, static_cast<uint32_t>(-3), 0},
                    {kVerticalAlignment, 3, 2},
                    {kUnknown19, 5, 2},
                    {kUnknown20, 9, 8}});
  label.WriteWord(kBorder, 3);
  EXPECT_TRUE(GetWindowLongA(label.hwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
  label.WriteWord(kBorder, 0);
  EXPECT_FALSE(GetWindowLongA(label.hwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

TEST_F(LabelTest, PaintsTextColourOnBackgroundColourAlignedRight) {
  TestUnit label(klv::LabelTypeRecord(), kLabelId, parent_.hwnd(), LabelSettings([](klv::LabelSettings& s) {
                      s.text = "WWW";
                      s.textColour = 0x0000FF;
                      s.backgroundColour = 0xFF0000;
                      s.horizontalAlignment = 2;
                    }),
                    {10, 10, 210, 40});
  label.Show();
  std::vector<int> text = ColumnsWithColour(label.hwnd(), kRed);
  ASSERT_FALSE(text.empty());
  EXPECT_GT(text.front(), 100);  // the text sits in the right half
  EXPECT_GE(text.back(), 180);
  std::vector<int> background = ColumnsWithColour(label.hwnd(), kBlue);
  EXPECT_EQ(200u, background.size());  // every column shows background somewhere
  label.WriteWord(kHorizontalAlignment, 0);
  UpdateWindow(label.hwnd());
  text = ColumnsWithColour(label.hwnd(), kRed);
  ASSERT_FALSE(text.empty());
  EXPECT_LT(text.back(), 100);
}

TEST_F(LabelTest, SystemColourBackgroundIsTheButtonFace) {
  TestUnit label(klv::LabelTypeRecord(), kLabelId, parent_.hwnd(),
                    LabelSettings([](klv::LabelSettings& s) { s.text = ""; }), {10, 10, 60, 30});
  label.Show();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ClientPixel(label.hwnd(), 1, 1));
}

TEST_F(LabelTest, WordWrapBreaksLongTextOverLines) {
  auto rowsWithText = [](HWND window) { return LinesWithColour(window, RGB(0, 0, 0), true).size(); };
  TestUnit label(klv::LabelTypeRecord(), kLabelId, parent_.hwnd(), LabelSettings([](klv::LabelSettings& s) {
                      s.text = "one two three four five six";
                      s.verticalAlignment = 0;
                    }),
                    {10, 10, 60, 110});
  label.Show();
  size_t singleLineRows = rowsWithText(label.hwnd());
  label.WriteWord(kWordWrap, 1);
  UpdateWindow(label.hwnd());
  size_t wrappedRows = rowsWithText(label.hwnd());
  EXPECT_GT(singleLineRows, 0u);
  EXPECT_GT(wrappedRows, 2 * singleLineRows);
}

}  // namespace
}  // namespace ctltest
