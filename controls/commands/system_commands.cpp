// The core commands that ask the system: the program directory, ini files,
// file existence, message boxes, the message queue and a unit's window handle.
#include <windows.h>

#include "controls/commands/command_arguments.h"
#include "controls/commands/conversion_commands.h"
#include "controls/commands/core_commands.h"
#include "controls/skeleton/host.h"
#include "controls/skeleton/message_box_seam.h"
#include "controls/skeleton/unit_lookup.h"
#include "runtime/control_mirror.h"
#include "runtime/heap.h"
#include "runtime/program_profile.h"
#include "runtime/system_text.h"
#include "runtime/text_value.h"

namespace klv {
namespace {

constexpr DWORD kIniBufferSize = 10240;
constexpr size_t kMessageNumberBytes = 100;  // longest message made from a non-text value
constexpr uint32_t kSystemModal = MB_SYSTEMMODAL;
constexpr uint32_t kTaskModal = MB_TASKMODAL;
const char kDefaultCaption[] = "信息：";

int SystemMessageBox(const char* text, const char* caption, uint32_t style) {
  return ShowSystemMessageBox(nullptr, text ? text : "", caption ? caption : "", style);
}

MessageBoxFunction g_messageBox = SystemMessageBox;

class FileSearch {
 public:
  explicit FileSearch(const char* pattern)
      : handle_(FindFirstFileW(SystemTextArgument(pattern ? pattern : "").get(), &found_)) {}
  ~FileSearch() {
    if (found()) FindClose(handle_);
  }
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  bool found() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  WIN32_FIND_DATAW found_;
  HANDLE handle_;
};

// Leading bytes of value 32 or less are not part of an ini name.
const char* SkipControlAndSpace(const char* text) {
  if (text == nullptr) return nullptr;
  while (*text != '\0' && static_cast<unsigned char>(*text) <= 32) ++text;
  return text;
}

// The system's button ids IDOK..IDNO (1..7) answer 0..6; anything else 0.
int32_t ButtonNumber(int buttonId) { return buttonId >= IDOK && buttonId <= IDNO ? buttonId - IDOK : 0; }

// The message text shown for a value: texts as they are; numbers, logicals
// and date-times as ToText writes them; nothing for any other type.
const char* MessageText(const CommandArgument& value, char (&buffer)[kMessageNumberBytes + 1]) {
  if (value.type == TypeCode::kText) return static_cast<const char*>(LoadPointer(value));
  FormatScalar(value, buffer, sizeof buffer);
  return buffer;
}

}  // namespace

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function) {
  MessageBoxFunction previous = g_messageBox;
  g_messageBox = function ? function : SystemMessageBox;
  return previous;
}

namespace core {

void GetRunDirectory(CommandResult* result, int, const CommandArgument*) {
  // The runtime hands out a fresh heap copy, which becomes the caller's.
  SetTextResult(result, reinterpret_cast<char*>(static_cast<uintptr_t>(Host(HostNotifyCode::kProgramDirectory))));
}

void WriteIniItem(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  // An omitted key removes the whole section, an omitted value the key; a
  // given but empty text is written as the empty text, never as a removal.
  auto given = [&args](int i) -> const char* {
    if (args.Omitted(i)) return nullptr;
    const char* text = args.Text(i);
    return text ? text : "";
  };
  BOOL written = WriteProfileText(args.Text(1), given(2), given(3), args.Text(0));
  SetLogicalResult(result, written != FALSE);
}

void ReadIniItem(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  const char* file = SkipControlAndSpace(args.Text(0));
  const char* section = SkipControlAndSpace(args.Text(1));
  const char* key = SkipControlAndSpace(args.Text(2));
  if (TextIsEmpty(file) || TextIsEmpty(section) || TextIsEmpty(key)) return SetTextResult(result, nullptr);
  const char* fallback = args.Text(3);
  char* buffer = static_cast<char*>(AllocateMemory(kIniBufferSize));
  ReadProfileText(section, key, TextIsEmpty(fallback) ? nullptr : fallback, buffer, kIniBufferSize, file);
  SetTextResult(result, CopyText(buffer));
  FreeMemory(buffer);
}

void FileExists(CommandResult* result, int count, const CommandArgument* arguments) {
  SetLogicalResult(result, FileSearch(CommandArguments(count, arguments).Text(0)).found());
}

void ShowMessageBox(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  char buffer[kMessageNumberBytes + 1];
  const char* message = MessageText(args.At(0), buffer);
  const char* caption = args.Text(2, kDefaultCaption);
  uint32_t style = static_cast<uint32_t>(args.Integer(1));
  if ((style & kSystemModal) == 0) style |= kTaskModal;
  MirrorBatch::Interlude box;  // the box runs a message loop of its own
  SetIntegerResult(result, ButtonNumber(g_messageBox(message, caption, style)));
}

void ProcessPendingMessages(CommandResult*, int, const CommandArgument*) {
  Host(HostNotifyCode::kProcessPendingMessages);
}

void GetWindowHandle(CommandResult* result, int count, const CommandArgument* arguments) {
  result->type = TypeCode::kInteger;
  if (count < 1) return;
  UnitObject* unit = FindUnitObject(arguments[0].low, arguments[0].high);
  HWND window = unit ? unit->hwnd() : nullptr;
  // A window destroyed with its parent, before the unit is released, has no handle any more.
  result->low = window && IsWindow(window) ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)) : 0;
}

}  // namespace core
}  // namespace klv
