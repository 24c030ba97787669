// What the control tests share: a plain top-level parent window that hands
// control notifications on as the runtime's window does, live controls made
// through their type records, property access through the type operations
// (with the runtime's rebuild step), an event log fed by the event observer,
// message pumping and real mouse and keyboard input.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "runtime/events.h"
#include "runtime/image_format.h"
#include "runtime/unit_object.h"
#include "tests/support/event_log.h"

namespace basictest {

constexpr uint32_t kWindowId = 0x52010001;

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

// One event as the observer saw it.
using SeenEvent = klvtest::LoggedEvent;
std::string Describe(const std::vector<SeenEvent>& events);

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

// A number setting written, and what the control keeps of it.
struct KeptSetting {
  int k;
  uint32_t written, kept;
};

// What a control answers to its parent's colour question (WM_CTLCOLOR...)
// on a memory device context: the colours it set and the brush it gave.
struct ColourAnswer {
  bool answered;
  COLORREF text, background;
  LRESULT brush;
};

// A control made through its type record's create operation, destroyed
// through its shared operation.
class LiveControl {
 public:
  LiveControl(const klv::DataTypeRecord& type, uint32_t unitId, HWND parent, const std::vector<uint8_t>& settings,
              RECT rect, int childId = 100, bool disabled = false);
  ~LiveControl() { Destroy(); }
  LiveControl(const LiveControl&) = delete;
  LiveControl& operator=(const LiveControl&) = delete;

  klv::UnitObject* unit() const { return unit_; }
  HWND hwnd() const { return unit_ ? unit_->hwnd() : nullptr; }
  uint32_t unitId() const { return unitId_; }
  void Show() const;
  void Destroy();

  // Type property k through operation 6 / 4; a write that asks for it is
  // followed by a rebuild, as the runtime does. Returns the write's answer.
  klv::PropertyValue Read(int k) const;
  uint32_t ReadWord(int k) const { return Read(k).low; }
  std::string ReadText(int k) const { return Read(k).text; }
  int Write(int k, const klv::PropertyValue& value);
  int WriteWord(int k, uint32_t value);
  int WriteText(int k, const std::string& value);
  int WriteBytes(int k, const std::vector<uint8_t>& value);
  // Writes each setting in turn and checks what reads back.
  void ExpectKept(std::initializer_list<KeptSetting> settings);
  ColourAnswer AskColours(UINT message) const;

 private:
  klv::DataTypeRecord type_;
  klv::ControlRecord record_;
  uint32_t unitId_;
  klv::UnitObject* unit_ = nullptr;
};

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
