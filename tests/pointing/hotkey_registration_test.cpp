// Hotkey registration against the real loaded main window, with keys pressed
// for real: the program's capture, start and stop keys, equal identifiers,
// surrounding spaces, a window of the process's own found when none is
// given, a second window, and numbers the module never issued.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "clicker/globals.h"
#include "clicker/hotkeys.h"
#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "image/program_constants.h"
#include "tests/pointing/klikvane_state.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;
namespace Property = klv::clicker::Property;

constexpr UINT kControl = MOD_CONTROL;

std::atomic<int> g_routineA{0}, g_routineB{0}, g_routineC{0}, g_routineD{0};

long __stdcall RoutineA(void*, unsigned, unsigned, long) { return ++g_routineA, 0; }
long __stdcall RoutineB(void*, unsigned, unsigned, long) { return ++g_routineB, 0; }
long __stdcall RoutineC(void*, unsigned, unsigned, long) { return ++g_routineC, 0; }
long __stdcall RoutineD(void*, unsigned, unsigned, long) { return ++g_routineD, 0; }

class HotkeyPresses : public testing::Test {
 protected:
  void SetUp() override {
    BringMainWindowToFront();
    MoveCursor(120, 700);
  }
  void TearDown() override {
    ClearPlan();
    WriteUnit(Unit::kComboClickMode, Property::kComboSelection, 0);
  }
};

TEST_F(HotkeyPresses, ControlOneCapturesAndFOneAloneDoesNothing) {
  ClearCaptureFields();
  PressKey(VK_F1);
  Pump(300);
  EXPECT_EQ(",,,,,", CaptureFields());
  PressKey('1', true);
  ASSERT_TRUE(PumpUntil(CaptureShown));
  EXPECT_EQ("120", ReadUnitText(Unit::kLabelScreenX, Property::kLabelText));
  EXPECT_EQ("700", ReadUnitText(Unit::kLabelScreenY, Property::kLabelText));
  EXPECT_FALSE(ReadUnitText(Unit::kLabelWindowX, Property::kLabelText).empty());
  EXPECT_FALSE(ReadUnitText(Unit::kEditX, Property::kEditText).empty());
}

TEST_F(HotkeyPresses, FSixStartsTheRunAndFSevenStopsIt) {
  PrepareHarmlessPlan();
  ASSERT_FALSE(StartButtonDisabled());
  PressKey(VK_F6);
  ASSERT_TRUE(PumpUntil(StartButtonDisabled));
  EXPECT_EQ(0u, ReadUnit(Unit::kButtonStop, Property::kDisabled));
  PressKey(VK_F7);
  ASSERT_TRUE(PumpUntil([] { return !StartButtonDisabled(); }));
  EXPECT_EQ(1u, ReadUnit(Unit::kButtonStop, Property::kDisabled));
}

TEST_F(HotkeyPresses, AnEqualIdentifierWithdrawsTheEarlierKeyButDispatchStaysWithTheFirstRoutine) {
  const uint32_t before = HotkeyRecordCount();
  g_routineA = g_routineB = 0;
  ASSERT_TRUE(klv::clicker::RegisterWindowHotkey(0, kControl, VK_F9, RoutineA, "probe"));
  PressKey(VK_F9, true);
  ASSERT_TRUE(PumpUntil([] { return g_routineA == 1; }));
  ASSERT_TRUE(klv::clicker::RegisterWindowHotkey(0, kControl, VK_F11, RoutineB, "probe"));
  ASSERT_EQ(before + 2, HotkeyRecordCount());
  EXPECT_EQ("probe", IdentifierOf(before));
  EXPECT_EQ("probe", IdentifierOf(before + 1));
  EXPECT_EQ(before + 1, klv::clicker::FindHotkeyRecord("probe"));
  EXPECT_TRUE(KeyIsFree(kControl, VK_F9));  // the earlier registration was withdrawn
  // Control+F11 runs the first record's routine; Control+F9 runs nothing
  // now, which shows once the F11 press after it has been served.
  PressKey(VK_F11, true);
  ASSERT_TRUE(PumpUntil([] { return g_routineA == 2; }));
  PressKey(VK_F9, true);
  PressKey(VK_F11, true);
  ASSERT_TRUE(PumpUntil([] { return g_routineA == 3; }));
  Pump(200);
  EXPECT_EQ(3, g_routineA);
  EXPECT_EQ(0, g_routineB);
}

