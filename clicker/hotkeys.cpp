#include "clicker/hotkeys.h"

#include "clicker/globals.h"
#include "clicker/system_functions.h"
#include "clicker/window_list.h"
#include "controls/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kHotkeyMessage = 0x0312;
constexpr int32_t kWindowProcedureSlot = -4;
constexpr uint32_t kReminderStyle = 0x40;

// Each registration gets a small system identifier of its own, within the
// range applications may use: the one derived from the position its record
// takes in the table. Records are only ever appended, so the identifier stays
// unique to its record; a refused registration leaves no record, and the next
// attempt may take the same identifier. A WM_HOTKEY is mapped back to the
// identifier text through the records, never by reading memory at a number.
constexpr uint32_t kFirstSystemId = 0x0100;
constexpr uint32_t kLastSystemId = 0xBFFF;

HotkeyRecord* RecordAt(uint32_t index) { return static_cast<HotkeyRecord*>(PointerAt(Globals().hotkeyTable, index)); }

uint32_t RecordCount() { return PointerCount(Globals().hotkeyTable); }

bool IdentifierIsBlank(const char* identifier) {
  return ResultText(CallCore(core::kTrimSpaces, {TextArgument(identifier)})).empty();
}

void WithdrawEqualRegistrations(const char* identifier) {
  for (uint32_t i = 0; i < RecordCount(); ++i) {
    HotkeyRecord* record = RecordAt(i);
    if (TextsMatch(record->identifier, identifier)) CallSystem(kUnregisterHotKey, {record->window, HotkeySystemId(i)});
  }
}

// The identifier text registered under a system identifier this module
// issued; null for any other number.
const char* IdentifierForSystemId(uint32_t systemId) {
  if (systemId < kFirstSystemId || systemId - kFirstSystemId >= RecordCount()) return nullptr;
  return RecordAt(systemId - kFirstSystemId)->identifier;
}

void FreeSnapshot(void* list) {
  for (uint32_t i = 0; list && i < PointerCount(list); ++i) {
    auto* info = static_cast<WindowInfo*>(PointerAt(list, i));
    Free(info->title);
    Free(info->className);
  }
  FreePointerArrayDeep(list);
}

char* ReadClassName(uint32_t window) {
  CommandResult blank = CallCore(core::kBlankText, {IntegerArgument(50)});
  HeapText buffer = ResultText(blank);
  CallSystem(kGetClassNameA, {window, Word(buffer.get()), 50});
  return CopyHeapText(buffer.get());
}

int __stdcall CollectWindow(uint32_t window, uint32_t) {
  auto* info = static_cast<WindowInfo*>(Allocate(sizeof(WindowInfo)));
  info->handle = window;
  info->processId = 0;
  info->threadId = CallSystem(kGetWindowThreadProcessId, {window, Word(&info->processId)});
  info->title = GetWindowTitle(window);
  info->className = ReadClassName(window);
  Globals().windowSnapshot = AppendPointer(Globals().windowSnapshot, info);
  return 1;  // go on over all windows
}

bool Contains(const char* text, const char* wanted) {
  CommandResult found =
      CallCore(core::kFindText, {TextArgument(text), TextArgument(wanted), OmittedArgument(), IntegerArgument(1)});
  return static_cast<int32_t>(found.low) != -1;
}

}  // namespace

uint32_t HotkeySystemId(uint32_t position) { return kFirstSystemId + position; }

uint32_t FindHotkeyRecord(const char* identifier) {
  for (uint32_t i = 0; i < RecordCount(); ++i) {
    if (TextsMatch(RecordAt(i)->identifier, identifier)) return i + 1;
  }
  return 0;
}

