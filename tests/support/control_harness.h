// The one harness of the control tests: a plain top-level form that hands
// control notifications on as the runtime's window does, test units (live
// controls made through their type records, tests/support/test_unit.h),
// event logs checked as named sequences, message pumping as the runtime's
// loop pumps, real mouse and keyboard input, spies on messages and window
// creation, and command calls through the support table.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/interface/command_values.h"
#include "runtime/events.h"
#include "runtime/interface/image_format.h"
#include "runtime/unit_object.h"
#include "tests/support/command_call.h"
#include "tests/support/event_log.h"
#include "tests/support/event_sequence.h"
#include "tests/support/test_unit.h"

namespace ctltest {

constexpr uint32_t kWindowId = klvtest::kTestWindowId;

// The form: a visible top-level window without a frame at the screen's
// top-left corner, shown and in front. One for the whole run: hiding or
// destroying a shown top-level window costs seconds under Wine without a
// window manager. It logs the messages it gets whose number is watched.
class TestParent {
 public:
  TestParent();
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;
  HWND hwnd() const { return hwnd_; }

  static std::vector<UINT>& watchedMessages();
  static std::vector<UINT>& receivedMessages();

 private:
  HWND hwnd_;
};
TestParent& SharedParent();
HWND Form();

// Events as the observer saw them, checked as named sequences. A control
// test has no handlers: every notice counts as handled (and answers with a
// supplied result); notices raised while events are suppressed are not
// logged.
using klvtest::Describe;
using klvtest::EventSequence;
using klvtest::EventsFollow;
using klvtest::LoggedEvent;
using klvtest::MouseAt;
class EventLog : public klvtest::EventLog {
 public:
  EventLog() : klvtest::EventLog(Options{true, false}) {}
};

// What each control test starts from: the form, and an event log of its own.
class ControlTest : public ::testing::Test {
 protected:
  TestParent& parent_ = SharedParent();
  EventLog events_;
};

using klvtest::ColourAnswer;
using klvtest::KeptSetting;
using klvtest::TestUnit;

inline LONG Style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

// Dispatches the thread's messages as the runtime's loop does (input goes
// through the pre-translation first) until no message came for quietMs;
// Pump() for a short while.
void PumpUntilQuiet(DWORD quietMs = 150);
inline void Pump() { PumpUntilQuiet(30); }
// The same until done() answers true; gives up after limitMs (returns done()).
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 5000);

// Real input through SendInput, at screen points: the cursor moves there and
// the button goes down and up (ClickHere, DoubleClickHere: where the cursor
// is).
POINT ScreenPoint(HWND window, int x, int y);
POINT CentreOnScreen(HWND window);
POINT ClientCentre(HWND window);
void BringToFront(HWND topLevel);
void MoveCursorTo(POINT screen);
void Click(POINT at, bool right = false);
void DoubleClick(POINT at);
void ClickHere();
void DoubleClickHere();
void PressKey(WORD virtualKey);

// Colour of a pixel of a window's client area as painted (read through the
// window's own device context, so no screen update needs to have happened).
COLORREF ClientPixel(HWND window, int x, int y);

// The runtime for a test program without window templates: unit lookups
// answer from the units made here, events outside an EventLog are dropped,
// and a runtime error is printed before the process ends.
void InstallTestRuntimeHooks();

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

}  // namespace ctltest
