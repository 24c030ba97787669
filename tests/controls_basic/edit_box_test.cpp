// The edit box made through its type record in a real parent window: the
// program's writes of its content, typed keys and focus moves as exact event
// sequences; styles, limits, spin buttons, selection and rebuilding.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "controls/skeleton/control_font.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "tests/support/control_harness.h"

namespace ctltest {
namespace {

using namespace klv::EditBoxProperty;  // type property k of the edit box, by name

constexpr uint32_t kEditA = 0x160134c8;
constexpr uint32_t kEditB = 0x160134c9;

// A write to the content, or to the selected text, whatever the text was
// before: one content-changed event.
const EventSequence kContentChanged = {{klv::EditBoxEvent::kContentChanged}};
// Three writes in a row: one event each, a write of the same text included.
const EventSequence kThreeContentChanges = {{klv::EditBoxEvent::kContentChanged},
                                            {klv::EditBoxEvent::kContentChanged},
                                            {klv::EditBoxEvent::kContentChanged}};

std::vector<uint8_t> EditSettings(const std::string& content, void (*adjust)(klv::EditBoxSettings&) = nullptr) {
  klv::EditBoxSettings settings;
  settings.content = content;
  if (adjust) adjust(settings);
  return klv::WriteSettings(settings);
}

class EditBoxTest : public ControlTest {};

TEST_F(EditBoxTest, EachContentWriteRaisesEventZeroExactlyOnce) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("1000"), {10, 10, 90, 30});
  ASSERT_NE(nullptr, edit.unit());
  edit.Show();
  events_.Take();  // creation and showing raise nothing of interest here
  edit.WriteText(kContent, "250");
  edit.WriteText(kContent, "250");
  edit.WriteText(kContent, "");
  Pump();
  EXPECT_TRUE(EventsFollow(events_.Take(), kThreeContentChanges, kEditA));
  EXPECT_EQ("", edit.ReadText(kContent));
}

TEST_F(EditBoxTest, CreationRaisesNoEventAndShowsTheStoredContent) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("开始"), {10, 10, 90, 30});
  edit.Show();
  EXPECT_EQ("开始", edit.ReadText(kContent));
  std::vector<LoggedEvent> seen = events_.Take();
  EXPECT_TRUE(seen.empty()) << Describe(seen);
}

TEST_F(EditBoxTest, TypedKeyRaisesEventZeroAndIsWhatTheContentReads) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("12"), {10, 10, 90, 30});
  edit.Show();
  BringToFront(parent_.hwnd());
  SetFocus(edit.hwnd());
  SendMessageA(edit.hwnd(), EM_SETSEL, 2, 2);
  Pump();
  events_.Take();
  PressKey('3');
  using namespace klv::CommonEvent;
  EXPECT_TRUE(EventsFollow(events_.Take(), {{kKeyDown, {'3', 0}}, {kCharacter, {'3'}},
                                            {klv::EditBoxEvent::kContentChanged}, {kKeyUp, {'3', 0}}}));
  EXPECT_EQ("123", edit.ReadText(kContent));
}

TEST_F(EditBoxTest, FocusMovingBetweenEditBoxesRaisesLostThenGot) {
  TestUnit a(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("a"), {10, 10, 90, 30}, 100);
  TestUnit b(klv::EditBoxTypeRecord(), kEditB, parent_.hwnd(), EditSettings("b"), {10, 50, 90, 70}, 110);
  a.Show();
  b.Show();
  BringToFront(parent_.hwnd());
  SetFocus(parent_.hwnd());
  Pump();
  events_.Take();
  Click(CentreOnScreen(a.hwnd()));
  Click(CentreOnScreen(b.hwnd()));
  using namespace klv::CommonEvent;
  const POINT centre = ClientCentre(a.hwnd());
  const std::vector<LoggedEvent> seen = events_.Take();
  EXPECT_TRUE(EventsFollow(seen, {MouseAt(kLeftDown, centre), {kGotFocus}, MouseAt(kLeftUp, centre),
                                  MouseAt(kLeftDown, centre), {kLostFocus}, {kGotFocus}, MouseAt(kLeftUp, centre)}));
  EXPECT_TRUE(EventsFollow(seen, {MouseAt(kLeftDown, centre), {kGotFocus}, MouseAt(kLeftUp, centre), {kLostFocus}},
                           kEditA));
  EXPECT_TRUE(EventsFollow(seen, {MouseAt(kLeftDown, centre), {kGotFocus}, MouseAt(kLeftUp, centre)}, kEditB));
}

TEST_F(EditBoxTest, SingleLineEditIsMadeHighEnoughForItsFont) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("x"), {10, 10, 90, 14});
  RECT rect;
  GetWindowRect(edit.hwnd(), &rect);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, klv::DefaultFont());
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE), rect.bottom - rect.top);
  EXPECT_EQ(80, rect.right - rect.left);
  EXPECT_EQ(reinterpret_cast<WPARAM>(klv::DefaultFont()),
            static_cast<WPARAM>(SendMessageA(edit.hwnd(), WM_GETFONT, 0, 0)));
}

