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

// True when the waitable handle is signalled now (a zero-time wait).
inline bool IsSignalled(uint32_t handle) {
  uint32_t handles[1] = {handle};
  return handle != 0 && CallSystem(kMsgWaitForMultipleObjects, {1, Word(handles), 0, 0, 0}) == kWaitObject0;
}

}  // namespace klv::clicker
