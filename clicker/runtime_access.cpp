#include "clicker/runtime_access.h"

#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/commands/libraries.h"

namespace klv::clicker {
namespace {

const SupportEntries* g_support = nullptr;

}  // namespace

void SetSupport(const SupportEntries* support) { g_support = support; }
const SupportEntries& Support() { return *g_support; }

CommandArgument TextArgument(const char* text) {
  return {Word(text), 0, TypeCode::kText};
}
CommandArgument IntegerArgument(int32_t value) { return {static_cast<uint32_t>(value), 0, TypeCode::kInteger}; }
CommandArgument OmittedArgument() { return {0, 0, TypeCode::kOmitted}; }
CommandArgument UnitArgument(uint32_t unitId, uint32_t typeCode) { return {Unit::kMainWindow, unitId, typeCode}; }
CommandArgument WindowArgument() { return {Unit::kMainWindow, 0, TypeCode::kWindow}; }

// The arguments of an initializer list lie in one array already: they are
// handed on in place, with no copy on the heap (the runner calls these at
// every step).
CommandResult CallCore(int command, std::initializer_list<CommandArgument> arguments) {
  return Support().CallCoreCommand(kCoreCommands[command], static_cast<int>(arguments.size()), arguments.begin());
}

CommandResult CallReportList(int command, std::initializer_list<CommandArgument> arguments) {
  return Support().CallLibraryCommand(kExtendedControlsLibraryPosition, kReportListCommands[command],
                                      static_cast<int>(arguments.size()), arguments.begin());
}

uint32_t CallSystem(SystemFunction function, std::initializer_list<uint32_t> arguments) {
  return Support().CallSystemFunction(function, static_cast<int>(arguments.size()), arguments.begin());
}

HeapText ResultText(const CommandResult& result) { return HeapTextAt(result.low); }

HeapText ReadUnitText(uint32_t unitId, int index, uint32_t windowId) {
  return HeapTextAt(static_cast<uint32_t>(Support().ReadProperty(windowId, unitId, index, -1)));
}

void WriteUnitText(uint32_t unitId, int index, const char* text, uint32_t windowId) {
  Support().WriteProperty(windowId, unitId, index, -1, Word(text));
}

int32_t ReadUnitInteger(uint32_t unitId, int index, uint32_t windowId) {
  return static_cast<int32_t>(Support().ReadProperty(windowId, unitId, index, -1));
}

void WriteUnitInteger(uint32_t unitId, int index, int32_t value, uint32_t windowId) {
  Support().WriteProperty(windowId, unitId, index, -1, static_cast<uint32_t>(value));
}

uint32_t WindowHandle(uint32_t windowId) {
  return CallCore(core::kGetWindowHandle, {{windowId, 0, TypeCode::kWindow}}).low;
}

int32_t TextToInteger(const char* text) {
  return static_cast<int32_t>(CallCore(core::kToInteger, {TextArgument(text)}).low);
}

HeapText IntegerToText(int32_t value) {
  return ResultText(CallCore(core::kToText, {IntegerArgument(value)}));
}

}  // namespace klv::clicker
