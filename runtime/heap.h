// The runtime heap: every text, array and record the program builds at run
// time lives here and is owned by whoever received it. Pointers into the
// program image's constants block may stand wherever a heap block may; they
// are never freed and are copied before they change.
#pragma once
#include <cstddef>
#include <cstdint>

namespace klv {

// The allocator underneath: the process heap in the program, malloc in native
// builds of the pure logic.
struct HeapBackend {
  void* (*allocate)(size_t bytes);
  void* (*resize)(void* block, size_t bytes);  // null on failure, block kept
  void (*release)(void* block);
};

void SetHeapBackend(const HeapBackend& backend);

// Called when an allocation fails; it must not return.
using OutOfMemoryHandler = void (*)(uint32_t byteCount);
void SetOutOfMemoryHandler(OutOfMemoryHandler handler);

void SetConstantsRange(const void* start, uint32_t length);
bool InConstantsRange(const void* pointer);

void* AllocateMemory(uint32_t byteCount);
void* ResizeMemory(void* block, uint32_t byteCount);
void FreeMemory(void* block);

}  // namespace klv
