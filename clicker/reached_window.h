// The window inside a top-level window that a real click at a point of its
// client area would reach, so that a background click can be posted there.
#pragma once
#include <cstdint>

namespace klv::clicker {

// A window and a point in its client coordinates.
struct WindowPoint {
  uint32_t window;
  int32_t x, y;
};

// From (x, y) of the top-level window's client area down to the deepest
// child window at that point, as the system's hit testing of real input
// chooses it: hidden, disabled and transparent children (extended style
// WS_EX_TRANSPARENT) are skipped for the next sibling beneath them, and a
// group box or a plain static control, which pass real clicks through, give
// way to the sibling beneath them or to their parent. The point comes back
// in the reached window's client coordinates. A point outside the client
// area stays with the top-level window, unchanged.
WindowPoint WindowReachedAt(uint32_t topLevel, int32_t x, int32_t y);

}  // namespace klv::clicker
