// What the control tests share: a plain top-level parent window that hands
// control notifications on as the runtime's window does, test units (live
// controls, tests/support/test_unit.h), an event log fed by the event
// observer, message pumping and real mouse and keyboard input.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/events.h"
#include "runtime/image_format.h"
#include "runtime/unit_object.h"
#include "tests/support/event_log.h"
#include "tests/support/event_sequence.h"
#include "tests/support/test_unit.h"

namespace basictest {

constexpr uint32_t kWindowId = klvtest::kTestWindowId;

// A visible top-level window without a frame at the screen's top-left
// corner. It logs the messages it gets whose number is in watchedMessages.
// Tests share one (SharedParent): hiding a window takes Wine seconds.
class TestParent {
 public:
  TestParent(int width, int height);
  ~TestParent();
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;
  HWND hwnd() const { return hwnd_; }

  static std::vector<UINT>& watchedMessages();
  static std::vector<UINT>& receivedMessages();

 private:
  HWND hwnd_;
};

TestParent& SharedParent();

// Every event as the observer saw it, checked as named sequences.
using klvtest::Describe;
using klvtest::EventSequence;
using klvtest::EventsFollow;
using klvtest::LoggedEvent;

// Installs the observer for its lifetime: every notice is logged and counts
// as handled; when a result is given (SupplyResult), every handler "returns" it.
class EventLog : public klvtest::EventLog {
 public:
  EventLog() : klvtest::EventLog(Options{true, true}) {}
};

// What each control test starts from: the shared parent, and an event log
// of its own.
class ControlTest : public ::testing::Test {
 protected:
  TestParent& parent_ = SharedParent();
  EventLog events_;
};

inline LONG Style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

using klvtest::ColourAnswer;
using klvtest::KeptSetting;
using klvtest::TestUnit;

// Dispatches every pending message of this thread (repeated a few times
// so that messages posted while dispatching are handled too).
void Pump();

// Real input through SendInput: the cursor moves to the screen point and
// the left button goes down and up (ClickHere: the button only, where the
// cursor is; DoubleClickHere: twice, quick enough for a double click).
void ClickAt(POINT screen);
void MoveCursorTo(POINT screen);
void ClickHere();
void DoubleClickHere();
POINT CentreOnScreen(HWND window);
void TypeKey(WORD virtualKey);
// Brings a top-level window to the front so that it gets the input.
void BringToFront(HWND window);

// Colour of a pixel of a window's client area as painted (read through the
// window's own device context, so no screen update needs to have happened).
COLORREF ClientPixel(HWND window, int x, int y);

}  // namespace basictest
