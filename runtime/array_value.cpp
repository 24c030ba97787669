#include "runtime/array_value.h"

#include <cstring>

#include "runtime/heap.h"

namespace klv {
namespace {
const uint32_t* Words(const void* array) { return static_cast<const uint32_t*>(array); }
}  // namespace

uint32_t ArrayDimensionCount(const void* array) { return array ? Words(array)[0] : 0; }

uint32_t ArrayElementCount(const void* array) {
  uint32_t d = ArrayDimensionCount(array);
  if (d == 0) return 0;
  uint32_t count = 1;
  for (uint32_t i = 0; i < d; ++i) count *= Words(array)[1 + i];
  return count;
}

uint32_t ArrayHeaderSize(const void* array) { return 4 + 4 * ArrayDimensionCount(array); }

uint32_t ArrayBlockSize(const void* array, uint32_t elementSize) {
  return ArrayHeaderSize(array) + ArrayElementCount(array) * elementSize;
}

void* ArrayElements(void* array) { return static_cast<uint8_t*>(array) + ArrayHeaderSize(array); }
const void* ArrayElements(const void* array) {
  return static_cast<const uint8_t*>(array) + ArrayHeaderSize(array);
}

void* NewArray(uint32_t count, uint32_t elementSize) {
  uint32_t bytes = 8 + count * elementSize;
  uint32_t* block = static_cast<uint32_t*>(AllocateMemory(bytes));
  std::memset(block, 0, bytes);
  block[0] = 1;
  block[1] = count;
  return block;
}

void* ResizeArray(void* array, uint32_t count, uint32_t elementSize) {
  if (array == nullptr || InConstantsRange(array)) {
    uint32_t old = ArrayElementCount(array);
    void* fresh = NewArray(count, elementSize);
    if (array) std::memcpy(ArrayElements(fresh), ArrayElements(array), (old < count ? old : count) * elementSize);
    return fresh;
  }
  uint32_t old = ArrayElementCount(array);
  uint32_t* block = static_cast<uint32_t*>(ResizeMemory(array, 8 + count * elementSize));
  block[0] = 1;
  block[1] = count;
  if (count > old) std::memset(reinterpret_cast<uint8_t*>(block + 2) + old * elementSize, 0, (count - old) * elementSize);
  return block;
}

void* NewByteSet(const void* bytes, uint32_t length) {
  void* set = NewArray(length, 1);
  if (length) std::memcpy(ArrayElements(set), bytes, length);
  return set;
}

uint32_t ByteSetLength(const void* byteSet) { return ArrayElementCount(byteSet); }
const uint8_t* ByteSetBytes(const void* byteSet) {
  return byteSet ? static_cast<const uint8_t*>(ArrayElements(byteSet)) : nullptr;
}

void FreePointerArray(void* array) {
  if (array == nullptr) return;
  uint32_t count = ArrayElementCount(array);
  void** elements = static_cast<void**>(ArrayElements(array));
  for (uint32_t i = 0; i < count; ++i) FreeMemory(elements[i]);
  FreeMemory(array);
}

void MakeArrayWritable(uint32_t elementSize, void** array) {
  if (array == nullptr || !InConstantsRange(*array)) return;
  uint32_t bytes = ArrayBlockSize(*array, elementSize);
  void* copy = AllocateMemory(bytes);
  std::memcpy(copy, *array, bytes);
  *array = copy;
}

}  // namespace klv