bool RegisterWindowHotkey(uint32_t window, uint32_t modifiers, uint32_t key, HotkeyRoutine callback,
                          const char* identifier) {
  WithdrawEqualRegistrations(identifier);
  if (window == 0) window = FindProcessWindow(CallSystem(kGetCurrentProcessId, {}), nullptr, nullptr);
  if (IdentifierIsBlank(identifier)) {
    ShowReminderBox(kConstants.emptyIdentifierMessage);
    return false;
  }
  uint32_t systemId = HotkeySystemId(RecordCount());
  if (systemId > kLastSystemId) return false;  // every identifier of the range is taken
  if (CallSystem(kRegisterHotKey, {window, systemId, modifiers, key}) == 0) return false;
  auto* record = static_cast<HotkeyRecord*>(Allocate(sizeof(HotkeyRecord)));
  *record = {window, CopyHeapText(identifier), Word(reinterpret_cast<void*>(callback))};
  Globals().hotkeyTable = AppendPointer(Globals().hotkeyTable, record);
  if (RecordCount() == 1) {
    Globals().previousWindowProc =
        CallSystem(kSetWindowLongA, {window, static_cast<uint32_t>(kWindowProcedureSlot),
                                     Word(reinterpret_cast<void*>(&HotkeyWindowProc))});
  }
  return true;
}

// WM_HOTKEY stops here and runs the routine of the first record whose
// identifier text equals the one the message's number was issued for; a
// number this module never issued runs nothing. Every other message goes on
// to the procedure that was replaced.
long __stdcall HotkeyWindowProc(void* window, unsigned message, unsigned wParam, long lParam) {
  uint32_t routine = Globals().previousWindowProc;
  if (message == kHotkeyMessage) {
    const char* identifier = IdentifierForSystemId(wParam);
    uint32_t position = identifier ? FindHotkeyRecord(identifier) : 0;
    if (position == 0) return 0;
    routine = RecordAt(position - 1)->callback;
  }
  return static_cast<long>(
      CallSystem(kCallWindowProcA, {routine, Word(window), message, wParam, static_cast<uint32_t>(lParam)}));
}

uint32_t SnapshotTopLevelWindows(void** list) {
  CallSystem(kEnumWindows, {Word(reinterpret_cast<void*>(&CollectWindow)), 0});
  void* copy = NewEmptyPointerArray();
  void* collected = Globals().windowSnapshot;
  for (uint32_t i = 0; i < PointerCount(collected); ++i) {
    auto* from = static_cast<WindowInfo*>(PointerAt(collected, i));
    auto* info = static_cast<WindowInfo*>(Allocate(sizeof(WindowInfo)));
    *info = {from->handle, from->processId, from->threadId, CopyHeapText(from->title), CopyHeapText(from->className)};
    copy = AppendPointer(copy, info);
  }
  FreeSnapshot(*list);
  *list = copy;
  FreeSnapshot(collected);
  Globals().windowSnapshot = NewEmptyPointerArray();
  return PointerCount(copy);
}

uint32_t FindProcessWindow(uint32_t processId, const char* title, const char* className) {
  void* snapshot = nullptr;
  SnapshotTopLevelWindows(&snapshot);
  uint32_t found = 0;
  for (uint32_t i = 0; i < PointerCount(snapshot) && found == 0; ++i) {
    auto* info = static_cast<WindowInfo*>(PointerAt(snapshot, i));
    if (info->processId != processId || CallSystem(kIsWindowVisible, {info->handle}) == 0) continue;
    if (title && !Contains(info->title, title)) continue;
    if (className && !Contains(info->className, className)) continue;
    found = info->handle;
  }
  FreeSnapshot(snapshot);
  return found;
}

int32_t ShowReminderBox(const char* text, const uint32_t* style, const char* caption, const uint32_t* owner) {
  uint32_t ownerWindow = owner ? *owner : FindProcessWindow(CallSystem(kGetCurrentProcessId, {}), nullptr, nullptr);
  const char* boxCaption = caption ? caption : kConstants.reminderCaption;
  uint32_t boxStyle = style ? *style : kReminderStyle;
  return static_cast<int32_t>(CallSystem(kMessageBoxA, {ownerWindow, Word(text), Word(boxCaption), boxStyle})) - 1;
}

}  // namespace klv::clicker
