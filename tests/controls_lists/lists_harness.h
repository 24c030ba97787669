// Test bed for the combo box and the report list: a stand-in form window that
// routes control notifications like the window type, controls made through
// their type records, property access through the types' operations, an
// event log, a message pump with the runtime's pre-translation, real mouse and
// keyboard input, and command calls through the support table.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/command_values.h"
#include "runtime/events.h"
#include "runtime/image_format.h"
#include "runtime/unit_object.h"
#include "runtime/window_template.h"
#include "tests/support/command_call.h"
#include "tests/support/event_log.h"
#include "tests/support/event_sequence.h"
#include "tests/support/test_unit.h"

namespace listtest {

constexpr uint32_t kWindowId = klvtest::kTestWindowId;

// HostNotify for the tests: unit lookups answer from the units made here,
// everything else goes to the runtime.
uint32_t TestHost(int code, uint32_t first, uint32_t second);

// The test process has no window templates: events outside an EventLog are
// dropped, and a runtime error is printed before the process ends.
void InstallTestRuntimeHooks();

// The top-level window standing in for the form, shown and in front; one
// for the whole run (destroying a shown top-level window costs seconds
// under Wine without a window manager).
HWND Form();

// Controls made as the loader makes them; property numbers are the types' own.
using klvtest::TestUnit;

// Records the messages of chosen numbers that a window receives, in order,
// while it lives (a procedure put in front of the window's own).
struct SeenMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
class MessageSpy {
 public:
  MessageSpy(HWND window, std::vector<UINT> watched);
  ~MessageSpy();
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;
  std::vector<SeenMessage> Take();
  // Called while a watched message is handled (its pointers still valid).
  void OnMessage(std::function<void(const SeenMessage&)> probe) { probe_ = std::move(probe); }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_;
  WNDPROC previous_;
  std::vector<UINT> watched_;
  std::vector<SeenMessage> seen_;
  std::function<void(const SeenMessage&)> probe_;
};

// Windows created on this thread while it lives: class, style and size as
// asked of the system (before a control adjusts them).
struct CreatedWindow {
  std::string className;
  DWORD style;
  int width;
  int height;
};
class CreationSpy {
 public:
  CreationSpy();
  ~CreationSpy();
  CreationSpy(const CreationSpy&) = delete;
  CreationSpy& operator=(const CreationSpy&) = delete;
  // The windows of one class (compared without case), in creation order.
  std::vector<CreatedWindow> OfClass(const std::string& className) const;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_;
  std::vector<CreatedWindow> created_;
};

// Every event notice raised while a log lives, outside event suppression,
// checked as named sequences.
using klvtest::Describe;
using klvtest::EventSequence;
using klvtest::EventsFollow;
using klvtest::LoggedEvent;
using klvtest::MouseAt;

// Notices count as handled; Answer gives the result for one event number.
class EventLog : public klvtest::EventLog {
 public:
  EventLog() : klvtest::EventLog(Options{true, false}) {}
};

// Dispatches the thread's messages as the runtime's loop does (input goes
// through the pre-translation first) until no message came for quietMs.
void PumpUntilQuiet(DWORD quietMs = 150);
// The same until done() answers true; gives up after limitMs (returns done()).
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 5000);

// Real input through SendInput, at screen points.
POINT ScreenPoint(HWND window, int x, int y);
void BringToFront(HWND topLevel);
void Click(POINT at, bool right = false);
void DoubleClick(POINT at);
void PressKey(WORD virtualKey);

// Argument makers and result checks shared with the command tests.
using klvtest::Escaped;
using klvtest::Integer;
using klvtest::IntegerOf;
using klvtest::LogicalOf;
using klvtest::Omitted;
using klvtest::TakeText;
using klvtest::Text;

// Commands through the support table (the result record starts zeroed).
klv::CommandResult CallCore(klv::CommandFunction command, const std::vector<klv::CommandArgument>& arguments);
klv::CommandResult CallList(klv::CommandFunction command, const std::vector<klv::CommandArgument>& arguments);

}  // namespace listtest
