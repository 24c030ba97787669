// Coordinate capture: where the cursor is, on the screen and inside the
// top-level window under it, copied into the X and Y fields for the current
// mode.
#pragma once
#include <cstdint>

#include "clicker/heap_values.h"

namespace klv::clicker {

void CaptureCoordinates();
uint32_t WindowUnderCursor();
// The top-level window that contains the window under the cursor; 0 for none.
uint32_t TopLevelWindowUnderCursor();
HeapPoint CursorFromClientOrigin(uint32_t window);
HeapPoint ClientOriginOnScreen(uint32_t window);

}  // namespace klv::clicker
