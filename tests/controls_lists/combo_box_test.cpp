// The combo box made through its type record on a real window: creation from
// its setting block, its properties, its three commands, and its events
// under real mouse and keyboard input.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "controls/commands/core_commands.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/interface/command_values.h"
#include "tests/support/control_harness.h"

namespace ctltest {
namespace {

const klv::DataTypeRecord& ComboType() {
  static const klv::DataTypeRecord type = klv::ComboBoxTypeRecord();
  return type;
}

using namespace klv::ComboBoxProperty;  // type property k of the combo box, by name

constexpr uint32_t kComboUnit = 0x16011A42;

klv::ComboBoxSettings ClickModeSettings() {
  klv::ComboBoxSettings settings;
  settings.style = 2;
  settings.items = {"前台点击", "后台点击"};
  settings.selectedItem = 0;
  return settings;
}

std::vector<uint8_t> DataOf(std::initializer_list<uint32_t> values) {
  std::vector<uint8_t> bytes;
  for (uint32_t value : values) {
    uint8_t word[4];
    std::memcpy(word, &value, 4);
    bytes.insert(bytes.end(), word, word + 4);
  }
  return bytes;
}

class ComboBoxTest : public testing::Test {
 protected:
  std::unique_ptr<TestUnit> Make(const klv::ComboBoxSettings& settings, RECT rect = {20, 20, 180, 40}) {
    auto unit = std::make_unique<TestUnit>(ComboType(), kComboUnit + made_++, form_, klv::WriteSettings(settings), rect,
                                           100, false, klv::TypeCode::kComboBox);
    EXPECT_NE(nullptr, unit->hwnd());
    unit->Show();
    return unit;
  }
  int Count(const TestUnit& combo) { return static_cast<int>(SendMessageA(combo.hwnd(), CB_GETCOUNT, 0, 0)); }
  std::string ItemText(const TestUnit& combo, int32_t index) {
    return TakeText(CallCore(klv::core::ComboItemText, {combo.Argument(), Integer(index)}));
  }
  DWORD Style(const TestUnit& combo) { return static_cast<DWORD>(GetWindowLongA(combo.hwnd(), GWL_STYLE)); }
  static COMBOBOXINFO Parts(const TestUnit& combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GetComboBoxInfo(combo.hwnd(), &info));
    return info;
  }

  HWND form_ = Form();
  uint32_t made_ = 0;
};

TEST_F(ComboBoxTest, CreatesItemsDataSelectionAndStyleFromItsSettings) {
  klv::ComboBoxSettings settings = ClickModeSettings();
  settings.itemData = DataOf({0x11223344});  // data for the first item only
  CreationSpy created;
  auto combo = Make(settings);
  ASSERT_EQ(2, Count(*combo));
  EXPECT_EQ("前台点击", ItemText(*combo, 0));
  EXPECT_EQ("后台点击", ItemText(*combo, 1));
  EXPECT_EQ(0x11223344, SendMessageA(combo->hwnd(), CB_GETITEMDATA, 0, 0));
  EXPECT_EQ(0, SendMessageA(combo->hwnd(), CB_GETITEMDATA, 1, 0));
  EXPECT_EQ(0, combo->ReadNumber(kCurrentItem));
  EXPECT_EQ("前台点击", combo->ReadText(kContent));
  EXPECT_EQ(100, GetDlgCtrlID(combo->hwnd()));
  std::vector<CreatedWindow> combos = created.OfClass("ComboBox");
  ASSERT_EQ(1u, combos.size());
  const DWORD style = combos[0].style;
  EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWNLIST), style & 3);
  EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL),
            style & ~static_cast<DWORD>(3));
  // Made 20 pixels high, a drop-down still gets room for its list.
  EXPECT_EQ(160, combos[0].height);
  EXPECT_EQ(160, combos[0].width);
  EXPECT_EQ(25u, ComboType().propertyCount);
}

TEST_F(ComboBoxTest, SortedSimpleComboKeepsItsHeightAndSortsItsItems) {
  klv::ComboBoxSettings settings;
  settings.style = 0;
  settings.sorted = 1;
  settings.items = {"b", "c", "a"};
  settings.itemData = DataOf({2, 3, 1});
  CreationSpy created;
  auto combo = Make(settings, {20, 20, 180, 120});
  ASSERT_EQ(1u, created.OfClass("ComboBox").size());
  EXPECT_EQ(100, created.OfClass("ComboBox")[0].height);
  EXPECT_TRUE(Style(*combo) & CBS_SORT);
  EXPECT_EQ(static_cast<DWORD>(CBS_SIMPLE), Style(*combo) & 3);
  RECT window;
  GetWindowRect(combo->hwnd(), &window);
  EXPECT_EQ(100, window.bottom - window.top);
  // Each item's data went to the index its add returned.
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(std::string(1, static_cast<char>('a' + i)), ItemText(*combo, i));
    EXPECT_EQ(i + 1, SendMessageA(combo->hwnd(), CB_GETITEMDATA, i, 0));
  }
}

