#include "tests/support/process_footprint.h"

#include <cstdint>

namespace klvtest {

DWORD OpenHandles() {
  DWORD count = 0;
  for (uintptr_t value = 4; value < 0x40000; value += 4) {
    DWORD flags;
    count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
  }
  return count;
}

size_t PrivateCommittedBytes() {
  size_t bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
    if (static_cast<const char*>(region.BaseAddress) + region.RegionSize < at) break;  // wrapped
  }
  return bytes;
}

}  // namespace klvtest
