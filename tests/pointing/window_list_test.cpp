// The target window list: which top-level windows it offers (visible and
// titled, hidden only with both style bits 0x80 and 0x40000, never an owned
// window, never "Program Manager"), each with its handle as item data, the
// program's own window once shown, and a refresh at every drop-down.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "clicker/units.h"
#include "clicker/window_list.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;
namespace Property = klv::clicker::Property;

constexpr DWORD kBit80 = 0x80;

HWND TitleCombo() { return UnitHandle(Unit::kComboWindowTitle); }

std::vector<ComboItem> RefreshedTitles() {
  klv::clicker::RefreshWindowTitles();
  return ComboItems(TitleCombo());
}

// The top-level windows from the topmost down, as the system orders them.
std::vector<HWND> ZOrder() {
  std::vector<HWND> order;
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) order.push_back(window);
  return order;
}

size_t ZPosition(HWND window) {
  std::vector<HWND> order = ZOrder();
  return static_cast<size_t>(std::find(order.begin(), order.end(), window) - order.begin());
}

TEST(TitleList, VisibleTitledTopLevelWindowsAreListedWithTheirHandles) {
  ProbeWindow visible("Pointing visible", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ProbeWindow minimised("Pointing minimised", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MINIMIZE);
  ProbeWindow untitled("", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ProbeWindow shell("Program Manager", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ProbeWindow owned("Pointing owned", WS_POPUP | WS_CAPTION | WS_VISIBLE, {200, 500, 160, 90}, visible.handle());
  ASSERT_EQ(visible.handle(), GetParent(owned.handle()));
  std::vector<ComboItem> items = RefreshedTitles();
  EXPECT_EQ(1, std::count(items.begin(), items.end(),
                          ComboItem{"Pointing visible", reinterpret_cast<uintptr_t>(visible.handle())}))
      << Describe(items);
  EXPECT_EQ(1, ItemsFor(items, minimised.handle())) << Describe(items);
  EXPECT_EQ(0, ItemsFor(items, untitled.handle())) << Describe(items);
  EXPECT_EQ(0, ItemsFor(items, shell.handle())) << Describe(items);
  EXPECT_EQ(0, ItemsFor(items, owned.handle())) << Describe(items);
  for (const ComboItem& item : items) {
    EXPECT_NE("", item.text);
    EXPECT_NE("Program Manager", item.text);
  }
}

TEST(TitleList, AHiddenWindowIsListedOnlyWithBothStyleBits0x80And0x40000) {
  ProbeWindow plain("Pointing hidden plain", WS_OVERLAPPED);
  ProbeWindow sizing("Pointing hidden sizing", WS_OVERLAPPED | WS_THICKFRAME);
  ProbeWindow bit80("Pointing hidden 80", WS_OVERLAPPED | kBit80);
  ProbeWindow both("Pointing hidden both", WS_OVERLAPPED | WS_THICKFRAME | kBit80);
  for (const ProbeWindow* window : {&plain, &sizing, &bit80, &both}) ASSERT_FALSE(IsWindowVisible(window->handle()));
  ASSERT_EQ(static_cast<LONG>(WS_THICKFRAME | kBit80),
            GetWindowLongA(both.handle(), GWL_STYLE) & static_cast<LONG>(WS_THICKFRAME | kBit80));
  std::vector<ComboItem> items = RefreshedTitles();
  EXPECT_EQ(0, ItemsFor(items, plain.handle())) << Describe(items);
  EXPECT_EQ(0, ItemsFor(items, sizing.handle())) << Describe(items);
  EXPECT_EQ(0, ItemsFor(items, bit80.handle())) << Describe(items);
  EXPECT_EQ(1, std::count(items.begin(), items.end(),
                          ComboItem{"Pointing hidden both", reinterpret_cast<uintptr_t>(both.handle())}))
      << Describe(items);
}

TEST(TitleList, TwoWindowsWithOneTitleGiveTwoItemsInZOrder) {
  ProbeWindow first("Pointing twin", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ProbeWindow second("Pointing twin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {200, 500, 160, 90});
  std::vector<ComboItem> twins;
  for (const ComboItem& item : RefreshedTitles()) {
    if (item.text == "Pointing twin") twins.push_back(item);
  }
  HWND upper = ZPosition(first.handle()) < ZPosition(second.handle()) ? first.handle() : second.handle();
  HWND lower = upper == first.handle() ? second.handle() : first.handle();
  EXPECT_EQ((std::vector<ComboItem>{{"Pointing twin", reinterpret_cast<uintptr_t>(upper)},
                                    {"Pointing twin", reinterpret_cast<uintptr_t>(lower)}}),
            twins)
      << Describe(twins);
}

// Opens the title list with a real click on its arrow, reads it and closes it.
std::vector<ComboItem> DropDownTitles() {
  BringMainWindowToFront();
  Pump(GetDoubleClickTime() + 100);  // so that this click never pairs with the last one
  RECT client;
  GetClientRect(TitleCombo(), &client);
  POINT arrow = ScreenPointOf(Unit::kComboWindowTitle, client.right - 8, client.bottom / 2);
  ClickAt(arrow.x, arrow.y);
  EXPECT_TRUE(PumpUntil([] { return SendMessageA(TitleCombo(), CB_GETDROPPEDSTATE, 0, 0) != 0; }));
  std::vector<ComboItem> items = ComboItems(TitleCombo());
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([] { return SendMessageA(TitleCombo(), CB_GETDROPPEDSTATE, 0, 0) == 0; }));
  return items;
}

TEST(TitleList, AWindowOpenedBetweenTwoDropDownsAppearsInTheSecond) {
  // The title list is enabled by choosing the background mode, for real.
  WriteUnit(Unit::kComboClickMode, Property::kComboSelection, 0);
  WriteUnit(Unit::kComboWindowTitle, Property::kDisabled, 1);
  BringMainWindowToFront();
  POINT mode = ScreenPointOf(Unit::kComboClickMode, 20, 8);
  ClickAt(mode.x, mode.y);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([] { return IsWindowEnabled(TitleCombo()) != FALSE; }));
  ASSERT_EQ("后台点击", ReadUnitText(Unit::kComboClickMode, Property::kComboText));

  EventLog log;
  std::vector<ComboItem> first = DropDownTitles();
  ProbeWindow opened("Pointing opened later", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  std::vector<ComboItem> second = DropDownTitles();
  std::vector<int32_t> events = log.EventsOf(Unit::kComboWindowTitle);
  EXPECT_EQ(2, std::count(events.begin(), events.end(), 2));  // about to drop down, once per opening

  const ComboItem openedItem = {"Pointing opened later", reinterpret_cast<uintptr_t>(opened.handle())};
  EXPECT_EQ(0, std::count(first.begin(), first.end(), openedItem)) << Describe(first);
  ASSERT_EQ(1, std::count(second.begin(), second.end(), openedItem)) << Describe(second);
  std::vector<ComboItem> secondWithoutOpened = second;
  secondWithoutOpened.erase(std::find(secondWithoutOpened.begin(), secondWithoutOpened.end(), openedItem));
  EXPECT_EQ(first, secondWithoutOpened) << "first:\n" << Describe(first) << "second:\n" << Describe(second);
  EXPECT_EQ(1, ItemsFor(second, MainWindowHandle())) << Describe(second);
  // Items follow the windows' z-order, so the new one sits at its place.
  for (size_t i = 1; i < second.size(); ++i) {
    EXPECT_LT(ZPosition(reinterpret_cast<HWND>(second[i - 1].data)), ZPosition(reinterpret_cast<HWND>(second[i].data)))
        << i << "\n" << Describe(second);
  }

  WriteUnit(Unit::kComboClickMode, Property::kComboSelection, 0);
  WriteUnit(Unit::kComboWindowTitle, Property::kDisabled, 1);
}

}  // namespace
}  // namespace klvtest
