#include "clicker/dpi_context.h"

#include "clicker/runtime_access.h"

namespace klv::clicker {
namespace {

// The window's DPI awareness context; 0 without one (no such window, or a
// system without contexts).
uint32_t ContextOf(uint32_t window) { return CallSystem(kGetWindowDpiAwarenessContext, {window}); }

// The thread's context before the move; 0 when the system refused it.
uint32_t MoveThreadInto(uint32_t context) { return CallSystem(kSetThreadDpiAwarenessContext, {context}); }

}  // namespace

bool ThreadDpiContext::EnterContextOf(uint32_t window) {
  const uint32_t wanted = ContextOf(window);
  if (wanted == 0) return false;
  if (wanted == current()) return true;
  const uint32_t before = MoveThreadInto(wanted);
  if (before == 0) return false;  // refused: the thread stays where it was
  if (own_ == 0) own_ = before;
  entered_ = wanted == own_ ? 0 : wanted;
  return true;
}

void ThreadDpiContext::Leave() {
  if (entered_ == 0) return;
  // The thread's own context was the system's answer once: it takes it back.
  MoveThreadInto(own_);
  entered_ = 0;
}

WindowPoint InOwnPixels(const WindowPoint& reached, uint32_t topLevel, uint32_t topContext) {
  if (reached.window == topLevel) return reached;
  const uint32_t context = ContextOf(reached.window);
  if (context == 0 || context == topContext) return reached;
  const uint32_t fromDpi = CallSystem(kGetDpiForWindow, {topLevel});
  const uint32_t toDpi = CallSystem(kGetDpiForWindow, {reached.window});
  return {reached.window, ScaledToDpi(reached.x, fromDpi, toDpi), ScaledToDpi(reached.y, fromDpi, toDpi)};
}

}  // namespace klv::clicker
