#include "runtime/byte_reader.h"

#include <cstring>

namespace klv {

bool ByteReader::ReadU8(uint8_t* value) {
  if (!Need(1)) return false;
  *value = data_[position_++];
  return true;
}

bool ByteReader::ReadU16(uint16_t* value) {
  if (!Need(2)) return false;
  *value = static_cast<uint16_t>(data_[position_] | (data_[position_ + 1] << 8));
  position_ += 2;
  return true;
}

bool ByteReader::ReadU32(uint32_t* value) {
  if (!Need(4)) return false;
  const uint8_t* p = data_ + position_;
  *value = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
  position_ += 4;
  return true;
}

bool ByteReader::ReadI32(int32_t* value) {
  uint32_t word;
  if (!ReadU32(&word)) return false;
  *value = static_cast<int32_t>(word);
  return true;
}

bool ByteReader::Skip(size_t count, const uint8_t** start) {
  if (!Need(count)) return false;
  if (start) *start = data_ + position_;
  position_ += count;
  return true;
}

bool ByteReader::ReadString(std::string* value) {
  if (!Need(1)) return false;  // at least the terminating zero
  const void* zero = std::memchr(data_ + position_, 0, length_ - position_);
  if (zero == nullptr) return Fail();
  size_t count = static_cast<size_t>(static_cast<const uint8_t*>(zero) - (data_ + position_));
  value->assign(reinterpret_cast<const char*>(data_ + position_), count);
  position_ += count + 1;
  return true;
}

bool ByteReader::ReadCountedText(std::string* value) {
  int32_t length;
  if (!ReadI32(&length)) return false;
  value->clear();
  if (length <= 0) return true;
  const uint8_t* start;
  if (!Skip(static_cast<size_t>(length), &start)) return false;
  const void* zero = std::memchr(start, 0, static_cast<size_t>(length));
  size_t count = zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - start) : static_cast<size_t>(length);
  value->assign(reinterpret_cast<const char*>(start), count);
  return true;
}

bool ByteReader::ReadCountedBytes(std::vector<uint8_t>* value) {
  uint32_t length;
  if (!ReadU32(&length)) return false;
  const uint8_t* start;
  if (!Skip(length, &start)) return false;
  value->assign(start, start + length);
  return true;
}

bool ByteReader::Sub(size_t count, ByteReader* sub) {
  const uint8_t* start;
  if (!Skip(count, &start)) return false;
  *sub = ByteReader(start, count);
  return true;
}

void ByteWriter::U16(uint16_t value) {
  U8(static_cast<uint8_t>(value));
  U8(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::U32(uint32_t value) {
  for (int i = 0; i < 4; ++i) U8(static_cast<uint8_t>(value >> (8 * i)));
}

void ByteWriter::Bytes(const void* data, size_t count) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), p, p + count);
}

void ByteWriter::String(const std::string& value) {
  Bytes(value.data(), value.size());
  U8(0);
}

void ByteWriter::CountedText(const std::string& value) {
  I32(static_cast<int32_t>(value.size()));
  Bytes(value.data(), value.size());
}

void ByteWriter::CountedBytes(const std::vector<uint8_t>& value) {
  U32(static_cast<uint32_t>(value.size()));
  Bytes(value.data(), value.size());
}

void ByteWriter::PatchU32(size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace klv
