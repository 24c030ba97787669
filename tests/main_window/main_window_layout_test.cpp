// The loaded main window as the operator first sees it: every control where
// the template places it, in its parent and z-order, its texts shown, and
// the state the program relies on.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clicker/units.h"
#include "runtime/system_text.h"
#include "runtime/interface/command_values.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/program_window.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;

// The controls of the template that have a window, in template order (the
// first on top), each with its template record.
struct TemplateControl {
  uint32_t unitId;
  const klv::ControlRecord* record;
};

std::vector<TemplateControl> ControlsWithWindows() {
  std::vector<TemplateControl> controls;
  const klv::WindowDescription& window = MainWindowTemplate();
  for (size_t i = 1; i < window.units.size(); ++i) {
    const klv::UnitDescription& unit = window.units[i];
    if (!unit.isMenuEntry && unit.unitId != Unit::kTray) controls.push_back({unit.unitId, &unit.control});
  }
  return controls;
}

// The window a control's template parent has: a group box, or the window.
HWND TemplateParentOf(const klv::ControlRecord& record) {
  return record.parent == 0 ? MainWindowHandle() : UnitHandle(record.parent);
}

std::string TextOf(HWND window) { return ShownText(window); }

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST(MainWindowLayout, TheWindowItself) {
  HWND window = MainWindowHandle();
  ASSERT_NE(nullptr, window);
  EXPECT_EQ("Klikvane", TextOf(window));
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(290, rect.right - rect.left);
  EXPECT_EQ(412, rect.bottom - rect.top);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 290) / 2, rect.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 412) / 2, rect.top);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);  // a fixed frame
  EXPECT_EQ(nullptr, GetMenu(window));   // both top-level menus are hidden
  EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(window));
}

// The control a click at a point of a parent's client area should reach:
// of the controls the template places there in that parent, the first in
// template order (the top one); group boxes pass the click on.
uint32_t TopControlAt(uint32_t parent, POINT point) {
  for (const TemplateControl& c : ControlsWithWindows()) {
    const klv::ControlRecord& r = *c.record;
    bool holds = point.x >= r.left && point.x < r.left + r.width && point.y >= r.top && point.y < r.top + r.height;
    if (r.parent == parent && r.type != klv::TypeCode::kGroupBox && holds) return c.unitId;
  }
  return 0;
}

// Where the template places a control, a click through the real window
// lands on it, or on the control the template puts above it there: the
// deepest shown window at the middle of its stored rectangle. Group boxes
// are left out (their middle is their controls'), and so are the controls
// placed where no click reaches (above the client area).
TEST(MainWindowLayout, EveryControlTakesTheClickAtTheMiddleOfItsPlace) {
  int checked = 0;
  for (const TemplateControl& c : ControlsWithWindows()) {
    SCOPED_TRACE(testing::Message() << std::hex << "unit 0x" << c.unitId);
    const klv::ControlRecord& r = *c.record;
    POINT middle = {r.left + r.width / 2, r.top + r.height / 2};
    if (r.type == klv::TypeCode::kGroupBox || middle.y < 0) continue;
    HWND parent = TemplateParentOf(r);
    ASSERT_NE(nullptr, parent);
    EXPECT_EQ(UnitHandle(TopControlAt(r.parent, middle)), DeepestChildAt(parent, middle));
    ++checked;
  }
  EXPECT_GT(checked, 20);
}

// The characters of `text` that the font of `window` has no glyph for.
int MissingGlyphs(HWND window, const std::string& text) {
  const std::wstring wide = klv::ToSystemText(text);
  if (wide.empty()) return 0;
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  std::vector<WORD> glyphs(wide.size());
  GetGlyphIndicesW(dc, wide.c_str(), static_cast<int>(wide.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return static_cast<int>(std::count(glyphs.begin(), glyphs.end(), 0xFFFF));
}

// Every Chinese text shows, on a system of any language: each control's
// font has a glyph for every character of its caption, its items and its
// column titles.
TEST(MainWindowLayout, EveryTextHasItsGlyphsInItsFont) {
  for (const TemplateControl& c : ControlsWithWindows()) {
    HWND window = UnitHandle(c.unitId);
    EXPECT_EQ(0, MissingGlyphs(window, TextOf(window))) << TextOf(window);
  }
  for (uint32_t comboId : {Unit::kComboClickMode, Unit::kComboMouseButton}) {
    HWND combo = UnitHandle(comboId);
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) EXPECT_EQ(0, MissingGlyphs(combo, ComboItemText(combo, i))) << i;
  }
  HWND header = reinterpret_cast<HWND>(SendMessageW(UnitHandle(Unit::kPlanList), LVM_GETHEADER, 0, 0));
  ASSERT_EQ(4, SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int column = 0; column < 4; ++column) {
    wchar_t title[32] = L"";
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = title;
    item.cchTextMax = 32;
    SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(0, MissingGlyphs(header, klv::ToProgramText(title))) << column;
  }
}

// Each control's window is a child of its template parent's: the group
// boxes hold theirs, the rest lie on the window.
TEST(MainWindowLayout, GroupBoxesHoldTheirControls) {
  for (const TemplateControl& c : ControlsWithWindows()) {
    SCOPED_TRACE(testing::Message() << std::hex << "unit 0x" << c.unitId);
    EXPECT_EQ(TemplateParentOf(*c.record), GetParent(UnitHandle(c.unitId)));
  }
}

TEST(MainWindowLayout, ZOrderIsTemplateOrderWithinEachParent) {
  // Direct children of the window, top to bottom, skip the tray's helper window.
  std::vector<HWND> expected;
  for (const TemplateControl& c : ControlsWithWindows()) {
    HWND window = UnitHandle(c.unitId);
    if (GetParent(window) == MainWindowHandle()) expected.push_back(window);
  }
  std::vector<HWND> actual;
  for (HWND child = GetWindow(MainWindowHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child != UnitHandle(Unit::kTray)) actual.push_back(child);
  }
  EXPECT_EQ(expected, actual);
}

TEST(MainWindowLayout, LabelsOneAndTwoLieAboveTheClientArea) {
  for (uint32_t id : {0x16015007u, 0x16015008u}) {
    RECT rect = RectInParent(UnitHandle(id));
    EXPECT_LE(rect.bottom, 0);
  }
}

TEST(MainWindowLayout, InitialStateTheProgramReliesOn) {
  EXPECT_EQ(1u, ReadUnit(Unit::kButtonStop, Property::kDisabled));
  EXPECT_EQ(0u, ReadUnit(Unit::kButtonStart, Property::kDisabled));
  EXPECT_EQ("前台点击", ReadUnitText(Unit::kComboClickMode, Property::kComboText));
  EXPECT_EQ("左键", ReadUnitText(Unit::kComboMouseButton, Property::kComboText));
  EXPECT_EQ(1u, ReadUnit(Unit::kComboWindowTitle, Property::kDisabled));
  EXPECT_EQ("1000", ReadUnitText(Unit::kEditDelay, Property::kEditText));
  EXPECT_EQ(0xFFFFFFFFu, static_cast<uint32_t>(ReadUnit(Unit::kPlanList, Property::kListSelection)));
  EXPECT_EQ(nullptr, UnitHandle(Unit::kTray) ? (IsWindowVisible(UnitHandle(Unit::kTray)) ? UnitHandle(Unit::kTray) : nullptr)
                                             : nullptr);
}

}  // namespace
}  // namespace klvtest
