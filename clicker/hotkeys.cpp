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
// range applications may use; a WM_HOTKEY is mapped back to the identifier
// text through the records, never by reading memory at a foreign number.
constexpr uint32_t kFirstSystemId = 0x0100;
constexpr uint32_t kLastSystemId = 0xBFFF;
uint32_t g_nextSystemId = kFirstSystemId;

struct Registration {  // what the hotkey table holds per record
  HotkeyRecord record;
  uint32_t systemId;
};

Registration* RegistrationAt(uint32_t index) {
  return static_cast<Registration*>(PointerAt(Globals().hotkeyTable, index));
}

uint32_t RegistrationCount() { return PointerCount(Globals().hotkeyTable); }

uint32_t NextSystemId() {
  uint32_t id = g_nextSystemId;
  g_nextSystemId = g_nextSystemId == kLastSystemId ? kFirstSystemId : g_nextSystemId + 1;
  return id;
}

bool IdentifierIsBlank(const char* identifier) {
  CommandResult trimmed = CallCore(core::kTrimSpaces, {TextArgument(identifier)});
  HeapText text(reinterpret_cast<char*>(static_cast<uintptr_t>(trimmed.low)));
  return text.empty();
}

void WithdrawEqualRegistrations(const char* identifier) {
  for (uint32_t i = 0; i < RegistrationCount(); ++i) {
    Registration* r = RegistrationAt(i);
    if (TextsMatch(r->record.identifier, identifier)) {
      CallSystem(kUnregisterHotKey, {r->record.window, r->systemId});
    }
  }
}

const char* IdentifierForSystemId(uint32_t systemId) {
  for (uint32_t i = 0; i < RegistrationCount(); ++i) {
    if (RegistrationAt(i)->systemId == systemId) return RegistrationAt(i)->record.identifier;
  }
  return nullptr;
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
  HeapText buffer(reinterpret_cast<char*>(static_cast<uintptr_t>(blank.low)));
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

uint32_t FindHotkeyRecord(const char* identifier) {
  for (uint32_t i = 0; i < RegistrationCount(); ++i) {
    if (TextsMatch(RegistrationAt(i)->record.identifier, identifier)) return i + 1;
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
  uint32_t systemId = NextSystemId();
  if (CallSystem(kRegisterHotKey, {window, systemId, modifiers, key}) == 0) return false;
  auto* registration = static_cast<Registration*>(Allocate(sizeof(Registration)));
  registration->record = {window, CopyHeapText(identifier), Word(reinterpret_cast<void*>(callback))};
  registration->systemId = systemId;
  Globals().hotkeyTable = AppendPointer(Globals().hotkeyTable, registration);
  if (RegistrationCount() == 1) {
    Globals().previousWindowProc =
        CallSystem(kSetWindowLongA, {window, static_cast<uint32_t>(kWindowProcedureSlot),
                                     Word(reinterpret_cast<void*>(&HotkeyWindowProc))});
  }
  return true;
}

long __stdcall HotkeyWindowProc(void* window, unsigned message, unsigned wParam, long lParam) {
  uint32_t args[5] = {0, Word(window), message, wParam, static_cast<uint32_t>(lParam)};
  if (message != kHotkeyMessage) {
    args[0] = Globals().previousWindowProc;
    return static_cast<long>(CallSystem(kCallWindowProcA, {args[0], args[1], args[2], args[3], args[4]}));
  }
  const char* identifier = IdentifierForSystemId(wParam);
  uint32_t position = identifier ? FindHotkeyRecord(identifier) : 0;
  if (position == 0) return 0;  // not one of ours: nothing runs
  args[0] = RegistrationAt(position - 1)->record.callback;
  return static_cast<long>(CallSystem(kCallWindowProcA, {args[0], args[1], args[2], args[3], args[4]}));
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
