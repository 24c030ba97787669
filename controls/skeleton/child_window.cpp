#include "controls/skeleton/child_window.h"

#include "runtime/window_procedure.h"
#include "runtime/window_table.h"

namespace klv {
namespace {

// The procedure each subclassed window had before, until its last message.
WindowTable<WNDPROC>& PreviousProcedures() {
  static WindowTable<WNDPROC> table;
  return table;
}

}  // namespace

ChildPlacement CapturePlacement(HWND window) {
  ChildPlacement placement;
  placement.parent = GetParent(window);
  placement.childId = GetDlgCtrlID(window);
  GetWindowRect(window, &placement.rect);
  MapWindowPoints(nullptr, placement.parent, reinterpret_cast<POINT*>(&placement.rect), 2);
  placement.previous = GetWindow(window, GW_HWNDPREV);
  DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  placement.commonStyle = style & (WS_CHILD | WS_CLIPSIBLINGS | WS_DISABLED | WS_TABSTOP);
  placement.visible = (style & WS_VISIBLE) != 0;
  HWND focus = GetFocus();
  placement.focused = focus == window || IsChild(window, focus);
  return placement;
}

void TakePlacement(HWND fresh, const ChildPlacement& placement) {
  HWND after = placement.previous ? placement.previous : HWND_TOP;
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (placement.visible ? SWP_SHOWWINDOW : 0);
  SetWindowPos(fresh, after, 0, 0, 0, 0, flags);
  if (placement.focused) SetFocus(fresh);
}

BorderStyle BorderFor(uint32_t border) {
  switch (border) {
    case 1: return {0, WS_EX_CLIENTEDGE};
    case 2: return {0, WS_EX_DLGMODALFRAME};
    case 3: return {0, WS_EX_STATICEDGE};
    case 4: return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME};
    case 5: return {WS_BORDER, 0};
    default: return {0, 0};
  }
}

void ApplyBorder(HWND window, uint32_t border) {
  const DWORD allExtended = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
  BorderStyle wanted = BorderFor(border);
  DWORD style = (GetWindowLongA(window, GWL_STYLE) & ~WS_BORDER) | wanted.style;
  DWORD extended = (GetWindowLongA(window, GWL_EXSTYLE) & ~allExtended) | wanted.extended;
  SetWindowLongA(window, GWL_STYLE, style);
  SetWindowLongA(window, GWL_EXSTYLE, extended);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(window, nullptr, TRUE);
}

WNDPROC ChainProcedure(HWND window, WNDPROC replacement) {
  WNDPROC previous = SetWindowProcedure(window, replacement);
  PreviousProcedures().Set(window, previous);
  return previous;
}

LRESULT CallPreviousProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = PreviousProcedures().Get(window);
  if (previous == nullptr) return DefaultProcedure(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    PreviousProcedures().Remove(window);
    SetWindowProcedure(window, previous);
  }
  return CallWindowProcedure(previous, window, message, wParam, lParam);
}

}  // namespace klv
