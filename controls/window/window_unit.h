// The window type: the top-level form holding the controls. It turns system
// messages into the window's events (window_messages.cpp), routes control
// notifications to their units, and carries the window's own properties
// (window_type.cpp).
#pragma once
#include <windows.h>

#include "controls/skeleton/control_paint.h"
#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/picture_handles.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/unit_settings.h"

namespace klv {

struct FrameStyle {
  DWORD style;
  DWORD extended;
};
FrameStyle FrameFor(const WindowSettings& s);

class WindowUnit : public ControlUnit<WindowUnit, WindowProperty::kFirstSpare, WindowProperty::kPropertyCount> {
 public:
  WindowUnit(const CreateRequest& request, const WindowSettings& settings) : ControlUnit(request), settings_(settings) {}

  bool Create(const CreateRequest& request);
  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // Effects of property writes, named by the property table.
  void ApplyBackground() {
    brush_.Reset();
    if (settings_.backgroundColour != kSystemColour) brush_.Reset(CreateSolidBrush(settings_.backgroundColour));
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
  }
  void ApplyFrame() {
    FrameStyle frame = FrameFor(settings_);
    DWORD keep = GetWindowLongA(hwnd(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
    SetWindowLongA(hwnd(), GWL_STYLE, frame.style | keep);
    SetWindowLongA(hwnd(), GWL_EXSTYLE, frame.extended & ~WS_EX_TOPMOST);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }

 private:
  uint32_t WindowState() const {
    if (IsIconic(hwnd())) return 2;
    if (IsZoomed(hwnd())) return 3;
    return 0;
  }
  void ApplyIcon();
  void WriteWindowState(uint32_t state);
  void WriteAlwaysOnTop(bool on);

  // One handler per message that Handle decodes.
  LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnChildNotification(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBackground(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnPlaced(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, int event);
  LRESULT OnShowWindow(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnCloseRequest(HWND hwnd, UINT message);
  LRESULT OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnFinalDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnNonClientLeftDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnSystemCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
  LRESULT OnFilesDropped(WPARAM wParam);

  WindowSettings settings_;
  BrushHandle brush_;  // null for the system's colour
  IconHandle icon_;
};

}  // namespace klv
