// The hotkey box made through its type record in a real parent window: the
// stored key shown by the system's hotkey control, its modifiers translated
// both ways, the program's writes (no event), a typed key (event 0) and
// focus moves as exact event sequences.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "controls/skeleton/control_font.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/interface/type_properties.h"
#include "tests/support/control_harness.h"

namespace ctltest {
namespace {

using namespace klv::HotkeyBoxProperty;  // type property k of the hotkey box, by name

constexpr uint32_t kHotkeyId = 0x160136b1;
constexpr RECT kPlace = {10, 10, 150, 34};

std::vector<uint8_t> HotkeySettings(uint32_t key, uint32_t modifiers) {
  klv::HotkeyBoxSettings settings;
  settings.key = key;
  settings.modifiers = modifiers;
  return klv::WriteSettings(settings);
}

WORD Shown(const TestUnit& box) { return static_cast<WORD>(SendMessageA(box.hwnd(), HKM_GETHOTKEY, 0, 0)); }

class HotkeyBoxTest : public ControlTest {};

TEST_F(HotkeyBoxTest, IsASystemHotkeyControlShowingTheStoredKeyWithItsModifiersTranslated) {
  klv::DataTypeRecord type = klv::HotkeyBoxTypeRecord();
  EXPECT_EQ(3u, type.propertyCount);
  EXPECT_EQ(0x04u, type.typeFlags);
  struct Case {
    uint32_t key, modifiers;
    BYTE controlFlags;
  };
  // Shift and Alt swap places between the two sets of flags; Win has no place in the control.
  const Case cases[] = {{VK_F9, MOD_CONTROL | MOD_SHIFT, HOTKEYF_CONTROL | HOTKEYF_SHIFT},
                        {'K', MOD_ALT, HOTKEYF_ALT},
                        {VK_F2, MOD_SHIFT, HOTKEYF_SHIFT}};
  for (const Case& c : cases) {
    TestUnit box(type, kHotkeyId, parent_.hwnd(), HotkeySettings(c.key, c.modifiers), kPlace);
    ASSERT_NE(nullptr, box.unit());
    char name[32] = "";
    GetClassNameA(box.hwnd(), name, sizeof name);
    EXPECT_STRCASEEQ(HOTKEY_CLASSA, name);
    EXPECT_EQ(MAKEWORD(c.key, c.controlFlags), Shown(box)) << c.key;
    EXPECT_EQ(c.key, box.ReadWord(kKey));
    EXPECT_EQ(c.modifiers, box.ReadWord(kModifiers)) << c.key;
    EXPECT_EQ(reinterpret_cast<LRESULT>(klv::DefaultFont()), SendMessageA(box.hwnd(), WM_GETFONT, 0, 0));
  }
}

TEST_F(HotkeyBoxTest, WritesSetTheControlKeepTheOtherHalfAsShownAndRaiseNoEvent) {
  TestUnit box(klv::HotkeyBoxTypeRecord(), kHotkeyId, parent_.hwnd(), HotkeySettings(VK_F9, MOD_CONTROL), kPlace);
  box.Show();
  events_.Take();
  EXPECT_EQ(0, box.WriteWord(kModifiers, MOD_ALT | MOD_SHIFT));
  EXPECT_EQ(MAKEWORD(VK_F9, HOTKEYF_ALT | HOTKEYF_SHIFT), Shown(box));
  // A key the control shows that the program did not write is kept when the
  // modifiers are written.
  SendMessageA(box.hwnd(), HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_CONTROL), 0);
  EXPECT_EQ(0, box.WriteWord(kModifiers, MOD_CONTROL | MOD_ALT));
  EXPECT_EQ(MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT), Shown(box));
  EXPECT_EQ(0, box.WriteWord(kKey, VK_F6));
  EXPECT_EQ(MAKEWORD(VK_F6, HOTKEYF_CONTROL | HOTKEYF_ALT), Shown(box));
  EXPECT_EQ(static_cast<uint32_t>(MOD_CONTROL | MOD_ALT), box.ReadWord(kModifiers));
  Pump();
  const std::vector<LoggedEvent> seen = events_.Take();
  EXPECT_TRUE(seen.empty()) << Describe(seen);
}

TEST_F(HotkeyBoxTest, TheControlsChangeNoticeRaisesEventZeroOnce) {
  TestUnit box(klv::HotkeyBoxTypeRecord(), kHotkeyId, parent_.hwnd(), HotkeySettings(0, 0), kPlace, 120);
  box.Show();
  events_.Take();
  SendMessageA(box.hwnd(), HKM_SETHOTKEY, MAKEWORD(VK_F7, HOTKEYF_SHIFT), 0);
  SendMessageA(parent_.hwnd(), WM_COMMAND, MAKEWPARAM(120, EN_CHANGE), reinterpret_cast<LPARAM>(box.hwnd()));
  Pump();
  const EventSequence changed = {{klv::HotkeyBoxEvent::kChanged}};
  EXPECT_TRUE(EventsFollow(events_.Take(), changed, kHotkeyId));
  EXPECT_EQ(static_cast<uint32_t>(VK_F7), box.ReadWord(kKey));
  EXPECT_EQ(static_cast<uint32_t>(MOD_SHIFT), box.ReadWord(kModifiers));
}

TEST_F(HotkeyBoxTest, ATypedKeyRaisesEventZeroOnceAndIsWhatTheKeyReads) {
  TestUnit box(klv::HotkeyBoxTypeRecord(), kHotkeyId, parent_.hwnd(), HotkeySettings(VK_F9, MOD_CONTROL), kPlace);
  box.Show();
  BringToFront(parent_.hwnd());
  SetFocus(box.hwnd());
  Pump();
  events_.Take();
  PressKey('K');
  using namespace klv::CommonEvent;
  EXPECT_TRUE(EventsFollow(events_.Take(), {{kKeyDown, {'K', 0}}, {klv::HotkeyBoxEvent::kChanged}, {kCharacter, {'k'}},
                                            {kKeyUp, {'K', 0}}},
                           kHotkeyId));
  EXPECT_EQ(static_cast<uint32_t>('K'), box.ReadWord(kKey));
  EXPECT_EQ(0u, box.ReadWord(kModifiers));
}

TEST_F(HotkeyBoxTest, FocusComingAndGoingRaisesGotThenLost) {
  TestUnit box(klv::HotkeyBoxTypeRecord(), kHotkeyId, parent_.hwnd(), HotkeySettings(VK_F9, 0), kPlace);
  box.Show();
  BringToFront(parent_.hwnd());
  SetFocus(parent_.hwnd());
  Pump();
  events_.Take();
  SetFocus(box.hwnd());
  SetFocus(parent_.hwnd());
  Pump();
  using namespace klv::CommonEvent;
  EXPECT_TRUE(EventsFollow(events_.Take(), {{kGotFocus}, {kLostFocus}}, kHotkeyId));
}

}  // namespace
}  // namespace ctltest
