// Points in a window's own pixels at any display scale. The system gives a
// thread coordinates in the thread's DPI awareness (scaled for a
// DPI-unaware one), while a posted mouse message's point reaches the target
// as it is: a thread that works out such a point for a window does so in
// that window's awareness. Klikvane's own window keeps its awareness: the
// user-interface thread goes back to it at once.
#pragma once
#include <cstdint>

#include "clicker/reached_window.h"

namespace klv::clicker {

// The calling thread's DPI awareness context, moved into a window's for the
// calls about that window, and put back when the object ends. Each move is
// made only when the thread is not in that context already, and only a move
// the system took is ever undone: a refused context leaves the thread in
// the one it had. A system without DPI awareness contexts (before Windows 10
// 1607) is left alone. One object serves one thread; the runner keeps one
// for the whole run, so that a plan against one target moves its thread
// once.
class ThreadDpiContext {
 public:
  ThreadDpiContext() = default;
  ~ThreadDpiContext() { Leave(); }
  ThreadDpiContext(const ThreadDpiContext&) = delete;
  ThreadDpiContext& operator=(const ThreadDpiContext&) = delete;

  // Moves the thread into the window's context; true when the thread is in
  // it now, so that its coordinates are the window's own pixels.
  bool EnterContextOf(uint32_t window);
  // Back in the context the thread had before the first move.
  void Leave();
  // The context the thread is known to be in; 0 before the first move.
  uint32_t current() const { return entered_ != 0 ? entered_ : own_; }

 private:
  uint32_t own_ = 0;      // the thread's context before the first move that the system took
  uint32_t entered_ = 0;  // the context it was moved into; 0 while in its own
};

// A window reached from a top-level window with its point worked out in the
// top-level window's awareness context (topContext): the point in the
// reached window's own pixels. The same point unless the two windows differ
// in awareness (a child of another awareness than its top-level window):
// then it is scaled from the top-level window's DPI to the child's.
WindowPoint InOwnPixels(const WindowPoint& reached, uint32_t topLevel, uint32_t topContext);

// v measured at one DPI, at another, rounded to the nearest (halves away
// from zero); v itself when either DPI is unknown (0).
constexpr int32_t ScaledToDpi(int32_t v, uint32_t fromDpi, uint32_t toDpi) {
  if (fromDpi == 0 || toDpi == 0) return v;
  const int64_t scaled = static_cast<int64_t>(v) * toDpi;
  const int64_t half = fromDpi / 2;
  return static_cast<int32_t>((scaled < 0 ? scaled - half : scaled + half) / static_cast<int64_t>(fromDpi));
}

}  // namespace klv::clicker
