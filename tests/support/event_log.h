// The one event log of the tests: it watches every event notice the runtime
// raises while it lives, through the runtime's event observer.
#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/events.h"

namespace klvtest {

// One event notice as the runtime raised it (at most five arguments).
struct LoggedEvent {
  uint32_t unitId;
  int32_t event;
  std::vector<uint32_t> arguments;
  bool operator==(const LoggedEvent& o) const {
    return unitId == o.unitId && event == o.event && arguments == o.arguments;
  }
};
// "LeftDown(80,11,0)" for a common event, "event 2" for one of a type's
// own, whose numbers each type counts from 0; the one describer of events.
std::string Describe(const LoggedEvent& event);
std::string Describe(const std::vector<LoggedEvent>& events);
std::string Named(int32_t event, const std::vector<uint32_t>& arguments);
void PrintTo(const LoggedEvent& event, std::ostream* out);

class EventLog {
 public:
  struct Options {
    // A control test has no handlers to run: the notice counts as handled
    // (and answers with the supplied result). A program test lets them run.
    bool handled;
    // Whether notices raised while events are suppressed are logged.
    bool suppressedLogged;
  };
  // Logs without interfering: the handlers run, every notice is logged.
  EventLog() : EventLog(Options{false, true}) {}
  explicit EventLog(Options options);
  // The observer that was there before comes back.
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  // The events so far, which are then forgotten.
  std::vector<LoggedEvent> Take();
  // The events so far, kept.
  std::vector<LoggedEvent> entries() const;
  // The event numbers raised by one unit, in order.
  std::vector<int32_t> EventsOf(uint32_t unitId) const;
  void Clear();

  // Handled notices answer with this result: every notice, or only those of
  // one event number.
  void SupplyResult(uint32_t value);
  void Answer(int event, uint32_t value);
  // Called at each notice, before it is answered.
  void OnEvent(std::function<void(const LoggedEvent&)> probe) { probe_ = std::move(probe); }

 private:
  static bool Observe(klv::EventNotice* notice);
  bool Log(klv::EventNotice* notice);

  Options options_;
  klv::EventObserver previous_;
  mutable std::mutex mutex_;
  std::vector<LoggedEvent> events_;
  std::function<void(const LoggedEvent&)> probe_;
  bool answering_ = false;
  bool answeringEvery_ = false;
  int answerEvent_ = 0;
  uint32_t answer_ = 0;
};

}  // namespace klvtest
