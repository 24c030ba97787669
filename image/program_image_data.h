// The program image of Klikvane.
#pragma once
#include "runtime/program_image.h"

namespace klv {

extern const ProgramImageHeader kProgramImage;
extern const ProgramCode kProgramCode;

// The system-function table: library texts and export names by entry number.
// Entry 30 lists a settings section's key names for the settings load;
// entries 31 to 40 read and replace the settings file in one piece; 41 and 42
// pause the plan list's drawing while a load fills it.
constexpr uint32_t kSystemFunctionEntries = 43;
extern const char* const kSystemLibraryNames[kSystemFunctionEntries];
extern const char* const kSystemFunctionNames[kSystemFunctionEntries];

// The four libraries, in library-number order.
extern const LibraryRecord* const kProgramLibraries[4];

}  // namespace klv
