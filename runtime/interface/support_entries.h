// The support entries: the program's code reaches the runtime only through
// this table, filled in this order.
#pragma once
#include <cstdint>

#include "runtime/interface/command_values.h"

namespace klv {

struct SupportEntries {
  // Errors and system functions.
  void (*RaiseRuntimeError)(int number);  // does not return
  uint32_t (*CallSystemFunction)(int number, int argumentCount, const uint32_t* arguments);
  // Library commands: the result record starts zeroed.
  CommandResult (*CallLibraryCommand)(int libraryPosition, CommandFunction command, int count,
                                      const CommandArgument* arguments);
  CommandResult (*CallCoreCommand)(CommandFunction command, int count, const CommandArgument* arguments);
  // Numbered properties of a window's units.
  uint64_t (*ReadProperty)(uint32_t windowId, uint32_t unitId, int index, int element);
  void (*WriteProperty)(uint32_t windowId, uint32_t unitId, int index, int element, uint64_t value);
  // The runtime heap.
  void* (*AllocateMemory)(uint32_t byteCount);
  void* (*ResizeMemory)(void* block, uint32_t byteCount);
  void (*FreeMemory)(void* block);
  // Program flow.
  void (*ExitProgram)(int exitCode);  // does not return
  void (*RunMessageLoop)();
  void (*LoadStartWindow)(uint32_t windowId);
  uint32_t (*CallRuntimeService)(int service, uint32_t first, uint32_t second);
};

// The table's size is fixed: an entry is never added or taken away.
static_assert(sizeof(SupportEntries) == 13 * sizeof(void*), "the support table's size changed");

// Runtime services by number (CallRuntimeService).
namespace RuntimeService {
constexpr int kFileSearchStep = 0;     // (const FileSearchRequest*, 0) -> 1 found, 0 none
constexpr int kCloseFileSearch = 1;    // (search handle, 0)
constexpr int kMakeArrayWritable = 2;  // (element size, void** array)
constexpr int kSetExitHook = 3;        // (void (*)(), 0)
constexpr int kReadObjectProperty = 4;
constexpr int kWriteObjectProperty = 5;
constexpr int kInitRuntime = 6;
// (void (*)(), 0): the routine run on the main thread whenever the program
// begins to end (quit, last window closing, session end, runtime error),
// before the runtime tears anything down; the place to stop worker threads.
constexpr int kSetEndingHook = 7;
// (window UnitId, owner window UnitId or 0) -> 1 loaded, 0 failed: loads a
// window of the template, owned by a loaded window; a window already loaded
// comes to the front instead.
constexpr int kLoadWindow = 8;
// (window UnitId, menu entry UnitId or 0 for a separator) -> 1 added, 0 not:
// appends the entry to the loaded window's system menu, where choosing it
// raises the entry's chosen event as the entry's own menu would.
constexpr int kAddSystemMenuEntry = 9;
}  // namespace RuntimeService

// Event handlers take their arguments as 32-bit values in order and may
// return one value, reported as present or absent.
struct HandlerResult {
  bool hasValue;
  uint32_t value;
};
using EventHandler = HandlerResult (*)(const uint32_t* arguments, int count);

}  // namespace klv
