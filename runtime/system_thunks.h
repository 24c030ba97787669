// The build-time prototypes of the system-function table's entries: each
// entry number is called through the exact signature of its Windows function,
// so arguments and the callee's stack clean-up always match.
#pragma once
#include <cstdint>

namespace klv {

struct SystemFunctionThunk {
  int argumentCount;  // in 32-bit words, as the caller passes them
  uint32_t (*invoke)(void* address, const uint32_t* arguments);
};

constexpr int kSystemFunctionCount = 43;

// The thunk of entry number n, or null outside the table.
const SystemFunctionThunk* SystemFunctionThunkFor(int number);

}  // namespace klv
