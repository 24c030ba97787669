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

const SupportEntries kSupportEntries = {
    RaiseRuntimeErrorEntry, CallSystemFunction, CallLibraryCommandEntry, CallCommand, ReadProperty,
    WriteProperty,          AllocateMemory,     ResizeMemory,            FreeMemory,  ExitProgramEntry,
    RunMessageLoop,         LoadStartWindow,    CallRuntimeService,
};

}  // namespace

const SupportEntries& SupportTable() { return kSupportEntries; }

}  // namespace klv
