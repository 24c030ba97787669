// The program's system-function table: the library text and the export name
// of every entry, by entry number (runtime/interface/system_function_numbers.h).
#pragma once
#include <array>

#include "runtime/interface/system_function_numbers.h"

namespace klv {

constexpr int kSystemFunctionEntries = kSystemFunctionCount;
extern const std::array<const char*, kSystemFunctionEntries> kSystemLibraryNames;
extern const std::array<const char*, kSystemFunctionEntries> kSystemFunctionNames;

}  // namespace klv
