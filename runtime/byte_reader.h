// Bounded reading and writing of little-endian binary records. A reader knows
// the length of its block and fails, instead of reading past it; once failed,
// every further read fails too, so a parser may check once at the end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace klv {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t length) : data_(data), length_(data ? length : 0) {}

  bool ok() const { return ok_; }
  size_t position() const { return position_; }
  size_t remaining() const { return ok_ ? length_ - position_ : 0; }
  bool atEnd() const { return remaining() == 0; }
  const uint8_t* current() const { return data_ + position_; }

  bool ReadU8(uint8_t* value);
  bool ReadU16(uint16_t* value);
  bool ReadU32(uint32_t* value);
  bool ReadI32(int32_t* value);
  // Advances over count bytes; *start (when given) points at the first.
  bool Skip(size_t count, const uint8_t** start = nullptr);
  // A GBK string ending with one zero byte (the zero is consumed).
  bool ReadString(std::string* value);
  // A signed 32-bit length, then that many bytes; a length of 0 or less is
  // the empty text, and the text ends at the first zero byte inside it.
  bool ReadCountedText(std::string* value);
  // An unsigned 32-bit length, then that many bytes.
  bool ReadCountedBytes(std::vector<uint8_t>* value);
  // A sub-reader over the next count bytes, which this reader passes over.
  bool Sub(size_t count, ByteReader* sub);

  bool Fail() { ok_ = false; return false; }

 private:
  bool Need(size_t count) {
    if (!ok_ || count > length_ - position_) return Fail();
    return true;
  }
  const uint8_t* data_;
  size_t length_;
  size_t position_ = 0;
  bool ok_ = true;
};

class ByteWriter {
 public:
  void U8(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value);
  void U32(uint32_t value);
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void Bytes(const void* data, size_t count);
  void String(const std::string& value);         // with its zero byte
  void CountedText(const std::string& value);    // signed length, no terminator
  void CountedBytes(const std::vector<uint8_t>& value);
  // Overwrites a word written earlier (lengths known only afterwards).
  void PatchU32(size_t at, uint32_t value);

  size_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace klv
