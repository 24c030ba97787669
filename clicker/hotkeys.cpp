#include "clicker/hotkeys.h"

#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "clicker/window_list.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

// Each registration gets a small system identifier of its own, within the
// range applications may use: the one derived from the position its record
// takes in the table. Records are only ever appended, so the identifier stays
// unique to its record; a refused registration leaves no record, and the next
// attempt may take the same identifier. A WM_HOTKEY is mapped back to the
// identifier text through the records, never by reading memory at a number.
constexpr uint32_t kFirstSystemId = 0x0100;

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
  return RegisterFreshHotkey(window, modifiers, key, callback, identifier) != 0;
}

uint32_t RegisterFreshHotkey(uint32_t window, uint32_t modifiers, uint32_t key, HotkeyRoutine callback,
                             const char* identifier) {
  uint32_t systemId = HotkeySystemId(RecordCount());
  if (systemId > kLastApplicationHotkeyId) return 0;  // every identifier of the range is taken
  if (CallSystem(kRegisterHotKey, {window, systemId, modifiers, key}) == 0) return 0;
  auto* record = static_cast<HotkeyRecord*>(Allocate(sizeof(HotkeyRecord)));
  *record = {window, CopyHeapText(identifier), Word(reinterpret_cast<void*>(callback))};
  Globals().hotkeyTable = AppendPointer(Globals().hotkeyTable, record);
  if (RecordCount() == 1) {
    Globals().previousWindowProc =
        CallSystem(kSetWindowLongA, {window, static_cast<uint32_t>(WindowLongSlot::kWindowProcedure),
                                     Word(reinterpret_cast<void*>(&HotkeyWindowProc))});
  }
  return systemId;
}

// WM_HOTKEY stops here and runs the routine of the first record whose
// identifier text equals the one the message's number was issued for; a
// number this module never issued runs nothing. Every other message goes on
// to the procedure that was replaced.
long __stdcall HotkeyWindowProc(void* window, unsigned message, unsigned wParam, long lParam) {
  uint32_t routine = Globals().previousWindowProc;
  if (message == SystemMessage::kHotkey) {
    const char* identifier = IdentifierForSystemId(wParam);
    uint32_t position = identifier ? FindHotkeyRecord(identifier) : 0;
    if (position == 0) return 0;
    routine = RecordAt(position - 1)->callback;
  }
  return static_cast<long>(
      CallSystem(kCallWindowProcA, {routine, Word(window), message, wParam, static_cast<uint32_t>(lParam)}));
}

}  // namespace klv::clicker
