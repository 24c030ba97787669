// The four libraries the program image lists, in library-number order.
#pragma once
#include "runtime/program_image.h"

namespace klv {

extern const LibraryRecord kCoreLibrary;               // 1
extern const LibraryRecord kExtendedControlsLibrary;   // 2
extern const LibraryRecord kSpecialFunctionsLibrary;   // 3
extern const LibraryRecord kTrayIconLibrary;           // 4

// Command tables, in table order.
extern const CommandFunction kCoreCommands[22];
extern const CommandFunction kReportListCommands[6];

}  // namespace klv
