// Coordinate capture: where the cursor is, on the screen and inside the
// window under it, copied into the X and Y fields for the current mode.
#pragma once
#include <cstdint>

namespace klv::clicker {

void CaptureCoordinates();
uint32_t FindDesktopWindow();
// Fresh 8-byte points the caller frees.
int32_t* CursorFromWindowCorner(uint32_t window);
uint32_t WindowUnderCursor();
int32_t* CursorFromClientOrigin(uint32_t window);
int32_t* ClientOriginOnScreen(uint32_t window);

}  // namespace klv::clicker
