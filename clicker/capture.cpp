#include "clicker/capture.h"

#include <cmath>

#include "clicker/delivery.h"
#include "clicker/dpi_context.h"
#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "clicker/units.h"

namespace klv::clicker {
namespace {

int32_t Difference(int32_t a, int32_t b) {
  return static_cast<int32_t>(std::trunc(static_cast<double>(a) - static_cast<double>(b)));
}

void ShowPair(uint32_t labelX, uint32_t labelY, const HeapPoint& point) {
  WriteUnitText(labelX, Property::kLabelText, IntegerToText(point[0]).get());
  WriteUnitText(labelY, Property::kLabelText, IntegerToText(point[1]).get());
}

// The cursor in the window's client area, in the window's own pixels: the
// point a background click posts there. The thread is back in its own DPI
// awareness context before anything of Klikvane's window changes.
HeapPoint CursorInOwnPixels(uint32_t window) {
  ThreadDpiContext context;
  context.EnterContextOf(window);
  return CursorFromClientOrigin(window);
}

}  // namespace

uint32_t TopLevelWindowUnderCursor() {
  uint32_t window = WindowUnderCursor();
  return window != 0 ? CallSystem(kGetAncestor, {window, AncestorKind::kRoot}) : 0;
}

uint32_t WindowUnderCursor() {
  const HeapPoint cursor = ReadCursorPoint();
  return CallSystem(kWindowFromPoint, {static_cast<uint32_t>(cursor[0]), static_cast<uint32_t>(cursor[1])});
}

HeapPoint ClientOriginOnScreen(uint32_t window) {
  if (window == 0) window = CallSystem(kGetFocus, {});
  HeapPoint origin = NewPoint();
  CallSystem(kClientToScreen, {window, Word(origin.get())});
  return origin;
}

HeapPoint CursorFromClientOrigin(uint32_t window) {
  const HeapPoint origin = window != 0 ? ClientOriginOnScreen(window) : NewPoint();
  const HeapPoint cursor = ReadCursorPoint();
  return NewPoint(Difference(cursor[0], origin[0]), Difference(cursor[1], origin[1]));
}

void CaptureCoordinates() {
  // The screen pair is the cursor as the system gives it: on a desk with a
  // monitor left of or above the main one it is negative there, and a
  // foreground click at it lands where it was captured.
  const HeapPoint screen = ReadCursorPoint();
  ShowPair(Unit::kLabelScreenX, Unit::kLabelScreenY, screen);
  // Relative to the top-level window, whose title names the target, not to
  // the child under the cursor: delivery finds that child again.
  const HeapPoint inWindow = CursorInOwnPixels(TopLevelWindowUnderCursor());
  ShowPair(Unit::kLabelWindowX, Unit::kLabelWindowY, inWindow);
  const HeapPoint& chosen = ForegroundModeChosen() ? screen : inWindow;
  WriteUnitText(Unit::kEditX, Property::kEditText, IntegerToText(chosen[0]).get());
  WriteUnitText(Unit::kEditY, Property::kEditText, IntegerToText(chosen[1]).get());
}

}  // namespace klv::clicker
