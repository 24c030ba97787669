// Click delivery: one point of the plan becomes one mouse click, posted to
// the target window (background mode) or synthesised with the real cursor
// (foreground mode). Mode and button are read from their combo boxes at the
// moment of each click.
#pragma once
#include <cstdint>

#include "clicker/cursor_home.h"
#include "clicker/dpi_context.h"
#include "clicker/heap_values.h"

namespace klv::clicker {

// What one thread's clicks carry from one to the next: the thread's DPI
// awareness context, and where the operator left the cursor.
struct DeliveryState {
  ThreadDpiContext dpiContext;
  CursorHome cursorHome;
};

void DeliverClick(int32_t x, int32_t y, uint32_t targetWindow);
// The same, in the mode the caller has just read for this click (the runner
// reads it once per step, for the lookup and the click together). A
// background point is in the target window's own pixels: it is worked out
// and posted with the thread in the target's DPI awareness context, and
// the thread is back in its own when the call returns. A foreground point
// is in the thread's own coordinates.
void DeliverClickInMode(bool foreground, int32_t x, int32_t y, uint32_t targetWindow);
// The same with the state kept by the caller: the runner keeps its thread in
// the target's context from one click to the next, and knows where the
// operator left the cursor while its own clicks move it.
void DeliverClickInMode(bool foreground, int32_t x, int32_t y, uint32_t targetWindow, DeliveryState& state);
// The first top-level window with exactly that title; 0 for none, and 0 for
// an empty title, so that clicks never go to a window nobody chose.
uint32_t FirstWindowTitled(const char* title);
// The picked window (the title list's selected item's data; 0 for none)
// while it still bears the title, so that of two windows with one title the
// picked one is clicked; otherwise, for a typed or loaded title or a closed
// window, FirstWindowTitled(title). The caller has read title and pick.
uint32_t PickedOrFirstWindowTitled(const char* title, uint32_t pickedWindow);
// The same for the title box as it is now: its shown text and its picked
// item, both from one state of the box (the lookup of a run's step and of
// the single step alike).
uint32_t TargetOfTitleBox();
void BackgroundClick(uint32_t window, int32_t x, int32_t y, int32_t button, int32_t action);
// Presses and releases the button at the screen point and puts the cursor
// back home, in one batch of input.
void ForegroundClick(int32_t x, int32_t y, int32_t button, CursorHome& home);
// A point block filled by GetCursorPos.
HeapPoint ReadCursorPoint();
void PostMouseMessage(uint32_t window, uint32_t message, uint32_t wParam, uint32_t lParam);

// True when the click mode combo box shows the foreground mode.
bool ForegroundModeChosen();

}  // namespace klv::clicker