TEST_F(EditBoxTest, StylesFollowTheSettings) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("", [](klv::EditBoxSettings& s) {
                     s.alignment = 1;
                     s.caseConversion = 2;
                     s.hideSelection = 0;
                     s.inputMode = 1;
                   }),
                   {10, 10, 90, 30});
  LONG style = Style(edit.hwnd());
  EXPECT_TRUE(style & ES_CENTER);
  EXPECT_TRUE(style & ES_UPPERCASE);
  EXPECT_TRUE(style & ES_NOHIDESEL);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & ES_AUTOHSCROLL);
  EXPECT_FALSE(style & ES_MULTILINE);
  EXPECT_TRUE(GetWindowLongA(edit.hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);  // border 1 by default
}

TEST_F(EditBoxTest, UpperCaseConversionAppliesToTypedText) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(),
                   EditSettings("", [](klv::EditBoxSettings& s) { s.caseConversion = 2; }), {10, 10, 90, 30});
  edit.Show();
  BringToFront(parent_.hwnd());
  SetFocus(edit.hwnd());
  PressKey('Q');
  EXPECT_EQ("Q", edit.ReadText(kContent));
  EXPECT_EQ(2u, edit.ReadWord(kCaseConversion));
}

TEST_F(EditBoxTest, PasswordModeUsesTheFirstByteOfThePasswordCharacter) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(),
                   EditSettings("secret", [](klv::EditBoxSettings& s) { s.inputMode = 2; }), {10, 10, 90, 30});
  EXPECT_TRUE(Style(edit.hwnd()) & ES_PASSWORD);
  EXPECT_EQ('*', SendMessageA(edit.hwnd(), EM_GETPASSWORDCHAR, 0, 0));
  edit.WriteText(kPasswordCharacter, "#!");
  EXPECT_EQ('#', SendMessageA(edit.hwnd(), EM_GETPASSWORDCHAR, 0, 0));
  EXPECT_EQ("#", edit.ReadText(kPasswordCharacter));
  EXPECT_EQ("secret", edit.ReadText(kContent));
}

TEST_F(EditBoxTest, MaximumLengthLimitsTheControlAndNegativeValuesBecomeZero) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(),
                   EditSettings("", [](klv::EditBoxSettings& s) { s.maximumLength = 4; }), {10, 10, 90, 30});
  EXPECT_EQ(4, SendMessageA(edit.hwnd(), EM_GETLIMITTEXT, 0, 0));
  EXPECT_EQ(0, edit.WriteWord(kMaximumLength, 3));
  EXPECT_EQ(3, SendMessageA(edit.hwnd(), EM_GETLIMITTEXT, 0, 0));
  edit.WriteWord(kMaximumLength, static_cast<uint32_t>(-5));
  EXPECT_EQ(0u, edit.ReadWord(kMaximumLength));
}

TEST_F(EditBoxTest, ChoicesAreClampedToTheirRanges) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings(""), {10, 10, 90, 30});
  edit.ExpectKept({{kAlignment, 9, 2}});
  EXPECT_TRUE(Style(edit.hwnd()) & ES_RIGHT);
  edit.ExpectKept({{kAlignment, static_cast<uint32_t>(-1), 0}, {kCaseConversion, 7, 2}, {kBorder, 40, 5}});
  EXPECT_TRUE(Style(edit.hwnd()) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongA(edit.hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  edit.WriteWord(kScrollBars, 8);
  EXPECT_EQ(3u, edit.ReadWord(kScrollBars));
}

TEST_F(EditBoxTest, SpinButtonsSitBesideTheEditWithTheSmallerLimitAsMinimum) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("5", [](klv::EditBoxSettings& s) {
                     s.spinButtons = 1;
                     s.spinMinimum = 100;
                     s.spinMaximum = 0;
                   }),
                   {10, 10, 90, 30}, 100, true);
  edit.Show();
  HWND spin = FindWindowExA(parent_.hwnd(), nullptr, "msctls_updown32", nullptr);
  ASSERT_NE(nullptr, spin);
  EXPECT_EQ(edit.hwnd(), reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)));
  int low = -1, high = -1;
  SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(0, low);
  EXPECT_EQ(100, high);
  EXPECT_FALSE(IsWindowEnabled(spin));
  EXPECT_TRUE(IsWindowVisible(spin));
  RECT editRect, spinRect;
  GetWindowRect(edit.hwnd(), &editRect);
  GetWindowRect(spin, &spinRect);
  EXPECT_EQ(editRect.right, spinRect.left);
  EXPECT_EQ(editRect.top, spinRect.top);
  EnableWindow(edit.hwnd(), TRUE);
  EXPECT_TRUE(IsWindowEnabled(spin));
  edit.WriteWord(kSpinUpper, static_cast<uint32_t>(-20));
  SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(-20, low);
  EXPECT_EQ(100, high);
  edit.Destroy();
  EXPECT_FALSE(IsWindow(spin));
}

