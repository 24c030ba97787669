// The system's message numbers and mouse-event flags the program posts,
// sends or answers, written once. The program is built without the system
// headers (it reaches the system only through its system-function table), so
// the numbers stand here; a test checks each against the system headers.
#pragma once
#include <cstdint>

namespace klv::clicker {

namespace SystemMessage {
enum : uint32_t {
  kSetRedraw = 0x000B, kContextMenu = 0x007B, kHotkey = 0x0312, kMouseMove = 0x0200, kMouseWheel = 0x020A,
  // Each button's down, up and double click.
  kLeftButtonDown = 0x0201, kLeftButtonUp = 0x0202, kLeftButtonDoubleClick = 0x0203,
  kRightButtonDown = 0x0204, kRightButtonUp = 0x0205, kRightButtonDoubleClick = 0x0206,
  kMiddleButtonDown = 0x0207, kMiddleButtonUp = 0x0208, kMiddleButtonDoubleClick = 0x0209,
};
}  // namespace SystemMessage

// The flags of a synthesised mouse event.
namespace MouseEventFlag {
enum : uint32_t { kLeftDown = 0x0002, kLeftUp = 0x0004, kRightDown = 0x0008, kRightUp = 0x0010 };
}  // namespace MouseEventFlag

// Message box styles.
namespace MessageBoxStyle {
// The information icon, system-modal, one OK button.
enum : uint32_t { kSystemModalInformation = 0x1040 };
}  // namespace MessageBoxStyle

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

}  // namespace klv::clicker
