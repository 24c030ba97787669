// The program image's data that is not the window template or the
// constants: the library list and the system-function table.
#pragma once
#include "image/system_function_table.h"
#include "runtime/interface/image_format.h"

namespace klv {

// The four libraries, in library-number order.
extern const LibraryRecord* const kProgramLibraries[4];

}  // namespace klv
