// The clicker's door into the runtime: the support entries it was handed at
// program start, and typed calls through them.
#pragma once
#include <cstdint>
#include <initializer_list>

#include "clicker/heap_values.h"
#include "image/main_window_units.h"
#include "runtime/interface/support_entries.h"
#include "runtime/interface/system_function_numbers.h"

namespace klv::clicker {

void SetSupport(const SupportEntries* support);
const SupportEntries& Support();

// Library commands.
CommandArgument TextArgument(const char* text);
CommandArgument IntegerArgument(int32_t value);
CommandArgument OmittedArgument();
CommandArgument UnitArgument(uint32_t unitId, uint32_t typeCode);  // a control of the main window
CommandArgument WindowArgument();                                  // the main window
CommandResult CallCore(int command, std::initializer_list<CommandArgument> arguments);
CommandResult CallReportList(int command, std::initializer_list<CommandArgument> arguments);

// System functions by their number in the system-function table.
uint32_t CallSystem(SystemFunction function, std::initializer_list<uint32_t> arguments);
template <typename T>
uint32_t Word(T* pointer) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

// Takes over the heap text a command's result holds.
HeapText ResultText(const CommandResult& result);

// Properties of a window's units: the main window's unless another is named.
HeapText ReadUnitText(uint32_t unitId, int index, uint32_t windowId = MainWindowUnit::kMainWindow);
void WriteUnitText(uint32_t unitId, int index, const char* text, uint32_t windowId = MainWindowUnit::kMainWindow);
int32_t ReadUnitInteger(uint32_t unitId, int index, uint32_t windowId = MainWindowUnit::kMainWindow);
void WriteUnitInteger(uint32_t unitId, int index, int32_t value, uint32_t windowId = MainWindowUnit::kMainWindow);

// The system window of a loaded window (the main window's unless another is
// named).
uint32_t WindowHandle(uint32_t windowId = MainWindowUnit::kMainWindow);

// Frequent conversions through the core commands.
int32_t TextToInteger(const char* text);
HeapText IntegerToText(int32_t value);

}  // namespace klv::clicker
