// The records library commands exchange: a 32-bit TypeCode tags every value,
// a CommandArgument is the 8-byte value field followed by its TypeCode, and
// every command of every library shares one calling convention:
// (result record, argument count, arguments).
#pragma once
#include <cstdint>

namespace klv {

// The image's libraries by their position in its library list. A library's
// number, as control type codes carry it, is its position plus one.
enum LibraryPosition : int {
  kCoreLibraryPosition,
  kExtendedControlsLibraryPosition,
  kSpecialFunctionsLibraryPosition,
  kTrayIconLibraryPosition,
  kLibraryCount  // not a library: the number of libraries
};

namespace TypeCode {
constexpr uint32_t kOmitted = 0;
constexpr uint32_t kByte = 0x80000101;
constexpr uint32_t kShort = 0x80000201;
constexpr uint32_t kInteger = 0x80000301;
constexpr uint32_t kLong = 0x80000401;
constexpr uint32_t kFloat = 0x80000501;
constexpr uint32_t kDouble = 0x80000601;
constexpr uint32_t kLogical = 0x80000002;
constexpr uint32_t kDateTime = 0x80000003;
constexpr uint32_t kText = 0x80000004;
constexpr uint32_t kByteSet = 0x80000005;
constexpr uint32_t kSubroutine = 0x80000006;
constexpr uint32_t kArrayFlag = 0x20000000;

// Controls: library number * 65536 + type number.
constexpr uint32_t Control(LibraryPosition library, uint32_t type) {
  return (static_cast<uint32_t>(library) + 1) << 16 | type;
}
constexpr uint32_t kWindow = Control(kCoreLibraryPosition, 0x01);
constexpr uint32_t kMenu = Control(kCoreLibraryPosition, 0x03);
constexpr uint32_t kEditBox = Control(kCoreLibraryPosition, 0x05);
constexpr uint32_t kGroupBox = Control(kCoreLibraryPosition, 0x09);
constexpr uint32_t kLabel = Control(kCoreLibraryPosition, 0x0A);
constexpr uint32_t kButton = Control(kCoreLibraryPosition, 0x0B);
constexpr uint32_t kComboBox = Control(kCoreLibraryPosition, 0x0E);
constexpr uint32_t kReportList = Control(kExtendedControlsLibraryPosition, 0x04);
constexpr uint32_t kHotkeyBox = Control(kExtendedControlsLibraryPosition, 0x05);
constexpr uint32_t kTrayIcon = Control(kTrayIconLibraryPosition, 0x01);

// Numeric codes: top bit set, next bit clear, low byte 1.
constexpr bool IsNumeric(uint32_t type) {
  return (type & 0xC0000000u) == 0x80000000u && (type & 0xFFu) == 1;
}
}  // namespace TypeCode

struct CommandArgument {
  uint32_t low;
  uint32_t high;
  uint32_t type;
};
static_assert(sizeof(CommandArgument) == 12, "a command argument is 12 bytes");

using CommandResult = CommandArgument;

using CommandFunction = void (*)(CommandResult* result, int count, const CommandArgument* arguments);

}  // namespace klv
