// ArrayValue: one heap block holding a dimension count d, d sizes and the
// packed elements. A byte set is a one-dimensional array of bytes. Arrays of
// texts or records hold pointers; freeing such an array frees each element.
#pragma once
#include <cstdint>

namespace klv {

uint32_t ArrayDimensionCount(const void* array);
uint32_t ArrayElementCount(const void* array);  // product of the sizes; 0 for d = 0
uint32_t ArrayHeaderSize(const void* array);    // 4 + 4 * d
uint32_t ArrayBlockSize(const void* array, uint32_t elementSize);
void* ArrayElements(void* array);
const void* ArrayElements(const void* array);

// A one-dimensional array of count elements, each elementSize bytes, zeroed.
void* NewArray(uint32_t count, uint32_t elementSize);
// Grows or shrinks a one-dimensional array to count elements (new ones zeroed).
void* ResizeArray(void* array, uint32_t count, uint32_t elementSize);

void* NewByteSet(const void* bytes, uint32_t length);
uint32_t ByteSetLength(const void* byteSet);
const uint8_t* ByteSetBytes(const void* byteSet);

// Frees an array of heap pointers: every element first, then the block.
void FreePointerArray(void* array);

// When *array lies in the constants block, replaces it by a heap copy of the
// whole array (header and elements).
void MakeArrayWritable(uint32_t elementSize, void** array);

}  // namespace klv
