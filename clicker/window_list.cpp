#include "clicker/window_list.h"

#include "clicker/runtime_access.h"
#include "clicker/system_functions.h"
#include "clicker/units.h"
#include "controls/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

constexpr int32_t kStyleSlot = -16;

uint32_t* HandleArray(uint32_t count) {
  auto* array = static_cast<uint32_t*>(Allocate(8 + 4 * count));
  array[0] = 1;
  array[1] = count;
  return array;
}

uint32_t WindowStyle(uint32_t window) {
  return CallSystem(kGetWindowLongA, {window, static_cast<uint32_t>(kStyleSlot)});
}

uint32_t BitsOf(uint32_t a, uint32_t b) {
  return CallCore(core::kBitOr, {IntegerArgument(static_cast<int32_t>(a)), IntegerArgument(static_cast<int32_t>(b))})
      .low;
}

bool StyleHas(uint32_t window, uint32_t mask) {
  uint32_t masked = CallCore(core::kBitAnd, {IntegerArgument(static_cast<int32_t>(WindowStyle(window))),
                                              IntegerArgument(static_cast<int32_t>(mask))})
                        .low;
  return static_cast<int32_t>(masked) > 0;
}

// The five tests, in order; the first failing one leaves the window out.
bool Listable(uint32_t window, HeapText* title) {
  if (!StyleHas(window, BitsOf(0x80, 0x10000000))) return false;      // visible, or bit 0x80
  if (!StyleHas(window, BitsOf(0x40000, 0x10000000))) return false;   // visible, or a sizing border
  *title = HeapText(GetWindowTitle(window));
  if (title->empty()) return false;
  if (CallSystem(kGetParent, {window}) != 0) return false;
  return !title->Equals(kConstants.programManager);
}

}  // namespace

uint32_t ListTopLevelWindows(uint32_t parent, void** handles, const char* className) {
  Free(*handles);
  CommandResult none = CallCore(core::kCharText, {IntegerArgument(0)});  // the empty text: any title
  const char* anyTitle = reinterpret_cast<const char*>(static_cast<uintptr_t>(none.low));
  uint32_t count = 0;
  uint32_t* array = HandleArray(0);
  for (uint32_t found = CallSystem(kFindWindowExA, {parent, 0, Word(className), Word(anyTitle)}); found != 0;
       found = CallSystem(kFindWindowExA, {parent, found, Word(className), Word(anyTitle)})) {
    array = static_cast<uint32_t*>(Support().ResizeMemory(array, 8 + 4 * (count + 1)));
    array[1] = count + 1;
    array[2 + count++] = found;
  }
  *handles = array;
  return count;
}

char* GetWindowTitle(uint32_t window) {
  CommandResult blank = CallCore(core::kBlankText, {IntegerArgument(256)});
  HeapText buffer = ResultText(blank);
  CallSystem(kGetWindowTextA, {window, Word(buffer.get()), 256});
  return CopyHeapText(buffer.get());
}

void RefreshWindowTitles() {
  void* handles = nullptr;
  uint32_t count = ListTopLevelWindows(0, &handles, nullptr);
  CommandArgument combo = UnitArgument(Unit::kComboWindowTitle, TypeCode::kComboBox);
  CallCore(core::kComboClear, {combo});
  const uint32_t* list = static_cast<const uint32_t*>(handles) + 2;
  for (uint32_t i = 0; i < count; ++i) {
    HeapText title;
    if (!Listable(list[i], &title)) continue;
    CallCore(core::kComboAddItem, {combo, TextArgument(title.get()), IntegerArgument(static_cast<int32_t>(list[i]))});
  }
  Free(handles);
}

}  // namespace klv::clicker
