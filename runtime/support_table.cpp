// The fixed table of support entries handed to the program's code.
#include "runtime/app_runtime.h"
#include "runtime/heap.h"
#include "runtime/property_access.h"
#include "runtime/runtime_errors.h"
#include "runtime/system_binding.h"

namespace klv {
namespace {

CommandResult CallCommand(CommandFunction command, int count, const CommandArgument* arguments) {
  CommandResult result = {0, 0, 0};
  command(&result, count, arguments);
  return result;
}

CommandResult CallLibraryCommandEntry(int libraryPosition, CommandFunction command, int count,
                                      const CommandArgument* arguments) {
  // The position travels with the call; the commands do not need it.
  return CallCommand(command, count, arguments);
}

void RaiseRuntimeErrorEntry(int number) { RaiseRuntimeError(number); }
void ExitProgramEntry(int exitCode) { ExitProgram(exitCode); }

// Filled by name, so that no entry can land in another's place; the order
// of the entries is the struct's (runtime/interface/support_entries.h).
constexpr SupportEntries MakeSupportEntries() {
  SupportEntries entries = {};
  // Errors and system functions.
  entries.RaiseRuntimeError = RaiseRuntimeErrorEntry;
  entries.CallSystemFunction = CallSystemFunction;
  // Library commands.
  entries.CallLibraryCommand = CallLibraryCommandEntry;
  entries.CallCoreCommand = CallCommand;
  // Numbered properties of a window's units.
  entries.ReadProperty = ReadProperty;
  entries.WriteProperty = WriteProperty;
  // The runtime heap.
  entries.AllocateMemory = AllocateMemory;
  entries.ResizeMemory = ResizeMemory;
  entries.FreeMemory = FreeMemory;
  // Program flow.
  entries.ExitProgram = ExitProgramEntry;
  entries.RunMessageLoop = RunMessageLoop;
  entries.LoadStartWindow = LoadStartWindow;
  entries.CallRuntimeService = CallRuntimeService;
  return entries;
}

constexpr SupportEntries kSupportEntries = MakeSupportEntries();

}  // namespace

const SupportEntries& SupportTable() { return kSupportEntries; }

}  // namespace klv
