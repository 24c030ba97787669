#include "clicker/runtime_access.h"

#include <cstring>

namespace klv::clicker {
namespace {
const SupportEntries* g_support = nullptr;
}

void SetSupport(const SupportEntries* support) { g_support = support; }
const SupportEntries& Rt() { return *g_support; }

void* Allocate(uint32_t bytes) { return Rt().AllocateMemory(bytes); }
void Free(void* block) { Rt().FreeMemory(block); }

void* NewEmptyPointerArray() {
  uint32_t* array = static_cast<uint32_t*>(Allocate(8));
  array[0] = 1;  // one dimension
  array[1] = 0;  // of size 0
  return array;
}

void FreePointerArrayDeep(void* array) {
  if (array == nullptr) return;
  const uint32_t* words = static_cast<const uint32_t*>(array);
  uint32_t count = words[0] == 1 ? words[1] : 0;
  void* const* elements = reinterpret_cast<void* const*>(words + 2);
  for (uint32_t i = 0; i < count; ++i) Free(elements[i]);
  Free(array);
}

}  // namespace klv::clicker
