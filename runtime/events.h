// Events: controls describe what happened in an EventNotice; the runtime
// finds the handler bound in the window template and calls it.
#pragma once
#include <cstdint>

#include "runtime/event_notice.h"

namespace klv {

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
