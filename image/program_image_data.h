// The program image of Klikvane.
#pragma once
#include "runtime/program_image.h"

namespace klv {

extern const ProgramImageHeader kProgramImage;
extern const ProgramCode kProgramCode;

// The system-function table: library texts and export names by entry number.
// Entry 30 lists a settings section's key names for the settings load;
// entries 31 to 34 find the child window a background click reaches and the
// top-level window a captured point belongs to.
constexpr uint32_t kSystemFunctionEntries = 35;
extern const char* const kSystemLibraryNames[kSystemFunctionEntries];
extern const char* const kSystemFunctionNames[kSystemFunctionEntries];

// The four libraries, in library-number order.
extern const LibraryRecord* const kProgramLibraries[4];

}  // namespace klv
