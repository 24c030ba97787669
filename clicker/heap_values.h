// Values on the runtime heap the clicker owns: blocks and texts freed when
// their owner goes, fresh texts, points, and the runtime's pointer arrays.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace klv::clicker {

// The runtime heap, through the support entries.
void* Allocate(uint32_t bytes);
void Free(void* block);

// A heap block freed when its owner goes out of scope.
template <typename T>
class HeapBlock {
 public:
  explicit HeapBlock(T* block = nullptr) : block_(block) {}
  ~HeapBlock() { Free(block_); }
  HeapBlock(const HeapBlock&) = delete;
  HeapBlock& operator=(const HeapBlock&) = delete;
  HeapBlock(HeapBlock&& other) noexcept : block_(other.release()) {}
  HeapBlock& operator=(HeapBlock&& other) noexcept {
    if (this != &other) {
      Free(block_);
      block_ = other.release();
    }
    return *this;
  }
  T* get() const { return block_; }
  T& operator[](size_t index) const { return block_[index]; }
  T* release() { return std::exchange(block_, nullptr); }

 private:
  T* block_;
};

// A text received from the runtime.
class HeapText : public HeapBlock<char> {
 public:
  using HeapBlock<char>::HeapBlock;
  // Null and the empty text are the same value.
  bool empty() const { return get() == nullptr || get()[0] == '\0'; }
  bool Equals(const char* other) const;
  // A copy of the text; null reads as the empty text.
  std::string str() const { return get() ? get() : ""; }
};

// Takes over the heap text at a runtime address (a text property's value,
// the low word of a command's result).
HeapText HeapTextAt(uint32_t address);

// An 8-byte point block, X then Y, as the system functions read and fill it.
using HeapPoint = HeapBlock<int32_t>;
// Zeros are what a failed system call leaves in it.
HeapPoint NewPoint(int32_t x = 0, int32_t y = 0);

// Exact, case-sensitive byte comparison; null equals the empty text.
bool TextsMatch(const char* a, const char* b);

// Fresh heap texts.
char* CopyHeapText(const char* text);
char* JoinTexts(std::initializer_list<const char*> parts);

// The runtime's one-dimensional arrays of 32-bit words or pointers (a
// pointer is a word here). An empty one:
void* NewEmptyPointerArray();
// Appends one element to such an array (re-allocated one element larger).
void* AppendPointer(void* array, void* element);
void* AppendWord(void* array, uint32_t element);
uint32_t PointerCount(const void* array);
void* PointerAt(const void* array, uint32_t index);
uint32_t WordAt(const void* array, uint32_t index);
// Frees every element of a pointer array, then the array.
void FreePointerArrayDeep(void* array);

}  // namespace klv::clicker
