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

int32_t* NewPoint(int32_t x, int32_t y) {
  auto* point = static_cast<int32_t*>(Allocate(8));
  point[0] = x;
  point[1] = y;
  return point;
}

void ShowPair(uint32_t labelX, uint32_t labelY, const int32_t* point) {
  WriteUnitText(labelX, Property::kLabelText, IntegerToText(point[0]).get());
  WriteUnitText(labelY, Property::kLabelText, IntegerToText(point[1]).get());
}

// The cursor in the window's client area, in the window's own pixels: the
// point a background click posts there. The thread is back in its own DPI
// awareness context before anything of Klikvane's window changes.
int32_t* CursorInOwnPixels(uint32_t window) {
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
  int32_t* cursor = ReadCursorPoint();
  uint32_t window = CallSystem(kWindowFromPoint, {static_cast<uint32_t>(cursor[0]), static_cast<uint32_t>(cursor[1])});
  Free(cursor);
  return window;
}

int32_t* ClientOriginOnScreen(uint32_t window) {
  if (window == 0) window = CallSystem(kGetFocus, {});
  int32_t* origin = NewPoint(0, 0);
  CallSystem(kClientToScreen, {window, Word(origin)});
  return origin;
}

int32_t* CursorFromClientOrigin(uint32_t window) {
  int32_t* origin = window != 0 ? ClientOriginOnScreen(window) : NewPoint(0, 0);
  int32_t* cursor = ReadCursorPoint();
  int32_t* point = NewPoint(Difference(cursor[0], origin[0]), Difference(cursor[1], origin[1]));
  Free(cursor);
  Free(origin);
  return point;
}

void CaptureCoordinates() {
  // The screen pair is the cursor as the system gives it: on a desk with a
  // monitor left of or above the main one it is negative there, and a
  // foreground click at it lands where it was captured.
  int32_t* screen = ReadCursorPoint();
  ShowPair(Unit::kLabelScreenX, Unit::kLabelScreenY, screen);
  // Relative to the top-level window, whose title names the target, not to
  // the child under the cursor: delivery finds that child again.
  int32_t* inWindow = CursorInOwnPixels(TopLevelWindowUnderCursor());
  ShowPair(Unit::kLabelWindowX, Unit::kLabelWindowY, inWindow);
  const int32_t* chosen = ForegroundModeChosen() ? screen : inWindow;
  WriteUnitText(Unit::kEditX, Property::kEditText, IntegerToText(chosen[0]).get());
  WriteUnitText(Unit::kEditY, Property::kEditText, IntegerToText(chosen[1]).get());
  Free(screen);
  Free(inWindow);
}

}  // namespace klv::clicker