TEST_F(EditBoxTest, SelectionPropertiesCountCharacters) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("点击 hello"), {10, 10, 190, 30});
  edit.Show();
  edit.WriteWord(kSelectionStart, 3);
  edit.WriteWord(kSelectionLength, 5);
  EXPECT_EQ(3u, edit.ReadWord(kSelectionStart));
  EXPECT_EQ(5u, edit.ReadWord(kSelectionLength));
  EXPECT_EQ("hello", edit.ReadText(kSelectedText));
  edit.WriteWord(kSelectionStart, 0);
  EXPECT_EQ(5u, edit.ReadWord(kSelectionLength));  // the length stays
  EXPECT_EQ("点击 he", edit.ReadText(kSelectedText));
  events_.Take();
  edit.WriteText(kSelectedText, "鼠标");
  EXPECT_EQ("鼠标llo", edit.ReadText(kContent));
  EXPECT_TRUE(EventsFollow(events_.Take(), kContentChanged, kEditA));
}

TEST_F(EditBoxTest, StoredSelectionIsAppliedAtCreation) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("abcdef", [](klv::EditBoxSettings& s) {
                     s.selectionStart = 1;
                     s.selectionLength = 2;
                   }),
                   {10, 10, 90, 30});
  EXPECT_EQ("bc", edit.ReadText(kSelectedText));
}

TEST_F(EditBoxTest, MultiLineWriteRebuildsInPlaceKeepingTextAndRaisingNothing) {
  TestUnit before(klv::EditBoxTypeRecord(), 0x16010001, parent_.hwnd(), EditSettings("x"), {10, 40, 90, 60}, 90);
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("typed"), {10, 10, 90, 30}, 120);
  before.Show();
  edit.Show();
  SetWindowPos(edit.hwnd(), before.hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RECT oldRect;
  GetWindowRect(edit.hwnd(), &oldRect);
  HWND old = edit.hwnd();
  events_.Take();
  EXPECT_EQ(1, edit.WriteWord(kMultiLine, 1));
  Pump();
  ASSERT_NE(old, edit.hwnd());
  EXPECT_FALSE(IsWindow(old));
  LONG style = Style(edit.hwnd());
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_WANTRETURN);
  EXPECT_TRUE(style & ES_AUTOVSCROLL);
  EXPECT_FALSE(style & ES_AUTOHSCROLL);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_TRUE(style & WS_TABSTOP);
  EXPECT_EQ(120, GetDlgCtrlID(edit.hwnd()));
  EXPECT_EQ(before.hwnd(), GetWindow(edit.hwnd(), GW_HWNDPREV));
  RECT newRect;
  GetWindowRect(edit.hwnd(), &newRect);
  EXPECT_TRUE(EqualRect(&oldRect, &newRect));
  EXPECT_EQ("typed", edit.ReadText(kContent));
  EXPECT_EQ(klv::UnitObject::FromWindow(edit.hwnd()), edit.unit());
  std::vector<LoggedEvent> seen = events_.Take();
  EXPECT_TRUE(seen.empty()) << Describe(seen);
  edit.WriteWord(kScrollBars, 3);
  style = Style(edit.hwnd());
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
}

TEST_F(EditBoxTest, ColoursAnswerTheParentsColourQuestion) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("c"), {10, 10, 90, 30});
  edit.WriteWord(kTextColour, 0x0000FF);
  edit.WriteWord(kBackgroundColour, 0x00FF00);
  ColourAnswer answer = edit.AskColours(WM_CTLCOLOREDIT);
  ASSERT_TRUE(answer.answered);
  EXPECT_EQ(RGB(255, 0, 0), answer.text);
  EXPECT_EQ(RGB(0, 255, 0), answer.background);
  LOGBRUSH brush = {};
  GetObjectA(reinterpret_cast<HBRUSH>(answer.brush), sizeof brush, &brush);
  EXPECT_EQ(RGB(0, 255, 0), brush.lbColor);
}

TEST_F(EditBoxTest, FontWriteIsSentToTheControlAndReadBack) {
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), EditSettings("f"), {10, 10, 90, 30});
  klv::PropertyValue value;
  value.font.size = 20;
  value.font.bold = 1;
  edit.Write(kFont, value);
  auto font = reinterpret_cast<HFONT>(SendMessageA(edit.hwnd(), WM_GETFONT, 0, 0));
  ASSERT_NE(klv::DefaultFont(), font);
  LOGFONTA logical = {};
  GetObjectA(font, sizeof logical, &logical);
  EXPECT_EQ(FW_BOLD, logical.lfWeight);
  klv::FontValue read = edit.Read(kFont).font;
  EXPECT_EQ(20, read.size);
  EXPECT_EQ(1u, read.bold);
}

TEST_F(EditBoxTest, HigherSettingVersionFailsCreation) {
  std::vector<uint8_t> settings = EditSettings("");
  settings[0] = 3;
  TestUnit edit(klv::EditBoxTypeRecord(), kEditA, parent_.hwnd(), settings, {10, 10, 90, 30});
  EXPECT_EQ(nullptr, edit.unit());
}

}  // namespace
}  // namespace ctltest
