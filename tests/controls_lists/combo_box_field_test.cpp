// The combo box's edit field in the editable kinds, its item-list
// rebuilds, and its events under real mouse and keyboard input.
#include "tests/controls_lists/combo_box_fixture.h"

namespace ctltest {
namespace {

using namespace klv::ComboBoxProperty;  // type property k of the combo box, by name

TEST_F(ComboBoxTest, ContentOfTheEditableTypesIsTheWindowText) {
  klv::ComboBoxSettings settings = ClickModeSettings();
  settings.content = "stored";
  auto list = Make(settings);
  EXPECT_EQ(0, list->WriteText(kContent, "ignored by a list"));
  EXPECT_EQ("前台点击", list->ReadText(kContent));
  EXPECT_EQ(1, list->WriteNumber(kStyle, 1));
  EXPECT_EQ("ignored by a list", list->ReadText(kContent));  // stored, shown once editable
  EXPECT_EQ(0, list->WriteText(kContent, "Notepad 记事本"));
  char text[64] = "";
  GetWindowTextA(list->hwnd(), text, sizeof text);
  EXPECT_EQ("Notepad 记事本", std::string(text));
  EXPECT_EQ("Notepad 记事本", list->ReadText(kContent));
}

TEST_F(ComboBoxTest, EditSelectionPropertiesWorkInCharacters) {
  klv::ComboBoxSettings settings;
  settings.style = 1;
  settings.content = "ab记事f";
  settings.selectionStart = 1;
  settings.selectionLength = 2;
  auto combo = Make(settings);
  EXPECT_EQ(1, combo->ReadNumber(kSelectionStart));
  EXPECT_EQ(2, combo->ReadNumber(kSelectionLength));
  EXPECT_EQ("b记", combo->ReadText(kSelectedText));
  combo->WriteNumber(kSelectionStart, 2);
  combo->WriteNumber(kSelectionLength, 2);
  EXPECT_EQ("记事", combo->ReadText(kSelectedText));
  combo->WriteText(kSelectedText, "XYZ");
  EXPECT_EQ("abXYZf", combo->ReadText(kContent));
  EXPECT_EQ(5, combo->ReadNumber(kSelectionStart));  // the caret after the new text
  EXPECT_EQ(0, combo->ReadNumber(kSelectionLength));
  combo->WriteNumber(kSelectionStart, 1);
  combo->WriteNumber(kSelectionLength, -1);
  EXPECT_EQ("bXYZf", combo->ReadText(kSelectedText));
  combo->WriteNumber(kSelectionStart, -1);
  EXPECT_EQ(6, combo->ReadNumber(kSelectionStart));
  EXPECT_EQ(0, combo->ReadNumber(kSelectionLength));
  EXPECT_EQ("", combo->ReadText(kSelectedText));
}

TEST_F(ComboBoxTest, MaximumLengthLimitsTheEditField) {
  klv::ComboBoxSettings settings;
  settings.style = 1;
  settings.maximumLength = 5;
  auto combo = Make(settings);
  COMBOBOXINFO info = Parts(*combo);
  EXPECT_EQ(5, SendMessageA(info.hwndItem, EM_GETLIMITTEXT, 0, 0));
  combo->WriteNumber(kMaximumLength, 99999);
  EXPECT_EQ(32767, combo->ReadNumber(kMaximumLength));
  EXPECT_EQ(32767, SendMessageA(info.hwndItem, EM_GETLIMITTEXT, 0, 0));
}

TEST_F(ComboBoxTest, ColoursAnswerTheEditFieldsColourRequest) {
  klv::ComboBoxSettings settings;
  settings.style = 1;
  settings.textColour = 0x000000FF;
  settings.backgroundColour = 0x0000FF00;
  auto combo = Make(settings);
  COMBOBOXINFO info = Parts(*combo);
  HDC dc = GetDC(info.hwndItem);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(combo->hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(info.hwndItem)));
  LOGBRUSH shape = {};
  ASSERT_NE(0, GetObjectA(brush, sizeof shape, &shape));
  EXPECT_EQ(0x0000FF00u, shape.lbColor);
  EXPECT_EQ(0x000000FFu, GetTextColor(dc));
  combo->WriteNumber(kBackgroundColour, 0x00FF0000);
  brush = reinterpret_cast<HBRUSH>(
      SendMessageA(combo->hwnd(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(info.hwndList)));
  ASSERT_NE(0, GetObjectA(brush, sizeof shape, &shape));
  EXPECT_EQ(0x00FF0000u, shape.lbColor);
  ReleaseDC(info.hwndItem, dc);
}

TEST_F(ComboBoxTest, ItemListAndDataPropertiesRebuild) {
  auto combo = Make(ClickModeSettings());
  EXPECT_EQ("前台点击\r\n后台点击", combo->ReadText(kItemTexts));
  EXPECT_EQ(0, combo->WriteText(kItemTexts, "前台点击\r\n后台点击"));  // no change
  EXPECT_EQ(1, combo->WriteText(kItemTexts, "左键\r\n右键\r\n中键"));
  EXPECT_EQ(3, Count(*combo));
  EXPECT_EQ("中键", ItemText(*combo, 2));
  klv::PropertyValue data;
  data.bytes = DataOf({5, 6, 7});
  EXPECT_EQ(1, combo->Write(kItemData, data));
  EXPECT_EQ(7, SendMessageA(combo->hwnd(), CB_GETITEMDATA, 2, 0));
  EXPECT_EQ(data.bytes, combo->Read(kItemData).bytes);
  EXPECT_EQ(1, combo->WriteText(kItemTexts, ""));
  EXPECT_EQ(0, Count(*combo));
  EXPECT_EQ(-1, combo->ReadNumber(kCurrentItem));
}

// Picking an item with real input: the list opens on a click, the keyboard
// picks the second item, and event 0 arrives after the combo box shows it.
TEST_F(ComboBoxTest, PickingAnItemRaisesEventZeroAfterTheSelectionChanged) {
  auto combo = Make(ClickModeSettings());
  EventLog log;
  int seenItem = -2;
  std::string seenText = "?";
  log.OnEvent([&](const LoggedEvent& event) {
    if (event.event != 0) return;
    seenItem = combo->ReadNumber(kCurrentItem);
    seenText = combo->ReadText(kContent);
  });
  RECT rect;
  GetClientRect(combo->hwnd(), &rect);
  Click(ScreenPoint(combo->hwnd(), rect.right / 2, rect.bottom / 2));
  EXPECT_TRUE(SendMessageA(combo->hwnd(), CB_GETDROPPEDSTATE, 0, 0));
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return seenItem != -2; }));
  EXPECT_EQ(1, seenItem);
  EXPECT_EQ("后台点击", seenText);
  using namespace klv::CommonEvent;
  using namespace klv::ComboBoxEvent;
  EXPECT_TRUE(EventsFollow(log.Take(), {MouseAt(kLeftDown, {80, 11}), {kGotFocus}, {kAboutToDropDown},
                                        MouseAt(kLeftUp, {80, 11}), {kKeyDown, {VK_DOWN, 0}}, {kKeyUp, {VK_DOWN, 0}},
                                        {kKeyDown, {VK_RETURN, 0}}, {kClosedUp}, {kCharacter, {'\r'}},
                                        {kItemPicked}, {kKeyUp, {VK_RETURN, 0}}}));
}

TEST_F(ComboBoxTest, TypingIntoTheEditFieldRaisesEditChangeAndFocusEvents) {
  klv::ComboBoxSettings settings;
  settings.style = 1;
  auto combo = Make(settings);
  auto other = Make(settings, {20, 200, 180, 220});
  COMBOBOXINFO info = Parts(*combo);
  EventLog log;
  SetFocus(info.hwndItem);
  PumpUntilQuiet();
  PressKey('A');
  SetFocus(other->hwnd());
  PumpUntilQuiet();
  EXPECT_EQ("a", combo->ReadText(kContent));
  std::vector<LoggedEvent> events = log.Take();
  using namespace klv::CommonEvent;
  EXPECT_TRUE(EventsFollow(events, {{kGotFocus}, {kKeyDown, {'A', 0}}, {kCharacter, {'a'}},
                                    {klv::ComboBoxEvent::kTextEdited}, {kKeyUp, {'A', 0}}, {kLostFocus}},
                           combo->unitId()));
  EXPECT_TRUE(EventsFollow(events, {{kGotFocus}}, other->unitId()));
}

}  // namespace
}  // namespace ctltest
