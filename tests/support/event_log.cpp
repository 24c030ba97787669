#include "tests/support/event_log.h"

#include <algorithm>
#include <utility>

#include "runtime/runtime_errors.h"

namespace klvtest {
namespace {
EventLog* g_current = nullptr;

const char* CommonEventName(int32_t event) {
  using namespace klv::CommonEvent;
  switch (event) {
    case kLeftDown: return "LeftDown";
    case kLeftUp: return "LeftUp";
    case kDoubleClick: return "DoubleClick";
    case kRightDown: return "RightDown";
    case kRightUp: return "RightUp";
    case kMouseMove: return "MouseMove";
    case kGotFocus: return "GotFocus";
    case kLostFocus: return "LostFocus";
    case kKeyDown: return "KeyDown";
    case kKeyUp: return "KeyUp";
    case kCharacter: return "Character";
    case kWheel: return "Wheel";
    default: return nullptr;
  }
}

std::string Arguments(const std::vector<uint32_t>& arguments) {
  if (arguments.empty()) return std::string();
  std::string text = "(";
  for (size_t i = 0; i < arguments.size(); ++i) {
    text += (i ? "," : "") + std::to_string(static_cast<int32_t>(arguments[i]));
  }
  return text + ")";
}

}  // namespace

std::string Named(int32_t event, const std::vector<uint32_t>& arguments) {
  const char* name = CommonEventName(event);
  return (name ? std::string(name) : "event " + std::to_string(event)) + Arguments(arguments);
}

std::string Describe(const LoggedEvent& event) { return Named(event.event, event.arguments); }

std::string Describe(const std::vector<LoggedEvent>& events) {
  std::string text;
  for (const LoggedEvent& event : events) text += " " + Describe(event);
  return text.empty() ? " none" : text;
}

void PrintTo(const LoggedEvent& event, std::ostream* out) {
  *out << "[unit " << std::hex << event.unitId << std::dec << " " << Describe(event) << ']';
}

EventLog::EventLog(Options options) : options_(options) {
  g_current = this;
  previous_ = klv::SetEventObserver(&EventLog::Observe);
}

EventLog::~EventLog() {
  klv::SetEventObserver(previous_);
  g_current = nullptr;
}

std::vector<LoggedEvent> EventLog::Take() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(events_, {});
}

std::vector<LoggedEvent> EventLog::entries() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return events_;
}

std::vector<int32_t> EventLog::EventsOf(uint32_t unitId) const {
  std::vector<int32_t> events;
  for (const LoggedEvent& entry : entries()) {
    if (entry.unitId == unitId) events.push_back(entry.event);
  }
  return events;
}

void EventLog::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  events_.clear();
}

void EventLog::SupplyResult(uint32_t value) {
  answering_ = answeringEvery_ = true;
  answer_ = value;
}

void EventLog::Answer(int event, uint32_t value) {
  answering_ = true;
  answeringEvery_ = false;
  answerEvent_ = event;
  answer_ = value;
}

bool EventLog::Observe(klv::EventNotice* notice) { return g_current != nullptr && g_current->Log(notice); }

bool EventLog::Log(klv::EventNotice* notice) {
  if (!options_.suppressedLogged && klv::EventSuppressionCount() != 0) return options_.handled;
  uint32_t count = std::min<uint32_t>(notice->argumentCount, 5);
  LoggedEvent event{notice->unitId, notice->event, std::vector<uint32_t>(notice->arguments, notice->arguments + count)};
  if (probe_) probe_(event);
  if (options_.handled && answering_ && (answeringEvery_ || notice->event == answerEvent_)) {
    notice->hasResult = 1;
    notice->result = answer_;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  events_.push_back(std::move(event));
  return options_.handled;
}

}  // namespace klvtest
