// The system's message numbers and mouse-event flags the program posts,
// sends or answers, written once. The program is built without the system
// headers (it reaches the system only through its system-function table), so
// the numbers stand here; a test checks each against the system headers.
#pragma once
#include <cstdint>

namespace klv::clicker {

namespace SystemMessage {
constexpr uint32_t kSetRedraw = 0x000B;
constexpr uint32_t kContextMenu = 0x007B;
constexpr uint32_t kMouseMove = 0x0200;
constexpr uint32_t kLeftButtonDown = 0x0201;
constexpr uint32_t kLeftButtonUp = 0x0202;
constexpr uint32_t kLeftButtonDoubleClick = 0x0203;
constexpr uint32_t kRightButtonDown = 0x0204;
constexpr uint32_t kRightButtonUp = 0x0205;
constexpr uint32_t kRightButtonDoubleClick = 0x0206;
constexpr uint32_t kMiddleButtonDown = 0x0207;
constexpr uint32_t kMiddleButtonUp = 0x0208;
constexpr uint32_t kMiddleButtonDoubleClick = 0x0209;
constexpr uint32_t kMouseWheel = 0x020A;
constexpr uint32_t kHotkey = 0x0312;
}  // namespace SystemMessage

// The flags of a synthesised mouse event.
namespace MouseEventFlag {
constexpr uint32_t kLeftDown = 0x0002;
constexpr uint32_t kLeftUp = 0x0004;
constexpr uint32_t kRightDown = 0x0008;
constexpr uint32_t kRightUp = 0x0010;
}  // namespace MouseEventFlag

}  // namespace klv::clicker
