// The window type's messages, each to one typed handler: system messages
// become the window's events, control notifications go to their units.
#include "controls/skeleton/host.h"
#include "controls/window/window_unit.h"
#include "runtime/events.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

LiveUnit* LiveUnitOf(const UnitObject* unit) {
  LiveWindow* window = unit ? FindWindowDescription(unit->windowId()) : nullptr;
  return window ? FindUnit(*window, unit->unitId()) : nullptr;
}

bool ApplyUnitCursorAt(HWND over) {
  for (HWND at = over; at != nullptr; at = GetParent(at)) {
    LiveUnit* unit = LiveUnitOf(UnitObject::FromWindow(at));
    if (unit && unit->cursor) {
      SetCursor(unit->cursor);
      return true;
    }
    if (!(GetWindowLongA(at, GWL_STYLE) & WS_CHILD)) break;
  }
  return false;
}

}  // namespace

LRESULT WindowUnit::OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (lParam != 0) return OnChildNotification(hwnd, WM_COMMAND, wParam, lParam);
  if (LiveWindow* window = FindWindowDescription(windowId())) RaiseMenuCommand(*window, LOWORD(wParam));
  return 0;
}

LRESULT WindowUnit::OnChildNotification(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT routed = 0;
  if (RouteParentNotification(message, wParam, lParam, &routed)) return routed;
  return DefaultProcedure(hwnd, message, wParam, lParam);
}

LRESULT WindowUnit::OnEraseBackground(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (!brush_) return DefaultProcedure(hwnd, WM_ERASEBKGND, wParam, lParam);
  RECT r;
  GetClientRect(hwnd, &r);
  FillRect(reinterpret_cast<HDC>(wParam), &r, brush_.get());
  return 1;
}

LRESULT WindowUnit::OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT && ApplyUnitCursorAt(reinterpret_cast<HWND>(wParam))) return TRUE;
  return DefaultProcedure(hwnd, WM_SETCURSOR, wParam, lParam);
}

// Moves and sizes raise their event after the default processing, so that
// handlers read the new place.
LRESULT WindowUnit::OnPlaced(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, int event) {
  LRESULT result = DefaultProcedure(hwnd, message, wParam, lParam);
  RaiseEvent(event);
  return result;
}

LRESULT WindowUnit::OnShowWindow(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  RaiseEvent(wParam ? WindowEvent::kShown : WindowEvent::kHidden);
  return DefaultProcedure(hwnd, WM_SHOWWINDOW, wParam, lParam);
}

// A close request, or the end of the session: a handler result of false
// keeps the window open.
LRESULT WindowUnit::OnCloseRequest(HWND hwnd, UINT message) {
  HandlerResult result = {false, 0};
  bool keepOpen = RaiseEvent(WindowEvent::kCloseQuery, {}, &result) && result.hasValue && result.value == 0;
  if (message == WM_QUERYENDSESSION) return keepOpen ? FALSE : TRUE;
  if (!keepOpen) {
    Host(HostNotifyCode::kWindowClosing, windowId());
    DestroyWindow(hwnd);
  }
  return 0;
}

// Entries the program added to the system menu raise their chosen event;
// the system's own commands take their usual course.
LRESULT WindowUnit::OnSystemCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  LiveWindow* window = FindWindowDescription(windowId());
  if (window && RaiseSystemMenuCommand(*window, wParam)) return 0;
  return DefaultProcedure(hwnd, WM_SYSCOMMAND, wParam, lParam);
}

// The drop's handle goes to the handler, which finishes it.
LRESULT WindowUnit::OnFilesDropped(WPARAM wParam) {
  RaiseEvent(WindowEvent::kFilesDropped, {static_cast<uint32_t>(wParam)});
  return 0;
}

LRESULT WindowUnit::OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  // Any other way of destroying the window tells the runtime here.
  Host(HostNotifyCode::kWindowClosing, windowId());
  RaiseEvent(WindowEvent::kDestroyed);
  return DefaultProcedure(hwnd, WM_DESTROY, wParam, lParam);
}

LRESULT WindowUnit::OnNonClientLeftDown(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (wParam == HTCAPTION && !settings_.movable) return 0;
  return DefaultProcedure(hwnd, WM_NCLBUTTONDOWN, wParam, lParam);
}

// The window's last message: the unit forgets its window without
// destroying it a second time, and the runtime releases the unit (and ends
// the loop when this was the last loaded window).
LRESULT WindowUnit::OnFinalDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefaultProcedure(hwnd, WM_NCDESTROY, wParam, lParam);
  DetachWindow();
  Host(HostNotifyCode::kUnitDestroyed, windowId(), 0);
  return result;
}

LRESULT WindowUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: return OnCommand(hwnd, wParam, lParam);
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM: return OnChildNotification(hwnd, message, wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(hwnd, wParam, lParam);
    case WM_SETCURSOR: return OnSetCursor(hwnd, wParam, lParam);
    case WM_MOVE: return OnPlaced(hwnd, message, wParam, lParam, WindowEvent::kMoved);
    case WM_SIZE: return OnPlaced(hwnd, message, wParam, lParam, WindowEvent::kResized);
    case WM_SHOWWINDOW: return OnShowWindow(hwnd, wParam, lParam);
    case WM_CLOSE:
    case WM_QUERYENDSESSION: return OnCloseRequest(hwnd, message);
    case WM_DESTROY: return OnDestroy(hwnd, wParam, lParam);
    case WM_NCDESTROY: return OnFinalDestroy(hwnd, wParam, lParam);
    case WM_NCLBUTTONDOWN: return OnNonClientLeftDown(hwnd, wParam, lParam);
    case WM_SYSCOMMAND: return OnSystemCommand(hwnd, wParam, lParam);
    case WM_DROPFILES: return OnFilesDropped(wParam);
    default: return CallPreviousProcedure(hwnd, message, wParam, lParam);
  }
}


}  // namespace klv
