// The program image of Klikvane.
#pragma once
#include "runtime/program_image.h"

namespace klv {

extern const ProgramImageHeader kProgramImage;
extern const ProgramCode kProgramCode;

// The system-function table: library texts and export names by entry number.
extern const char* const kSystemLibraryNames[30];
extern const char* const kSystemFunctionNames[30];

// The four libraries, in library-number order.
extern const LibraryRecord* const kProgramLibraries[4];

}  // namespace klv
