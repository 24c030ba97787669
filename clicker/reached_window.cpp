#include "clicker/reached_window.h"

#include "clicker/hit_test_rules.h"
#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

// ChildWindowFromPointEx with all three skips rather than
// RealChildWindowFromPoint: the latter keeps disabled children, which real
// clicks pass by, and its handling of group boxes is not the same on every
// system, so group boxes and plain statics are recognised here by class.
constexpr uint32_t kSkipHiddenDisabledTransparent =
    ChildSkip::kInvisible | ChildSkip::kDisabled | ChildSkip::kTransparent;
constexpr int kClassNameRoom = 16;  // enough to tell "Button" and "Static" apart

// The child window of a step down and its parent, both with the point.
struct Descent {
  WindowPoint reached;
  WindowPoint parent;
};

// One of the window's data slots: its style or its extended style.
uint32_t WindowLong(uint32_t window, int32_t slot) {
  return CallSystem(kGetWindowLongA, {window, static_cast<uint32_t>(slot)});
}

// The point moved into the child's client coordinates.
WindowPoint Into(const WindowPoint& parent, uint32_t child) {
  int32_t point[2] = {parent.x, parent.y};
  CallSystem(kMapWindowPoints, {parent.window, child, Word(point), 1});
  return {child, point[0], point[1]};
}

// The topmost child at the point that is visible, enabled and not
// transparent; the window itself when none is, 0 outside its client area.
uint32_t ChildAt(const WindowPoint& at) {
  return CallSystem(kChildWindowFromPointEx, {at.window, static_cast<uint32_t>(at.x), static_cast<uint32_t>(at.y),
                                              kSkipHiddenDisabledTransparent});
}

// Follows the children at the point down from start as far as they go.
Descent Down(const WindowPoint& parent, const WindowPoint& start) {
  Descent descent = {start, parent};
  for (uint32_t child = ChildAt(start); child != 0 && child != descent.reached.window; child = ChildAt(descent.reached)) {
    descent.parent = descent.reached;
    descent.reached = Into(descent.reached, child);
  }
  return descent;
}

bool PassesThrough(uint32_t window) {
  char className[kClassNameRoom] = "";
  CallSystem(kGetClassNameA, {window, Word(className), kClassNameRoom});
  return PassesClicksThrough(className, WindowLong(window, WindowLongSlot::kStyle));
}

// Whether a real click at the parent's point could reach this child.
bool Reaches(uint32_t child, const WindowPoint& parent) {
  uint32_t style = WindowLong(child, WindowLongSlot::kStyle);
  if ((style & WindowStyle::kVisible) == 0 || (style & WindowStyle::kDisabled) != 0) return false;
  if (WindowLong(child, WindowLongSlot::kExtendedStyle) & ExtendedWindowStyle::kTransparent) return false;
  int32_t box[4] = {0, 0, 0, 0};
  CallSystem(kGetWindowRect, {child, Word(box)});
  CallSystem(kMapWindowPoints, {0, parent.window, Word(box), 2});  // screen to the parent's client area
  bool inside = parent.x >= box[0] && parent.x < box[2] && parent.y >= box[1] && parent.y < box[3];
  return inside && !PassesThrough(child);
}

// The first sibling beneath the window that a real click at the point
// reaches; 0 when none does.
uint32_t SiblingBeneath(uint32_t window, const WindowPoint& parent) {
  for (uint32_t sibling = CallSystem(kGetWindow, {window, WindowRelation::kNextSibling}); sibling != 0;
       sibling = CallSystem(kGetWindow, {sibling, WindowRelation::kNextSibling})) {
    if (Reaches(sibling, parent)) return sibling;
  }
  return 0;
}

}  // namespace

WindowPoint WindowReachedAt(uint32_t topLevel, int32_t x, int32_t y) {
  const WindowPoint top = {topLevel, x, y};
  Descent descent = Down(top, top);
  // Only the deepest window is asked, as real input asks only the window it
  // found; a window that passes clicks through hands them to what lies
  // beneath it.
  while (descent.reached.window != topLevel && PassesThrough(descent.reached.window)) {
    uint32_t beneath = SiblingBeneath(descent.reached.window, descent.parent);
    if (beneath == 0) return descent.parent;
    descent = Down(descent.parent, Into(descent.parent, beneath));
  }
  return descent.reached;
}

}  // namespace klv::clicker