// The system may keep its own height for items it draws itself, so the
// test watches what the control asks of it.
TEST_F(ComboBoxTest, RowSpacingIsAddedToTheItemHeight) {
  klv::ComboBoxSettings settings = ClickModeSettings();
  settings.extraItemHeight = 7;
  auto combo = Make(settings);
  auto plain = Make(ClickModeSettings(), {20, 60, 180, 80});
  const int natural = static_cast<int>(SendMessageA(plain->hwnd(), CB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(natural, 0);
  MessageSpy spy(combo->hwnd(), {CB_SETITEMHEIGHT});
  EXPECT_EQ(0, combo->WriteNumber(kRowSpacing, 2));
  EXPECT_EQ(2, combo->ReadNumber(kRowSpacing));
  EXPECT_EQ(0, combo->WriteNumber(kRowSpacing, 40000));
  EXPECT_EQ(32767, combo->ReadNumber(kRowSpacing));
  std::vector<SeenMessage> seen = spy.Take();
  ASSERT_EQ(2u, seen.size());
  EXPECT_EQ(0u, seen[0].wParam);
  EXPECT_EQ(natural + 2, seen[0].lParam);
  EXPECT_EQ(natural + 32767, seen[1].lParam);
  // A bigger font: the spacing goes on top of the font's own item height.
  klv::PropertyValue font;
  font.font.size = 20;
  EXPECT_EQ(0, combo->Write(kFont, font));
  EXPECT_EQ(20, combo->Read(kFont).font.size);
  seen = spy.Take();
  ASSERT_EQ(1u, seen.size());
  const int larger = static_cast<int>(seen[0].lParam) - 32767;
  EXPECT_GT(larger, natural);
}

TEST_F(ComboBoxTest, CurrentItemWritesAreClampedAndRaiseNoEvent) {
  auto combo = Make(ClickModeSettings());
  EventLog log;
  EXPECT_EQ(0, combo->WriteNumber(kCurrentItem, 7));
  EXPECT_EQ(1, combo->ReadNumber(kCurrentItem));
  EXPECT_EQ("后台点击", combo->ReadText(kContent));
  EXPECT_EQ(0, combo->WriteNumber(kCurrentItem, -5));
  EXPECT_EQ(-1, combo->ReadNumber(kCurrentItem));
  EXPECT_EQ("", combo->ReadText(kContent));  // a drop-down list with nothing selected
  EXPECT_EQ(0, combo->WriteNumber(kCurrentItem, 0));
  EXPECT_EQ("前台点击", combo->ReadText(kContent));
  PumpUntilQuiet();
  EXPECT_TRUE(EventsFollow(log.Take(), {}));
}

TEST_F(ComboBoxTest, ItemTextOutsideTheItemsIsEmpty) {
  auto combo = Make(ClickModeSettings());
  EXPECT_EQ("", ItemText(*combo, -1));
  EXPECT_EQ("", ItemText(*combo, 2));
  EXPECT_EQ("后台点击", ItemText(*combo, 1));
}

TEST_F(ComboBoxTest, AddItemAfterClearStartsAtZeroAndStoresItsData) {
  auto combo = Make(ClickModeSettings());
  klv::CommandResult cleared = CallCore(klv::core::ComboClear, {combo->Argument()});
  EXPECT_EQ(klv::TypeCode::kOmitted, cleared.type);
  EXPECT_EQ(0, Count(*combo));
  EXPECT_EQ(-1, combo->ReadNumber(kCurrentItem));
  EXPECT_EQ(0, IntegerOf(CallCore(klv::core::ComboAddItem, {combo->Argument(), Text("记事本"), Integer(0x1234)})));
  EXPECT_EQ(1, IntegerOf(CallCore(klv::core::ComboAddItem, {combo->Argument(), Text("终端")})));
  EXPECT_EQ(2, IntegerOf(CallCore(klv::core::ComboAddItem, {combo->Argument(), Text(nullptr), Omitted()})));
  EXPECT_EQ(0x1234, SendMessageA(combo->hwnd(), CB_GETITEMDATA, 0, 0));
  EXPECT_EQ(0, SendMessageA(combo->hwnd(), CB_GETITEMDATA, 1, 0));
  EXPECT_EQ("终端", ItemText(*combo, 1));
  EXPECT_EQ("", ItemText(*combo, 2));
  EXPECT_EQ(3, Count(*combo));
}

TEST_F(ComboBoxTest, ItemDataReadsEachItemsDataAndZeroOutsideTheItems) {
  auto combo = Make(ClickModeSettings());
  CallCore(klv::core::ComboClear, {combo->Argument()});
  CallCore(klv::core::ComboAddItem, {combo->Argument(), Text("记事本"), Integer(0x1234)});
  CallCore(klv::core::ComboAddItem, {combo->Argument(), Text("终端"), Integer(-1)});
  auto data = [&](int index) {
    return IntegerOf(CallCore(klv::core::ComboItemData, {combo->Argument(), Integer(index)}));
  };
  EXPECT_EQ(0x1234, data(0));
  EXPECT_EQ(-1, data(1));  // the data itself, though the system's failure value looks the same
  EXPECT_EQ(0, data(2));
  EXPECT_EQ(0, data(-1));
}

TEST_F(ComboBoxTest, StyleChangeRebuildsFromStoredItemsAndKeepsThePlace) {
  klv::ComboBoxSettings settings = ClickModeSettings();
  settings.content = "窗口标题";
  auto before = Make(settings, {10, 10, 100, 30});
  auto combo = Make(settings, {30, 50, 200, 70});
  auto after = Make(settings, {10, 90, 100, 110});
  CallCore(klv::core::ComboAddItem, {combo->Argument(), Text("run-time item")});
  ASSERT_EQ(3, Count(*combo));
  EXPECT_EQ(0xFFFFFFu, static_cast<uint32_t>(combo->ReadNumber(kBackgroundColour)));
  HWND old = combo->hwnd();

  EXPECT_EQ(0, combo->WriteNumber(kStyle, 2));  // the same type: no rebuild
  CreationSpy created;
  EXPECT_EQ(1, combo->WriteNumber(kStyle, 1));
  HWND fresh = combo->hwnd();
  ASSERT_EQ(1u, created.OfClass("ComboBox").size());
  EXPECT_EQ(160, created.OfClass("ComboBox")[0].height);
  ASSERT_NE(old, fresh);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(2, Count(*combo));  // the run-time item is gone
  EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWN), Style(*combo) & 3);
  EXPECT_EQ(100, GetDlgCtrlID(fresh));
  EXPECT_TRUE(IsWindowVisible(fresh));
  EXPECT_EQ(form_, GetParent(fresh));
  RECT rect;
  GetWindowRect(fresh, &rect);
  MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(30, rect.left);
  EXPECT_EQ(50, rect.top);
  EXPECT_EQ(170, rect.right - rect.left);
  // Still between its neighbours in the z-order.
  EXPECT_EQ(before->hwnd(), GetWindow(fresh, GW_HWNDPREV));
  EXPECT_EQ(after->hwnd(), GetWindow(fresh, GW_HWNDNEXT));
  // The editable type shows the stored content, not the selected item.
  EXPECT_EQ("窗口标题", combo->ReadText(kContent));
  EXPECT_EQ(0, combo->ReadNumber(kCurrentItem));

  // Out-of-range types are clamped; the default background follows the type.
  EXPECT_EQ(1, combo->WriteNumber(kStyle, -3));
  EXPECT_EQ(0, combo->ReadNumber(kStyle));
  EXPECT_EQ(0xFF000000u, static_cast<uint32_t>(combo->ReadNumber(kBackgroundColour)));
  EXPECT_EQ(1, combo->WriteNumber(kStyle, 9));
  EXPECT_EQ(2, combo->ReadNumber(kStyle));
  EXPECT_EQ(0xFFFFFFu, static_cast<uint32_t>(combo->ReadNumber(kBackgroundColour)));
  // A colour of the program's own choosing stays.
  EXPECT_EQ(0, combo->WriteNumber(kBackgroundColour, 0x00336699));
  EXPECT_EQ(1, combo->WriteNumber(kStyle, 0));
  EXPECT_EQ(0x00336699, combo->ReadNumber(kBackgroundColour));
}

// A drop-down's window shows only its closed part; a rebuild gives it the
// stored height again, list included.
TEST_F(ComboBoxTest, TallDropDownKeepsItsStoredHeightWhenRebuilt) {
  klv::ComboBoxSettings settings = ClickModeSettings();
  auto combo = Make(settings, {20, 20, 180, 260});
  RECT closed;
  GetWindowRect(combo->hwnd(), &closed);
  EXPECT_LT(closed.bottom - closed.top, 240);
  CreationSpy created;
  EXPECT_EQ(1, combo->WriteNumber(kSorted, 1));
  ASSERT_EQ(1u, created.OfClass("ComboBox").size());
  EXPECT_EQ(240, created.OfClass("ComboBox")[0].height);
  EXPECT_TRUE(created.OfClass("ComboBox")[0].style & CBS_SORT);
}

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
