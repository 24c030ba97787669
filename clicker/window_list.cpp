#include "clicker/window_list.h"

#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"
#include "runtime/gb18030.h"

namespace klv::clicker {
namespace {

// A style bit of the control's class, not of windows in general, that the
// listing takes in place of the visible style.
constexpr uint32_t kClassStyleBit80 = 0x80;
constexpr int32_t kClassNameRoom = 50;
constexpr int32_t kTitleRoom = 256;

uint32_t StyleOf(uint32_t window) {
  return CallSystem(kGetWindowLongA, {window, static_cast<uint32_t>(WindowLongSlot::kStyle)});
}

uint32_t BitsOf(uint32_t a, uint32_t b) {
  return CallCore(core::kBitOr, {IntegerArgument(static_cast<int32_t>(a)), IntegerArgument(static_cast<int32_t>(b))})
      .low;
}

bool StyleHas(uint32_t window, uint32_t mask) {
  uint32_t masked = CallCore(core::kBitAnd, {IntegerArgument(static_cast<int32_t>(StyleOf(window))),
                                              IntegerArgument(static_cast<int32_t>(mask))})
                        .low;
  return static_cast<int32_t>(masked) > 0;
}

// The tests, in order; the first failing one leaves the window out.
bool Listable(uint32_t window, HeapText* title) {
  if (!StyleHas(window, BitsOf(kClassStyleBit80, WindowStyle::kVisible))) return false;
  if (!StyleHas(window, BitsOf(WindowStyle::kSizingBorder, WindowStyle::kVisible))) return false;
  *title = HeapText(GetWindowTitle(window));
  if (title->empty()) return false;
  if (CallSystem(kGetParent, {window}) != 0) return false;
  return !title->Equals(kConstants.programManager);
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
  CommandResult blank = CallCore(core::kBlankText, {IntegerArgument(kClassNameRoom)});
  HeapText buffer = ResultText(blank);
  CallSystem(kGetClassNameA, {window, Word(buffer.get()), kClassNameRoom});
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

uint32_t ListChildWindowHandles(uint32_t parent, void** handles, const char* className) {
  Free(*handles);
  CommandResult none = CallCore(core::kCharText, {IntegerArgument(0)});  // the empty text: any title
  const char* anyTitle = reinterpret_cast<const char*>(static_cast<uintptr_t>(none.low));
  void* array = NewEmptyPointerArray();
  for (uint32_t found = CallSystem(kFindWindowExA, {parent, 0, Word(className), Word(anyTitle)}); found != 0;
       found = CallSystem(kFindWindowExA, {parent, found, Word(className), Word(anyTitle)})) {
    array = AppendWord(array, found);
  }
  *handles = array;
  return PointerCount(array);
}

// Most titles fit the first room. A read cuts a title at a whole character,
// so a title that leaves fewer bytes free than the longest character may
// have been cut: it is read again with the room its length asks for.
char* GetWindowTitle(uint32_t window) {
  int32_t room = kTitleRoom;
  for (int reads = 0;; ++reads) {
    HeapText buffer = ResultText(CallCore(core::kBlankText, {IntegerArgument(room)}));
    const auto copied = static_cast<int32_t>(CallSystem(kGetWindowTextA, {window, Word(buffer.get()), static_cast<uint32_t>(room)}));
    if (reads > 0 || copied + static_cast<int32_t>(gb18030::kLongestCharacter) < room) return CopyHeapText(buffer.get());
    room = static_cast<int32_t>(CallSystem(kGetWindowTextLengthA, {window})) + 1;
  }
}

void RefreshWindowTitles() {
  void* handles = nullptr;
  uint32_t count = ListChildWindowHandles(0, &handles, nullptr);
  CommandArgument combo = UnitArgument(Unit::kComboWindowTitle, TypeCode::kComboBox);
  CallCore(core::kComboClear, {combo});
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t window = WordAt(handles, i);
    HeapText title;
    if (!Listable(window, &title)) continue;
    CallCore(core::kComboAddItem, {combo, TextArgument(title.get()), IntegerArgument(static_cast<int32_t>(window))});
  }
  Free(handles);
}

uint32_t SnapshotWindowRecords(void** list) {
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
  SnapshotWindowRecords(&snapshot);
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
  uint32_t boxStyle = style ? *style : MessageBoxStyle::kInformation;
  return static_cast<int32_t>(CallSystem(kMessageBoxA, {ownerWindow, Word(text), Word(boxCaption), boxStyle})) - 1;
}

}  // namespace klv::clicker
