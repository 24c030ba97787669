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

namespace listtest {

constexpr uint32_t kWindowId = 0x52010001;

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

// A control made through its type record's create operation; destroyed
// through the type's shared operation.
class TestUnit {
 public:
  TestUnit(const klv::DataTypeRecord& type, uint32_t typeCode, uint32_t unitId, std::vector<uint8_t> settings,
           HWND parent, RECT rect, int childId = 100);
  ~TestUnit();
  TestUnit(const TestUnit&) = delete;
  TestUnit& operator=(const TestUnit&) = delete;

  klv::UnitObject* object() const { return object_; }
  uint32_t unitId() const { return unitId_; }
  HWND hwnd() const { return object_ ? object_->hwnd() : nullptr; }
  // Shows the system window (the loader shows controls after creation).
  void Show() const { ShowWindow(hwnd(), SW_SHOWNA); }

  // Property index 8 and up, through operations 6 and 4. A write the type
  // answers with 1 rebuilds the system window with events suppressed, as
  // the runtime does; the answer is returned.
  klv::PropertyValue Read(int index) const;
  int32_t ReadNumber(int index) const { return static_cast<int32_t>(Read(index).low); }
  std::string ReadText(int index) const { return Read(index).text; }
  int Write(int index, const klv::PropertyValue& value);
  int WriteNumber(int index, int32_t value);
  int WriteText(int index, const std::string& text);

  // The control as a command's first argument.
  klv::CommandArgument Argument() const;

 private:
  const klv::DataTypeRecord& type_;
  uint32_t typeCode_;
  uint32_t unitId_;
  klv::ControlRecord record_;
  klv::UnitObject* object_ = nullptr;
};

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

// Every event notice raised while a log lives, outside event suppression.
using Event = klvtest::LoggedEvent;
// "number(arguments) " per event; only the events of one unit when given.
// Mouse moves (-6) are left out: they depend on where the pointer was.
std::string Describe(const std::vector<Event>& events, uint32_t unit = 0);

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
