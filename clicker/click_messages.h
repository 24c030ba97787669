// The mouse messages one background click posts, and the flags of one
// synthesised foreground click. Pure logic: no system calls.
#pragma once
#include <cstdint>
#include <vector>

#include "clicker/system_numbers.h"

namespace klv::clicker {

struct PostedMessage {
  uint32_t message;
  uint32_t wParam;
  uint32_t lParam;
};

// Buttons: 0 or 1 left, 2 right, 3 middle, 4 wheel forward, 5 wheel back.
// Actions: 0 or 1 click, 2 double click, 3 press only, 4 release only.
constexpr int32_t kLeftButton = 1;
constexpr int32_t kRightButton = 2;
constexpr int32_t kClickAction = 1;

// Added to the packed point of the messages that carry screen coordinates
// (wheel and context menu).
constexpr uint32_t kScreenOffset = 25100873;  // 0x17F0249
// First parameter of the context-menu message after a right click.
constexpr uint32_t kContextMenuParameter = 0x206AE;

// Y in the high 16 bits and X in the low 16, each on its own, as the system
// unpacks them with their signs: a negative X never borrows from Y.
uint32_t PackPoint(int32_t x, int32_t y);

std::vector<PostedMessage> BackgroundClickMessages(int32_t x, int32_t y, int32_t button, int32_t action);

// mouse_event flags for a foreground click: down and up of the button, no
// move flag; 0 for a button that foreground clicks do not support.
uint32_t ForegroundClickFlags(int32_t button);

struct ScreenPoint {
  int32_t x = 0, y = 0;
  bool operator==(const ScreenPoint& o) const { return x == o.x && y == o.y; }
};
// The virtual desk: the rectangle around every monitor, its corner negative
// when a monitor lies left of or above the main one.
struct VirtualDesk {
  int32_t left = 0, top = 0, width = 0, height = 0;
};

// A screen point in the desk's absolute units (0 to 65535 across it), a
// quarter pixel into the pixel, so that the system's mapping back lands on
// it whether it rounds or truncates. A point off the desk goes to its edge.
ScreenPoint InDeskUnits(ScreenPoint point, const VirtualDesk& desk);

// One foreground click as one batch of input: the press and the release,
// each carrying its point, then the move back home. Bound to the input
// itself, the point cannot be overtaken by a move the system takes later.
// Empty for a button that foreground clicks do not support, and when the
// desk's size is unknown.
std::vector<MouseInput> ForegroundClickInputs(ScreenPoint point, ScreenPoint home, int32_t button,
                                              const VirtualDesk& desk);

}  // namespace klv::clicker