TEST_F(HotkeyPresses, SurroundingSpacesStayPartOfTheIdentifier) {
  const std::string spaced = "  spaced　";  // two ASCII spaces before, one full-width space after
  ASSERT_EQ("\xA1\xA1", spaced.substr(spaced.size() - 2));
  g_routineC = 0;
  ASSERT_TRUE(klv::clicker::RegisterWindowHotkey(reinterpret_cast<uintptr_t>(MainWindowHandle()), kControl, VK_F12, RoutineC,
                                                 spaced.c_str()));
  const uint32_t position = HotkeyRecordCount();
  EXPECT_EQ(spaced, IdentifierOf(position - 1));
  EXPECT_EQ(position, klv::clicker::FindHotkeyRecord(spaced.c_str()));
  EXPECT_EQ(0u, klv::clicker::FindHotkeyRecord("spaced"));
  PressKey(VK_F12, true);
  EXPECT_TRUE(PumpUntil([] { return g_routineC == 1; }));
}

TEST_F(HotkeyPresses, WithoutAWindowTheProcesssFirstVisibleWindowTakesTheKey) {
  g_routineD = 0;
  ASSERT_TRUE(klv::clicker::RegisterWindowHotkey(0, kControl, VK_F2, RoutineD, "nowindow"));
  EXPECT_EQ(MainWindowHandle(), WindowOf(HotkeyRecordCount() - 1));
  PressKey(VK_F2, true);
  EXPECT_TRUE(PumpUntil([] { return g_routineD == 1; }));
}

TEST_F(HotkeyPresses, AKeyForASecondWindowIsRecordedButReachesOnlyThatWindow) {
  ProbeWindow second("Pointing second window", WS_OVERLAPPEDWINDOW);
  const LONG_PTR ownProcedure = GetWindowLongPtrA(second.handle(), GWLP_WNDPROC);
  const uint32_t previous = klv::clicker::Globals().previousWindowProc;
  g_routineA = 0;
  ASSERT_TRUE(klv::clicker::RegisterWindowHotkey(reinterpret_cast<uintptr_t>(second.handle()), kControl, VK_F3,
                                                 RoutineA, "elsewhere"));
  EXPECT_EQ(second.handle(), WindowOf(HotkeyRecordCount() - 1));
  EXPECT_EQ(ownProcedure, GetWindowLongPtrA(second.handle(), GWLP_WNDPROC));
  // Hooked through the wide function: the window stays a Unicode window.
  EXPECT_EQ(HotkeyProcedure(), GetWindowLongPtrW(MainWindowHandle(), GWLP_WNDPROC));
  EXPECT_TRUE(IsWindowUnicode(MainWindowHandle()));
  EXPECT_EQ(previous, klv::clicker::Globals().previousWindowProc);
  PressKey(VK_F3, true);
  ASSERT_TRUE(PumpUntil([&] { return second.hotkeysReceived() == 1; }));
  EXPECT_EQ(0, g_routineA);
}

TEST_F(HotkeyPresses, AWmHotkeyWithANumberTheModuleNeverIssuedRunsNothing) {
  ClearCaptureFields();
  const WPARAM foreign[] = {0,
                            0xFF,
                            klv::clicker::HotkeySystemId(HotkeyRecordCount()),  // the next one, not issued yet
                            0xBFFF,
                            0xC000,
                            reinterpret_cast<WPARAM>(klv::kConstants.hotkeyCapture),  // a text "hqzb" lies there
                            0x12345678,
                            static_cast<WPARAM>(-1),
                            static_cast<WPARAM>(-2)};
  for (WPARAM number : foreign) PostMessageA(MainWindowHandle(), WM_HOTKEY, number, MAKELPARAM(MOD_CONTROL, '1'));
  ASSERT_TRUE(PumpUntilTaken(MainWindowHandle(), WM_HOTKEY));
  EXPECT_EQ(",,,,,", CaptureFields());
  // The number issued for "hqzb" does run the capture.
  PostMessageA(MainWindowHandle(), WM_HOTKEY, klv::clicker::HotkeySystemId(0), MAKELPARAM(MOD_CONTROL, '1'));
  EXPECT_TRUE(PumpUntil(CaptureShown));
}

}  // namespace
}  // namespace klvtest
