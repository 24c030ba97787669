// The common events -1 to -12 that the window's pre-translation raises for
// real input addressed to the window or any of its controls.
#include <gtest/gtest.h>
#include <windows.h>

#include "clicker/units.h"
#include "runtime/events.h"
#include "runtime/system_text.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/real_input.h"

namespace klvtest {
namespace {

using namespace klv::clicker;

// While it lives, events of one unit and number are answered with a value
// (as a handler returning that value would), and every notice is kept.
class AnsweringObserver {
 public:
  AnsweringObserver(uint32_t unit, int32_t event, uint32_t answer) {
    target_ = {unit, event, answer};
    notices_.clear();
    klv::SetEventObserver(&Observe);
  }
  ~AnsweringObserver() { klv::SetEventObserver(nullptr); }
  AnsweringObserver(const AnsweringObserver&) = delete;
  AnsweringObserver& operator=(const AnsweringObserver&) = delete;
  static std::vector<klv::EventNotice> NoticesOf(uint32_t unit) {
    std::vector<klv::EventNotice> kept;
    for (const auto& n : notices_) {
      if (n.unitId == unit) kept.push_back(n);
    }
    return kept;
  }

 private:
  struct Target {
    uint32_t unit;
    int32_t event;
    uint32_t answer;
  };
  static bool Observe(klv::EventNotice* notice) {
    notices_.push_back(*notice);
    if (notice->unitId != target_.unit || notice->event != target_.event) return false;
    notice->hasResult = 1;
    notice->result = target_.answer;
    return true;
  }
  static Target target_;
  static std::vector<klv::EventNotice> notices_;
};
AnsweringObserver::Target AnsweringObserver::target_;
std::vector<klv::EventNotice> AnsweringObserver::notices_;

std::string WindowText(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

void FocusEditX() {
  BringMainWindowToFront();
  POINT at = ScreenPointOf(Unit::kEditX, 5, 5);
  ClickAt(at.x, at.y);
  WriteUnitText(Unit::kEditX, Property::kEditText, "");
}

TEST(CommonEvents, MouseInputOnAControlCarriesClientPointAndKeys) {
  BringMainWindowToFront();
  AnsweringObserver observer(0, 0x7FFFFFFF, 0);
  POINT at = ScreenPointOf(Unit::kButtonSave, 7, 9);
  ClickAt(at.x, at.y);
  std::vector<int32_t> events;
  for (const auto& n : AnsweringObserver::NoticesOf(Unit::kButtonSave)) {
    if (n.event == klv::CommonEvent::kLeftDown || n.event == klv::CommonEvent::kLeftUp) {
      events.push_back(n.event);
      EXPECT_EQ(3u, n.argumentCount);
      EXPECT_EQ(7u, n.arguments[0]);
      EXPECT_EQ(9u, n.arguments[1]);
      EXPECT_EQ(0u, n.arguments[2]);
    }
  }
  EXPECT_EQ((std::vector<int32_t>{klv::CommonEvent::kLeftDown, klv::CommonEvent::kLeftUp}), events);
}

TEST(CommonEvents, AHandlersFalseSwallowsTheCharacter) {
  FocusEditX();
  {
    AnsweringObserver observer(Unit::kEditX, klv::CommonEvent::kCharacter, 0);  // false: swallowed
    PressKey('A');
  }
  EXPECT_EQ("", WindowText(UnitHandle(Unit::kEditX)));
  {
    AnsweringObserver observer(Unit::kEditX, klv::CommonEvent::kCharacter, 'z');  // a value replaces the character
    PressKey('A');
  }
  EXPECT_EQ("z", WindowText(UnitHandle(Unit::kEditX)));
  PressKey('B');
  EXPECT_EQ("zb", WindowText(UnitHandle(Unit::kEditX)));
}

TEST(CommonEvents, KeysCarryTheModifierMaskAndKeypadDigitsReadAsDigits) {
  FocusEditX();
  AnsweringObserver observer(0, 0x7FFFFFFF, 0);
  PressKey(VK_NUMPAD7);
  PressKey(VK_SUBTRACT);
  PressKey('C', true);  // Control+C: Ctrl held counts in the mask
  std::vector<std::pair<uint32_t, uint32_t>> downs;
  for (const auto& n : AnsweringObserver::NoticesOf(Unit::kEditX)) {
    if (n.event == klv::CommonEvent::kKeyDown) downs.push_back({n.arguments[0], n.arguments[1]});
  }
  std::vector<std::pair<uint32_t, uint32_t>> expected = {
      {0x37, 0}, {189, 0}, {VK_CONTROL, 0}, {'C', 1}};
  EXPECT_EQ(expected, downs);
}

TEST(CommonEvents, KeyDownSwallowedByFalseNeverReachesTheControl) {
  FocusEditX();
  {
    AnsweringObserver observer(Unit::kEditX, klv::CommonEvent::kKeyDown, 0);
    PressKey('Q');
  }
  EXPECT_EQ("", WindowText(UnitHandle(Unit::kEditX)));
}

// What an input method delivers arrives as the bytes of program text, one
// event per byte, whatever the system's code page: "中" as D6 D0, the euro
// sign as the single byte 80, Korean "한" as its four-byte sequence. A
// character beyond the BMP comes as two halves, which pass by unannounced
// and still reach the edit box. A 0 answer swallows the whole character.
TEST(CommonEvents, TypedCharactersArriveAsProgramBytes) {
  FocusEditX();
  std::vector<uint32_t> bytes;
  {
    AnsweringObserver observer(0, 0x7FFFFFFF, 0);
    for (wchar_t typed : {L'\x4E2D', L'\x20AC', L'\xD55C', L'\xD83C', L'\xDFAF'}) SendTypedCharacter(typed);
    Pump(100);
    for (const auto& n : AnsweringObserver::NoticesOf(Unit::kEditX)) {
      if (n.event == klv::CommonEvent::kCharacter) bytes.push_back(n.arguments[0]);
    }
  }
  EXPECT_EQ((std::vector<uint32_t>{0xD6, 0xD0, 0x80, 0x83, 0x36, 0x84, 0x33}), bytes);
  EXPECT_EQ(L"\x4E2D\x20AC\xD55C\xD83C\xDFAF", klv::WideWindowText(UnitHandle(Unit::kEditX)));
  {
    AnsweringObserver observer(Unit::kEditX, klv::CommonEvent::kCharacter, 0);
    SendTypedCharacter(L'\x4E2D');
    SendTypedCharacter(L'\xD55C');
    Pump(100);
  }
  EXPECT_EQ(L"\x4E2D\x20AC\xD55C\xD83C\xDFAF", klv::WideWindowText(UnitHandle(Unit::kEditX)));
}

}  // namespace
}  // namespace klvtest
