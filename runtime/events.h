// Events: controls describe what happened in an EventNotice; the runtime
// finds the handler bound in the window template and calls it.
#pragma once
#include <cstdint>

namespace klv {

struct EventNotice {
  uint32_t windowId;
  uint32_t unitId;  // 0 for the window itself
  int32_t event;
  uint32_t argumentCount;  // 0..5
  uint32_t arguments[5];
  uint32_t hasResult;
  uint32_t result;
};
static_assert(sizeof(EventNotice) == 44, "eleven words");

// Common events of every window unit, from the window's pre-translation of
// input addressed to it or to any of its controls.
namespace CommonEvent {
constexpr int kLeftDown = -1;
constexpr int kLeftUp = -2;
constexpr int kDoubleClick = -3;
constexpr int kRightDown = -4;
constexpr int kRightUp = -5;
constexpr int kMouseMove = -6;
constexpr int kGotFocus = -7;
constexpr int kLostFocus = -8;
constexpr int kKeyDown = -9;
constexpr int kKeyUp = -10;
constexpr int kCharacter = -11;
constexpr int kWheel = -12;
}  // namespace CommonEvent

// Looks the handler up and calls it; true when it was dispatched.
bool DispatchEvent(EventNotice* notice);

// The event being handled: window and unit UnitIds (window part 0 outside).
struct EventSource {
  uint32_t windowId;
  uint32_t unitId;
};
EventSource CurrentEventSource();

}  // namespace klv

namespace klv {

// Tests watch events through this: the observer sees every notice before its
// handler is looked up; when it answers true the notice counts as handled
// and no lookup takes place.
using EventObserver = bool (*)(EventNotice* notice);
// Returns the observer it replaces.
EventObserver SetEventObserver(EventObserver observer);

}  // namespace klv
