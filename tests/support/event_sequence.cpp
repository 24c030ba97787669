#include "tests/support/event_sequence.h"


namespace klvtest {
namespace {

std::string Describe(const EventSequence& expected) {
  std::string text;
  for (const ExpectedEvent& entry : expected) {
    text += " " + ((entry.flags & EventFlag::kAnyArguments) ? Named(entry.event, {}) + "(...)"
                                                            : Named(entry.event, entry.arguments));
    if (entry.flags & EventFlag::kOptional) text += "?";
  }
  return text.empty() ? " none" : text;
}

bool Matches(const LoggedEvent& seen, const ExpectedEvent& entry) {
  return seen.event == entry.event && ((entry.flags & EventFlag::kAnyArguments) || seen.arguments == entry.arguments);
}

}  // namespace

ExpectedEvent MouseAt(int32_t event, POINT at) {
  return {event, {static_cast<uint32_t>(at.x), static_cast<uint32_t>(at.y), 0}};
}

testing::AssertionResult EventsFollow(const std::vector<LoggedEvent>& all, const EventSequence& expected,
                                      uint32_t unitId) {
  std::vector<LoggedEvent> seen;
  for (const LoggedEvent& event : all) {
    if ((unitId == 0 || event.unitId == unitId) && event.event != klv::CommonEvent::kMouseMove) seen.push_back(event);
  }
  size_t at = 0;
  std::string difference;
  for (size_t i = 0; i < expected.size() && difference.empty(); ++i) {
    if (at < seen.size() && Matches(seen[at], expected[i])) {
      ++at;
    } else if (!(expected[i].flags & EventFlag::kOptional)) {
      difference = "expected " + Describe({expected[i]}).substr(1) + " at " + std::to_string(at) + ", got " +
                   (at < seen.size() ? Describe(seen[at]) : std::string("nothing"));
    }
  }
  if (difference.empty() && at < seen.size()) difference = "unexpected " + Describe(seen[at]) + " at " + std::to_string(at);
  if (difference.empty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << difference << "\n  expected:" << Describe(expected)
                                     << "\n  seen:    " << Describe(seen);
}

}  // namespace klvtest
