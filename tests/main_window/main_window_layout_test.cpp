// The loaded main window as the operator first sees it: every control with
// its class, place, size, text, state and z-order.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clicker/units.h"
#include "runtime/system_text.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;

struct ExpectedControl {
  uint32_t unitId;
  const char* className;  // of the system window
  int left, top, width, height;  // in the parent's client area
  const char* text;       // nullptr: not checked
  bool enabled;
  bool visible;
};

// Geometry as stored, except combo boxes, whose system window includes the
// list's room (160 pixels), and single-line edits, which may be made taller
// for the font.
const ExpectedControl kControls[] = {
    {0x16015009, nullptr, 0, 48, 256, 32, "此软件为免费软件 禁止任何人出售", true, true},
    {0x16015008, nullptr, 64, -24, 136, 16, "标签", true, true},
    {0x16015007, nullptr, 72, -24, 80, 24, "标签", true, true},
    {0x160135a8, "Edit", -18, 16, 276, 76, "", true, true},
    {0x160135a7, "Button", 8, 280, 268, 100, "记事本", true, true},
    {0x160134d3, "Button", 226, 66, 48, 24, "添加", true, true},
    {0x160134d2, "ComboBox", 167, 70, 48, 160, nullptr, true, true},
    {0x160134cb, "Edit", 113, 70, 40, -1, "1000", true, true},
    {0x160134c9, "Edit", 61, 70, 40, -1, "", true, true},
    {0x160134c8, "Edit", 9, 70, 40, -1, "", true, true},
    {0x160134a7, "ComboBox", 85, 42, 190, 160, nullptr, false, true},
    {0x1601349f, nullptr, 24, 12, 24, 18, "", true, true},
    {0x160134a0, nullptr, 24, 29, 24, 18, "", true, true},
    {0x1601349d, nullptr, 24, 12, 24, 18, "", true, true},
    {0x1601349e, nullptr, 24, 29, 24, 18, "", true, true},
    {0x1601349b, nullptr, 2, 12, 24, 18, "X:", true, true},
    {0x1601349c, nullptr, 2, 29, 24, 18, "Y:", true, true},
    {0x16013499, nullptr, 2, 12, 24, 18, "X:", true, true},
    {0x1601349a, nullptr, 2, 29, 24, 18, "Y:", true, true},
    {0x16011a47, "Button", 220, 227, 56, 52, "窗口", true, true},
    {0x16011a46, "Button", 220, 173, 56, 52, "屏幕", true, true},
    {0x16011a45, nullptr, 260, 120, 16, 12, "F1", true, true},
    {0x16011a44, nullptr, 224, 96, 48, 80, "在你需要点击的地方按下  按键即可获取对应的坐标", true, true},
    {0x16011a43, "SysListView32", 10, 99, 204, 180, nullptr, true, true},
    {0x16011a42, "ComboBox", 9, 42, 72, 160, nullptr, true, true},
    {0x16011a41, "Button", 233, 8, 40, 24, "保存", true, true},
    {0x16011a40, "Button", 185, 8, 40, 24, "读取", true, true},
    {0x16011a3f, "Button", 122, 8, 56, 24, "单步调试", true, true},
    {0x16011a3e, "Button", 65, 8, 50, 24, "停止/F7", false, true},
    {0x16011a3d, "Button", 8, 8, 50, 24, "开始/F6", true, true},
};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
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

TEST(MainWindowLayout, EveryControlInItsPlace) {
  for (const ExpectedControl& c : kControls) {
    SCOPED_TRACE(testing::Message() << std::hex << "unit 0x" << c.unitId);
    HWND window = UnitHandle(c.unitId);
    ASSERT_NE(nullptr, window);
    if (c.className) {
      EXPECT_EQ(c.className, ClassOf(window));
    }
    RECT rect = RectInParent(window);
    EXPECT_EQ(c.left, rect.left);
    EXPECT_EQ(c.top, rect.top);
    EXPECT_EQ(c.width, rect.right - rect.left);
    if (c.className && std::string(c.className) == "ComboBox") {
      // A drop-down combo is made 160 pixels high, field and list together,
      // instead of the stored 20: the list gets the room (the system reports
      // the list's part with or without the field, give or take a border).
      RECT dropped;
      SendMessageA(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
      int field = rect.bottom - rect.top;
      int list = dropped.bottom - dropped.top;
      EXPECT_NEAR(c.height, list < c.height - field / 2 ? list + field : list, 4);
    } else if (c.height >= 0) {
      EXPECT_EQ(c.height, rect.bottom - rect.top);
    } else {
      EXPECT_GE(rect.bottom - rect.top, 20);  // a single-line edit at least as high as its font needs
    }
    if (c.text) {
      EXPECT_EQ(c.text, TextOf(window));
    }
    EXPECT_EQ(c.enabled, IsWindowEnabled(window) != FALSE);
    EXPECT_EQ(c.visible, (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0);
  }
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
  for (const ExpectedControl& c : kControls) {
    if (c.text) {
      EXPECT_EQ(0, MissingGlyphs(UnitHandle(c.unitId), c.text)) << c.text;
    }
  }
  for (uint32_t comboId : {0x16011a42u, 0x160134d2u}) {
    HWND combo = UnitHandle(comboId);
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) EXPECT_EQ(0, MissingGlyphs(combo, ComboItemText(combo, i))) << i;
  }
  HWND header = reinterpret_cast<HWND>(SendMessageW(UnitHandle(0x16011a43), LVM_GETHEADER, 0, 0));
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

TEST(MainWindowLayout, GroupBoxesHoldTheirControls) {
  EXPECT_EQ(UnitHandle(0x160135a7), GetParent(UnitHandle(Unit::kNoticeLabel)));  // in Group3
  EXPECT_EQ(UnitHandle(0x160135a7), GetParent(UnitHandle(0x160135a8)));  // EditNotes in Group3
  for (uint32_t id : {0x1601349fu, 0x160134a0u, 0x1601349bu, 0x1601349cu}) {
    EXPECT_EQ(UnitHandle(0x16011a47), GetParent(UnitHandle(id)));
  }
  for (uint32_t id : {0x1601349du, 0x1601349eu, 0x16013499u, 0x1601349au}) {
    EXPECT_EQ(UnitHandle(0x16011a46), GetParent(UnitHandle(id)));
  }
  EXPECT_EQ(MainWindowHandle(), GetParent(UnitHandle(Unit::kPlanList)));
}

TEST(MainWindowLayout, ZOrderIsTemplateOrderWithinEachParent) {
  // Direct children of the window, top to bottom, skip the tray's helper window.
  std::vector<HWND> expected;
  for (const ExpectedControl& c : kControls) {
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
