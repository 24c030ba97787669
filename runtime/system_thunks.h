// The build-time prototypes of the system-function table's entries: each
// entry number is called through the exact signature of its Windows function,
// so arguments and the callee's stack clean-up always match. Each entry also
// names the oldest Windows that has its function.
#pragma once
#include <cstdint>

#include "runtime/interface/system_function_numbers.h"

namespace klv {

// Windows releases by the functions they brought. The program runs on
// Windows 7 SP1 and later: an entry of a later release is optional, so that
// a system without its function goes on without it.
enum class WindowsRelease : uint8_t { kWindows7Sp1, kWindows8, kWindows10Version1607 };
constexpr WindowsRelease kOldestSupportedWindows = WindowsRelease::kWindows7Sp1;

struct SystemFunctionThunk {
  int argumentCount;  // in 32-bit words, as the caller passes them
  uint32_t (*invoke)(void* address, const uint32_t* arguments);
  WindowsRelease since = kOldestSupportedWindows;
  // An optional function that cannot be bound is no error: a call of it
  // does nothing and answers 0, as the function answers a failure.
  constexpr bool optional() const { return since != kOldestSupportedWindows; }
};

// The thunk of entry number n, or null outside the table.
const SystemFunctionThunk* SystemFunctionThunkFor(int number);

}  // namespace klv
