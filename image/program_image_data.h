// The program image's data that is not the window template or the
// constants: the library list and the system-function table.
#pragma once
#include <array>

#include "image/system_function_table.h"
#include "runtime/interface/image_format.h"

namespace klv {

// The libraries, by their position (LibraryPosition).
extern const std::array<const LibraryRecord*, kLibraryCount> kProgramLibraries;

}  // namespace klv
