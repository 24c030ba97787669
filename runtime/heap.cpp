#include "runtime/heap.h"

#include <cstdlib>
#include <cstring>

namespace klv {
namespace {

void* MallocAllocate(size_t bytes) { return std::malloc(bytes ? bytes : 1); }
void* MallocResize(void* block, size_t bytes) { return std::realloc(block, bytes ? bytes : 1); }
void MallocRelease(void* block) { std::free(block); }

HeapBackend g_backend = {MallocAllocate, MallocResize, MallocRelease};
OutOfMemoryHandler g_outOfMemory = nullptr;
const uint8_t* g_constantsStart = nullptr;
const uint8_t* g_constantsEnd = nullptr;

[[noreturn]] void OutOfMemory(uint32_t byteCount) {
  if (g_outOfMemory) g_outOfMemory(byteCount);
  std::abort();
}

}  // namespace

void SetHeapBackend(const HeapBackend& backend) { g_backend = backend; }
void SetOutOfMemoryHandler(OutOfMemoryHandler handler) { g_outOfMemory = handler; }

void SetConstantsRange(const void* start, uint32_t length) {
  if (length == 0 || start == nullptr) {
    g_constantsStart = g_constantsEnd = nullptr;
    return;
  }
  g_constantsStart = static_cast<const uint8_t*>(start);
  g_constantsEnd = g_constantsStart + length;
}

bool InConstantsRange(const void* pointer) {
  const uint8_t* p = static_cast<const uint8_t*>(pointer);
  return g_constantsStart != nullptr && p >= g_constantsStart && p < g_constantsEnd;
}

void* AllocateMemory(uint32_t byteCount) {
  void* block = g_backend.allocate(byteCount);
  if (block == nullptr) OutOfMemory(byteCount);
  return block;
}

void* ResizeMemory(void* block, uint32_t byteCount) {
  if (block == nullptr) return AllocateMemory(byteCount);
  if (InConstantsRange(block)) {
    // A constant is never changed: the new block takes the bytes from the
    // pointer up to the end of the constants, at most the new size.
    const uint8_t* from = static_cast<const uint8_t*>(block);
    size_t available = static_cast<size_t>(g_constantsEnd - from);
    void* copy = AllocateMemory(byteCount);
    std::memcpy(copy, from, available < byteCount ? available : byteCount);
    return copy;
  }
  void* moved = g_backend.resize(block, byteCount);
  if (moved == nullptr) OutOfMemory(byteCount);
  return moved;
}

void FreeMemory(void* block) {
  if (block == nullptr || InConstantsRange(block)) return;
  g_backend.release(block);
}

}  // namespace klv
