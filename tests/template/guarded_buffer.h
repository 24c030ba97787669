// A copy of some bytes placed so that they end exactly where an inaccessible
// page begins: a parser that reads one byte past them faults at once, instead
// of quietly reading whatever lies behind a heap block.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class GuardedBuffer {
 public:
  GuardedBuffer(const uint8_t* data, size_t length);
  explicit GuardedBuffer(const std::vector<uint8_t>& bytes) : GuardedBuffer(bytes.data(), bytes.size()) {}
  ~GuardedBuffer();
  GuardedBuffer(const GuardedBuffer&) = delete;
  GuardedBuffer& operator=(const GuardedBuffer&) = delete;

  const uint8_t* data() const { return data_; }
  size_t size() const { return length_; }

 private:
  void* region_ = nullptr;
  const uint8_t* data_ = nullptr;
  size_t length_ = 0;
};
