// Expected event sequences, checked the way a message-sequence test checks
// messages: a table of expected entries with flags, and one call that
// compares it with what an event log took and reports the first difference
// with both sequences in full, common events by name.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/events.h"
#include "tests/support/event_log.h"

namespace klvtest {

namespace EventFlag {
constexpr unsigned kAnyArguments = 1;  // the arguments are not compared
constexpr unsigned kOptional = 2;      // the event may be missing
}  // namespace EventFlag

struct ExpectedEvent {
  int32_t event;
  std::vector<uint32_t> arguments = {};
  unsigned flags = 0;
};
using EventSequence = std::vector<ExpectedEvent>;

// A mouse event of a control at a client point, no key or button held.
ExpectedEvent MouseAt(int32_t event, POINT at);

// Whether the events follow the sequence. Only the unit's events count when
// unitId is given; mouse moves never do: they depend on where the pointer
// was before.
testing::AssertionResult EventsFollow(const std::vector<LoggedEvent>& seen, const EventSequence& expected,
                                      uint32_t unitId = 0);

}  // namespace klvtest
