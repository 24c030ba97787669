// Helpers for the system windows of controls: where a child window sits (so
// that a rebuilt window takes the old one's place), border styles, and
// subclassing a system window class.
#pragma once
#include <windows.h>

#include <cstdint>

#include "runtime/window_procedure.h"

namespace klv {

// Parent, child identifier, rectangle in the parent's client coordinates,
// the sibling above it in the z-order, the common styles (child, clip
// siblings, disabled, tab stop), visibility, and whether the focus was in it
// (on the window itself or on one of its own children, such as a combo box's
// edit field).
struct ChildPlacement {
  HWND parent = nullptr;
  int childId = 0;
  RECT rect = {};
  HWND previous = nullptr;  // null: it was on top
  DWORD commonStyle = 0;
  bool visible = false;
  bool focused = false;
  int width() const { return rect.right - rect.left; }
  int height() const { return rect.bottom - rect.top; }
};

ChildPlacement CapturePlacement(HWND window);
// Puts a freshly made window (made with the placement's parent, identifier,
// rectangle and common styles) where the old one was in the z-order, shows
// it without activating when the old one was shown, and gives it the focus
// when the old one had it.
void TakePlacement(HWND fresh, const ChildPlacement& placement);

// Builds a control's window anew in the place of the old one, which the
// caller has already destroyed: `build` (a member of the control taking
// parent, child identifier, rectangle and common styles) makes the fresh
// window from the placement, and the fresh window takes the old one's place
// in the z-order, its visibility and its focus. Whether it was made.
template <class Unit, class Build>
bool BuildInPlace(Unit* unit, Build build, const ChildPlacement& placement) {
  if (!(unit->*build)(placement.parent, placement.childId, placement.rect, placement.commonStyle)) return false;
  TakePlacement(unit->hwnd(), placement);
  return true;
}

// Border styles shared by the control types: 0 none, 1 sunken client edge,
// 2 modal frame, 3 static edge, 4 client edge plus modal frame, 5 thin line.
constexpr uint32_t kLastBorderStyle = 5;
struct BorderStyle {
  DWORD style;
  DWORD extended;
};
BorderStyle BorderFor(uint32_t border);
// Changes a live window's border and has its frame drawn again.
void ApplyBorder(HWND window, uint32_t border);

// Replaces a window's procedure and answers the one replaced; the
// replacement hands everything it does not answer to CallPreviousProcedure,
// which also undoes the replacement when the window is finally destroyed.
WNDPROC ChainProcedure(HWND window, WNDPROC replacement);
LRESULT CallPreviousProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Asks a control's system window something, as the Unicode window it is: by
// a sent message, or, with the system's procedure given, by calling it in
// place. The call in place is for
// the owner thread only: it passes by the control's own procedure, so that a
// mirror's own questions are not taken for changes to mirror.
struct SystemWindowAsker {
  HWND window;
  WNDPROC direct = nullptr;
  LRESULT operator()(UINT message, WPARAM wParam, LPARAM lParam) const {
    return direct ? CallWindowProcedure(direct, window, message, wParam, lParam)
                  : SendMessageW(window, message, wParam, lParam);
  }
};

}  // namespace klv
