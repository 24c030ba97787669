#include "clicker/heap_values.h"

#include <cstring>

#include "clicker/runtime_access.h"

namespace klv::clicker {
namespace {

// The runtime's array: a word of dimensions (1), a word of size, the elements.
constexpr uint32_t kArrayHeaderBytes = 8;
static_assert(sizeof(void*) == sizeof(uint32_t), "a pointer is an array word");

uint32_t* Words(void* array) { return static_cast<uint32_t*>(array); }
const uint32_t* Words(const void* array) { return static_cast<const uint32_t*>(array); }

}  // namespace

void* Allocate(uint32_t bytes) { return Support().AllocateMemory(bytes); }
void Free(void* block) { Support().FreeMemory(block); }

bool HeapText::Equals(const char* other) const { return TextsMatch(get(), other); }

HeapText HeapTextAt(uint32_t address) { return HeapText(reinterpret_cast<char*>(static_cast<uintptr_t>(address))); }

HeapPoint NewPoint(int32_t x, int32_t y) {
  HeapPoint point(static_cast<int32_t*>(Allocate(2 * sizeof(int32_t))));
  point[0] = x;
  point[1] = y;
  return point;
}

bool TextsMatch(const char* a, const char* b) { return std::strcmp(a ? a : "", b ? b : "") == 0; }

char* CopyHeapText(const char* text) { return JoinTexts({text}); }

char* JoinTexts(std::initializer_list<const char*> parts) {
  size_t total = 0;
  for (const char* part : parts) total += part ? std::strlen(part) : 0;
  if (total == 0) return nullptr;
  char* joined = static_cast<char*>(Allocate(static_cast<uint32_t>(total + 1)));
  char* at = joined;
  for (const char* part : parts) {
    size_t n = part ? std::strlen(part) : 0;
    std::memcpy(at, part ? part : "", n);
    at += n;
  }
  *at = '\0';
  return joined;
}

void* NewEmptyPointerArray() {
  uint32_t* array = static_cast<uint32_t*>(Allocate(kArrayHeaderBytes));
  array[0] = 1;  // one dimension
  array[1] = 0;  // of size 0
  return array;
}

uint32_t PointerCount(const void* array) { return array && Words(array)[0] == 1 ? Words(array)[1] : 0; }

uint32_t WordAt(const void* array, uint32_t index) { return Words(array)[2 + index]; }

void* PointerAt(const void* array, uint32_t index) {
  return reinterpret_cast<void*>(static_cast<uintptr_t>(WordAt(array, index)));
}

void* AppendWord(void* array, uint32_t element) {
  uint32_t count = PointerCount(array);
  void* grown = Support().ResizeMemory(array, kArrayHeaderBytes + (count + 1) * sizeof(uint32_t));
  Words(grown)[0] = 1;
  Words(grown)[1] = count + 1;
  Words(grown)[2 + count] = element;
  return grown;
}

void* AppendPointer(void* array, void* element) { return AppendWord(array, Word(element)); }

void FreePointerArrayDeep(void* array) {
  if (array == nullptr) return;
  uint32_t count = PointerCount(array);
  for (uint32_t i = 0; i < count; ++i) Free(PointerAt(array, i));
  Free(array);
}

}  // namespace klv::clicker
