// The system's numbers the clicker passes to system functions, posts, sends
// or answers, written once. The program is built without the system headers
// (it reaches the system only through its system-function table), so the
// numbers stand here; the tests check each against the system headers.
#pragma once
#include <cstdint>

namespace klv::clicker {

namespace SystemMessage {
enum : uint32_t {
  kNull = 0x0000, kClose = 0x0010, kSetRedraw = 0x000B, kContextMenu = 0x007B, kHotkey = 0x0312, kMouseMove = 0x0200, kMouseWheel = 0x020A,
  // Each button's down, up and double click.
  kLeftButtonDown = 0x0201, kLeftButtonUp = 0x0202, kLeftButtonDoubleClick = 0x0203,
  kRightButtonDown = 0x0204, kRightButtonUp = 0x0205, kRightButtonDoubleClick = 0x0206,
  kMiddleButtonDown = 0x0207, kMiddleButtonUp = 0x0208, kMiddleButtonDoubleClick = 0x0209,
};
}  // namespace SystemMessage

// The buttons a mouse message says are held down (its first parameter).
namespace MouseKeyState {
enum : uint32_t { kLeftButton = 0x0001, kRightButton = 0x0002, kMiddleButton = 0x0010 };
}  // namespace MouseKeyState

// One notch of the mouse wheel.
constexpr int32_t kWheelDelta = 120;

// The flags of a synthesised mouse event.
namespace MouseEventFlag {
enum : uint32_t {
  kMove = 0x0001, kLeftDown = 0x0002, kLeftUp = 0x0004, kRightDown = 0x0008, kRightUp = 0x0010,
  kVirtualDesk = 0x4000,  // absolute points span every monitor, not the main one alone
  kAbsolute = 0x8000,     // the point is absolute, in units of 1/65536 of the desk
};
}  // namespace MouseEventFlag

// One record of synthesised input, of the mouse kind: the system's INPUT as
// a 32-bit program passes it.
constexpr uint32_t kMouseInputType = 0;
struct MouseInput {
  uint32_t type = kMouseInputType;
  int32_t dx = 0, dy = 0;
  uint32_t mouseData = 0, flags = 0, time = 0, extraInfo = 0;
};
static_assert(sizeof(MouseInput) == 28, "the 32-bit INPUT record");

// The system metrics of the virtual desk: the rectangle around every monitor.
namespace SystemMetric {
enum : int32_t { kVirtualLeft = 76, kVirtualTop = 77, kVirtualWidth = 78, kVirtualHeight = 79 };
}  // namespace SystemMetric

// Message box styles; no icon flag and no button flag is the OK button alone.
namespace MessageBoxStyle {
enum : uint32_t {
  kInformation = 0x0040,  // the information icon
  kSystemModal = 0x1000,
  kSystemModalInformation = kSystemModal | kInformation,
};
}  // namespace MessageBoxStyle

// Keys the options window answers.
namespace VirtualKey {
enum : uint32_t { kEscape = 0x1B };
}  // namespace VirtualKey

// Hotkey registration: the modifier, the virtual keys, and the last
// identifier an application may register under.
namespace HotkeyModifier {
enum : uint32_t { kAlt = 0x0001, kControl = 0x0002, kShift = 0x0004, kWindows = 0x0008 };
}  // namespace HotkeyModifier
namespace VirtualKey {
// A digit's or a letter's key is its character's code.
enum : uint32_t { kDigit1 = 0x31, kQ = 0x51, kF6 = 0x75, kF7 = 0x76 };
}  // namespace VirtualKey
constexpr uint32_t kLastApplicationHotkeyId = 0xBFFF;

// Window data slots, styles and the hit-test flags.
namespace WindowLongSlot {
enum : int32_t { kWindowProcedure = -4, kStyle = -16, kExtendedStyle = -20 };
}  // namespace WindowLongSlot
namespace WindowStyle {
enum : uint32_t { kVisible = 0x10000000, kDisabled = 0x08000000, kSizingBorder = 0x00040000 };
}  // namespace WindowStyle
namespace ExtendedWindowStyle {
enum : uint32_t { kTransparent = 0x00000020 };
}  // namespace ExtendedWindowStyle
// The style bits that tell a group box among buttons and a static control
// that takes clicks.
namespace ControlStyle {
enum : uint32_t { kButtonTypeMask = 0x000F, kGroupBox = 0x0007, kStaticNotify = 0x0100 };
}  // namespace ControlStyle
// Which children ChildWindowFromPointEx passes over.
namespace ChildSkip {
enum : uint32_t { kInvisible = 0x0001, kDisabled = 0x0002, kTransparent = 0x0004 };
}  // namespace ChildSkip
namespace WindowRelation {
enum : uint32_t { kNextSibling = 2 };  // the sibling beneath
}  // namespace WindowRelation
namespace AncestorKind {
enum : uint32_t { kRoot = 2 };  // the top-level window above a child
}  // namespace AncestorKind

// Waiting on objects and messages.
namespace Wait {
enum : uint32_t {
  kObject0 = 0,  // the first handle's result; the others' follow it, then the messages'
  kInfinite = 0xFFFFFFFF,
  kAllInputButRaw = 0xFF,  // every kind of queued input and message but raw input
};
}  // namespace Wait

// Creating a waitable timer.
namespace WaitableTimer {
enum : uint32_t { kHighResolution = 0x00000002, kAllAccess = 0x001F0003 };
}  // namespace WaitableTimer

// The multimedia timer's answer when the resolution was set.
constexpr uint32_t kTimerNoError = 0;

// Files.
namespace FileAccess {
enum : uint32_t { kGenericRead = 0x80000000, kGenericWrite = 0x40000000 };
}  // namespace FileAccess
namespace FileShare {
enum : uint32_t { kRead = 0x1, kWrite = 0x2, kDelete = 0x4 };
}  // namespace FileShare
namespace FileCreation {
enum : uint32_t { kCreateAlways = 2, kOpenExisting = 3 };
}  // namespace FileCreation
constexpr uint32_t kNormalFileAttribute = 0x80;
namespace MoveFileFlag {
enum : uint32_t { kReplaceExisting = 0x1, kWriteThrough = 0x8 };
}  // namespace MoveFileFlag
// The handle value of a file that could not be opened.
constexpr uint32_t kInvalidHandleValue = 0xFFFFFFFF;
constexpr uint32_t kErrorFileNotFound = 2;

// Texts of the system: its error descriptions, and the program's code page
// (GBK), in which the settings file is written whatever the system's is.
namespace FormatMessageFlag {
enum : uint32_t { kFromSystem = 0x1000, kIgnoreInserts = 0x0200 };
}  // namespace FormatMessageFlag
constexpr uint32_t kProgramCodePage = 936;

// Opting out of the system's throttling of a hidden process.
namespace PowerThrottling {
enum : uint32_t {
  kProcessInformationClass = 4,  // ProcessPowerThrottling
  kCurrentVersion = 1,
  kExecutionSpeed = 0x1,
  kIgnoreTimerResolution = 0x4,
};
}  // namespace PowerThrottling

// Reading a process's integrity level.
namespace ProcessRights {
enum : uint32_t {
  kQueryLimitedInformation = 0x1000,  // the right OpenProcess asks for
  kTokenQuery = 0x0008,
  kTokenIntegrityLevel = 25,          // the token information class
  kAccessDenied = 5,                  // the error that tells a higher process
  kHighIntegrity = 0x3000,            // the level of an elevated process
};
}  // namespace ProcessRights

// A security identifier: revision, sub-authority count and six bytes of
// authority, then the sub-authorities, four bytes each.
namespace SidLayout {
enum : uint32_t { kHeaderBytes = 8, kSubAuthorityBytes = 4 };
}  // namespace SidLayout

// The file dialogs: the block GetOpenFileNameW and GetSaveFileNameW take, as
// a 32-bit program lays it out, and their flags.
struct OpenFileNameBlock {
  uint32_t structSize = sizeof(OpenFileNameBlock);
  uint32_t owner = 0, instance = 0;
  const char16_t* filter = nullptr;
  char16_t* customFilter = nullptr;
  uint32_t customFilterRoom = 0, filterIndex = 0;
  char16_t* file = nullptr;
  uint32_t fileRoom = 0;
  char16_t* fileTitle = nullptr;
  uint32_t fileTitleRoom = 0;
  const char16_t* initialDirectory = nullptr;
  const char16_t* title = nullptr;
  uint32_t flags = 0;
  uint16_t fileOffset = 0, fileExtension = 0;
  const char16_t* defaultExtension = nullptr;
  uint32_t customData = 0, hook = 0;
  const char16_t* templateName = nullptr;
  uint32_t reserved = 0, reservedWord = 0, flagsEx = 0;
};
static_assert(sizeof(OpenFileNameBlock) == 88, "the 32-bit OPENFILENAMEW block");
namespace FileDialogFlag {
enum : uint32_t { kOverwritePrompt = 0x2, kHideReadOnly = 0x4, kNoChangeDirectory = 0x8, kPathMustExist = 0x800, kFileMustExist = 0x1000 };
}  // namespace FileDialogFlag

// The messages an elevated window lets through from programs of a lower
// integrity level, so that files dragged from them can be dropped on it, and
// the filter's action that lets them through.
namespace DropMessage {
enum : uint32_t { kDropFiles = 0x0233, kCopyData = 0x004A, kCopyGlobalData = 0x0049 };
}  // namespace DropMessage
constexpr uint32_t kMessageFilterAllow = 1;

}  // namespace klv::clicker
