// The libraries the program image lists (positions: LibraryPosition).
#pragma once
#include <array>

#include "controls/commands/core_commands.h"
#include "controls/report_list/report_list_commands.h"
#include "runtime/interface/image_format.h"

namespace klv {

extern const LibraryRecord kCoreLibrary;
extern const LibraryRecord kExtendedControlsLibrary;
extern const LibraryRecord kSpecialFunctionsLibrary;
extern const LibraryRecord kTrayIconLibrary;

// A command table's row: the command and the number it answers to.
template <typename Number>
struct CommandRow {
  Number number;
  CommandFunction command;
};

// Command tables, in command-number order.
extern const std::array<CommandFunction, core::kCoreCommandCount> kCoreCommands;
extern const std::array<CommandFunction, reportlist::kReportListCommandCount> kReportListCommands;

}  // namespace klv
