// The system numbers the clicker names without the system headers, checked
// against those headers: a wrong number fails the build.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <cstdint>

#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

// Mouse messages' parameters and message boxes.
static_assert(MouseKeyState::kLeftButton == MK_LBUTTON && MouseKeyState::kRightButton == MK_RBUTTON &&
              MouseKeyState::kMiddleButton == MK_MBUTTON && kWheelDelta == WHEEL_DELTA);
static_assert(MessageBoxStyle::kInformation == (MB_ICONINFORMATION | MB_OK) &&
              MessageBoxStyle::kSystemModal == (MB_SYSTEMMODAL | MB_OK));

// Hotkeys: letters and digits have no names in the headers; their keys are
// their characters.
static_assert(HotkeyModifier::kControl == MOD_CONTROL && VirtualKey::kDigit1 == '1' && VirtualKey::kQ == 'Q' &&
              VirtualKey::kF6 == VK_F6 && VirtualKey::kF7 == VK_F7);
static_assert(HotkeyModifier::kAlt == MOD_ALT && HotkeyModifier::kShift == MOD_SHIFT &&
              HotkeyModifier::kWindows == MOD_WIN && VirtualKey::kEscape == VK_ESCAPE);
static_assert(SystemMessage::kNull == WM_NULL && SystemMessage::kClose == WM_CLOSE);

// Windows and controls.
static_assert(WindowLongSlot::kWindowProcedure == GWL_WNDPROC && WindowLongSlot::kStyle == GWL_STYLE &&
              WindowLongSlot::kExtendedStyle == GWL_EXSTYLE);
static_assert(WindowStyle::kVisible == WS_VISIBLE && WindowStyle::kDisabled == WS_DISABLED &&
              WindowStyle::kSizingBorder == WS_SIZEBOX && ExtendedWindowStyle::kTransparent == WS_EX_TRANSPARENT);
static_assert(ControlStyle::kButtonTypeMask == BS_TYPEMASK && ControlStyle::kGroupBox == BS_GROUPBOX &&
              ControlStyle::kStaticNotify == SS_NOTIFY);
static_assert(ChildSkip::kInvisible == CWP_SKIPINVISIBLE && ChildSkip::kDisabled == CWP_SKIPDISABLED &&
              ChildSkip::kTransparent == CWP_SKIPTRANSPARENT);
static_assert(WindowRelation::kNextSibling == GW_HWNDNEXT && AncestorKind::kRoot == GA_ROOT);

// Waits and timers. The high-resolution timer flag is newer than these
// headers, so it stands unchecked.
static_assert(Wait::kObject0 == WAIT_OBJECT_0 && Wait::kInfinite == INFINITE &&
              Wait::kAllInputButRaw == (QS_ALLINPUT & ~QS_RAWINPUT));
static_assert(WaitableTimer::kAllAccess == TIMER_ALL_ACCESS && kTimerNoError == TIMERR_NOERROR);
static_assert(PowerThrottling::kProcessInformationClass == static_cast<uint32_t>(ProcessPowerThrottling) &&
              PowerThrottling::kCurrentVersion == PROCESS_POWER_THROTTLING_CURRENT_VERSION &&
              PowerThrottling::kExecutionSpeed == PROCESS_POWER_THROTTLING_EXECUTION_SPEED &&
              PowerThrottling::kIgnoreTimerResolution == PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION);

// Files and texts.
static_assert(FileAccess::kGenericRead == GENERIC_READ && FileAccess::kGenericWrite == GENERIC_WRITE);
static_assert(FileShare::kRead == FILE_SHARE_READ && FileShare::kWrite == FILE_SHARE_WRITE &&
              FileShare::kDelete == FILE_SHARE_DELETE);
static_assert(FileCreation::kCreateAlways == CREATE_ALWAYS && FileCreation::kOpenExisting == OPEN_EXISTING &&
              kNormalFileAttribute == FILE_ATTRIBUTE_NORMAL && kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(MoveFileFlag::kReplaceExisting == MOVEFILE_REPLACE_EXISTING &&
              MoveFileFlag::kWriteThrough == MOVEFILE_WRITE_THROUGH);
static_assert(FormatMessageFlag::kFromSystem == FORMAT_MESSAGE_FROM_SYSTEM &&
              FormatMessageFlag::kIgnoreInserts == FORMAT_MESSAGE_IGNORE_INSERTS);

// The file dialogs' block, field by field, and their flags; the messages an
// elevated window lets through for a drop (0x0049 has no name in the headers).
static_assert(sizeof(OpenFileNameBlock) == sizeof(OPENFILENAMEW) &&
              offsetof(OpenFileNameBlock, owner) == offsetof(OPENFILENAMEW, hwndOwner) &&
              offsetof(OpenFileNameBlock, filter) == offsetof(OPENFILENAMEW, lpstrFilter) &&
              offsetof(OpenFileNameBlock, filterIndex) == offsetof(OPENFILENAMEW, nFilterIndex) &&
              offsetof(OpenFileNameBlock, file) == offsetof(OPENFILENAMEW, lpstrFile) &&
              offsetof(OpenFileNameBlock, fileRoom) == offsetof(OPENFILENAMEW, nMaxFile) &&
              offsetof(OpenFileNameBlock, initialDirectory) == offsetof(OPENFILENAMEW, lpstrInitialDir) &&
              offsetof(OpenFileNameBlock, flags) == offsetof(OPENFILENAMEW, Flags) &&
              offsetof(OpenFileNameBlock, defaultExtension) == offsetof(OPENFILENAMEW, lpstrDefExt) &&
              offsetof(OpenFileNameBlock, flagsEx) == offsetof(OPENFILENAMEW, FlagsEx));
static_assert(FileDialogFlag::kHideReadOnly == OFN_HIDEREADONLY && FileDialogFlag::kNoChangeDirectory == OFN_NOCHANGEDIR &&
              FileDialogFlag::kPathMustExist == OFN_PATHMUSTEXIST && FileDialogFlag::kFileMustExist == OFN_FILEMUSTEXIST &&
              FileDialogFlag::kOverwritePrompt == OFN_OVERWRITEPROMPT);
static_assert(DropMessage::kDropFiles == WM_DROPFILES && DropMessage::kCopyData == WM_COPYDATA &&
              DropMessage::kCopyGlobalData == 0x0049 && kMessageFilterAllow == MSGFLT_ALLOW);

// A security identifier's layout.
static_assert(SidLayout::kHeaderBytes == offsetof(SID, SubAuthority) &&
              SidLayout::kSubAuthorityBytes == sizeof(SID::SubAuthority[0]));

// The headers write the invalid handle as a pointer, which no constant
// expression may compare with a number.
TEST(SystemNumbers, InvalidHandleValueIsTheSystemsOne) {
  EXPECT_EQ(reinterpret_cast<uintptr_t>(INVALID_HANDLE_VALUE), uintptr_t{kInvalidHandleValue});
}

}  // namespace
}  // namespace klv::clicker
