// The window procedure a control type puts in front of its system control's:
// the message goes to the unit object that owns the window, or straight on
// to the system's procedure while the window is not (yet, or any more) tagged
// with its unit, as while it is being built.
#pragma once
#include <windows.h>

#include "controls/child_window.h"
#include "runtime/unit_object.h"

namespace klv {

// Unit needs LRESULT HandleOwnMessage(hwnd, message, wParam, lParam), which
// hands what it does not answer to CallPreviousProcedure.
template <class Unit>
LRESULT CALLBACK UnitProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* unit = static_cast<Unit*>(UnitObject::FromWindow(hwnd));
  if (unit == nullptr || unit->hwnd() != hwnd) return CallPreviousProcedure(hwnd, message, wParam, lParam);
  return unit->HandleOwnMessage(hwnd, message, wParam, lParam);
}

}  // namespace klv
