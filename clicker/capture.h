// Coordinate capture: where the cursor is, on the screen and inside the
// top-level window under it, copied into the X and Y fields for the current
// mode.
#pragma once
#include <cstdint>

namespace klv::clicker {

void CaptureCoordinates();
uint32_t WindowUnderCursor();
// The top-level window that contains the window under the cursor; 0 for none.
uint32_t TopLevelWindowUnderCursor();
// Fresh 8-byte points the caller frees.
int32_t* CursorFromClientOrigin(uint32_t window);
int32_t* ClientOriginOnScreen(uint32_t window);

}  // namespace klv::clicker
