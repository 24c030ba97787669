#include "tests/support/process_footprint.h"

#include <cstdint>

namespace klvtest {
namespace {

constexpr uintptr_t kLastHandleValue = 0x40000;

HANDLE HandleValue(uintptr_t value) { return reinterpret_cast<HANDLE>(value); }

}  // namespace

DWORD OpenHandles() {
  DWORD count = 0;
  for (uintptr_t value = 4; value < kLastHandleValue; value += 4) {
    DWORD flags;
    count += GetHandleInformation(HandleValue(value), &flags) ? 1 : 0;
  }
  return count;
}

DWORD OpenHandles(HANDLE process) {
  DWORD count = 0;
  for (uintptr_t value = 4; value < kLastHandleValue; value += 4) {
    HANDLE copy = nullptr;
    if (!DuplicateHandle(process, HandleValue(value), GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
      continue;
    }
    CloseHandle(copy);
    ++count;
  }
  return count;
}

size_t PrivateCommittedBytes() { return PrivateCommittedBytes(GetCurrentProcess()); }

size_t PrivateCommittedBytes(HANDLE process) {
  size_t bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
    if (static_cast<const char*>(region.BaseAddress) + region.RegionSize < at) break;  // wrapped
  }
  return bytes;
}

}  // namespace klvtest
