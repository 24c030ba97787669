// The combo box made through its type record on a real window: creation from
// its setting block, its item properties and style rebuilds, and its three
// commands.
#include "tests/controls_lists/combo_box_fixture.h"

namespace ctltest {
namespace {

using namespace klv::ComboBoxProperty;  // type property k of the combo box, by name

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

}  // namespace
}  // namespace ctltest
