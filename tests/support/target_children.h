// The child windows the recording target (tests/tools/recording_window) shows
// with its "children" layout, shared by the target and the tests so that
// both know where every child is. Places are left, top, width, height in the
// parent's client area; none of the recording children has a border, so a
// child's client origin is its parent's plus (left, top). The table is in
// z-order from the top: every child lies above the ones after it.
#pragma once
#include <windows.h>

namespace klvtest {

struct TargetChild {
  const char* name;
  const char* parent;     // null: the top-level window
  const char* className;  // null: the target's own recording class
  DWORD style;            // besides WS_CHILD
  DWORD extendedStyle;
  RECT place;             // left, top, width, height
  const char* text;
};

// The push button's control identifier, in its parent's WM_COMMAND.
constexpr int kTargetButtonId = 1001;
// The text the edit control starts with.
constexpr char kTargetEditText[] = "0123456789abcdefghij";

constexpr TargetChild kTargetChildren[] = {
    {"offset", nullptr, nullptr, WS_VISIBLE, 0, {40, 30, 140, 90}, ""},
    {"nested", "offset", nullptr, WS_VISIBLE, 0, {30, 20, 70, 40}, ""},
    {"hidden", nullptr, nullptr, 0, 0, {200, 20, 70, 50}, ""},
    {"disabled", nullptr, nullptr, WS_VISIBLE | WS_DISABLED, 0, {290, 20, 70, 50}, ""},
    // Partly over "beneath": a click on the overlap reaches "beneath".
    {"transparent", nullptr, nullptr, WS_VISIBLE, WS_EX_TRANSPARENT, {200, 90, 100, 50}, ""},
    {"beneath", nullptr, nullptr, WS_VISIBLE, 0, {240, 110, 100, 50}, ""},
    {"label", nullptr, "Static", WS_VISIBLE, 0, {360, 90, 70, 20}, "label"},
    // Around the push button and above it: real clicks pass a group box by.
    {"group", nullptr, "Button", WS_VISIBLE | BS_GROUPBOX, 0, {20, 150, 170, 110}, "group"},
    {"button", nullptr, "Button", WS_VISIBLE | BS_PUSHBUTTON, 0, {40, 180, 100, 30}, "press"},
    {"edit", nullptr, "Edit", WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 0, {210, 180, 220, 24}, kTargetEditText},
};

}  // namespace klvtest
