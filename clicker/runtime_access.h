// The clicker's only door into the runtime: the support entries it was handed
// at program start, and thin typed helpers around them.
#pragma once
#include <cstdint>

#include "runtime/support_entries.h"

namespace klv::clicker {

void SetSupport(const SupportEntries* support);
const SupportEntries& Rt();

// Runtime heap through the support entries.
void* Allocate(uint32_t bytes);
void Free(void* block);

// An empty one-dimensional array of pointers.
void* NewEmptyPointerArray();
// Frees every element of a pointer array, then the array.
void FreePointerArrayDeep(void* array);

}  // namespace klv::clicker
