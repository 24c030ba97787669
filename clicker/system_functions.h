// The system functions the clicker calls, and typed wrappers around them.
// Every call goes through the runtime's CallSystemFunction.
#pragma once
#include <cstdint>

#include "clicker/runtime_access.h"
#include "runtime/system_function_numbers.h"

namespace klv::clicker {

// The entry numbers (kPostMessageA, ...) are klv::SystemFunction's.

constexpr uint32_t kWaitObject0 = 0;
constexpr uint32_t kWaitFailed = 0xFFFFFFFF;
constexpr uint32_t kInfinite = 0xFFFFFFFF;
constexpr uint32_t kAllInputButRaw = 0xFF;  // QS_ALLINPUT without the raw-input bit

}  // namespace klv::clicker
