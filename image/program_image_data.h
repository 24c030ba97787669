// The program image of Klikvane.
#pragma once
#include "image/system_function_table.h"
#include "runtime/program_image.h"

namespace klv {

extern const ProgramImageHeader kProgramImage;
extern const ProgramCode kProgramCode;

// The four libraries, in library-number order.
extern const LibraryRecord* const kProgramLibraries[4];

}  // namespace klv
