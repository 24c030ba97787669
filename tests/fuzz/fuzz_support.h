// What the native tests and the fuzz targets share: typed fields read off a
// fuzzer's input, texts in heap blocks of exactly their size (a read one
// byte past the terminator is an AddressSanitizer report), command
// arguments, and results taken apart and freed (LeakSanitizer watches).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/interface/command_values.h"

namespace klvfuzz {

using klv::CommandArgument;
using klv::CommandResult;

// Fields taken from the front of the input, one after another; a field that
// runs past the end reads the missing bytes as zero.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t Byte();
  int32_t Integer();   // 4 bytes, little-endian
  uint64_t Bits64();   // 8 bytes, little-endian
  std::string Text();  // up to the next zero byte, which is consumed, or the end
  std::string Rest();  // every byte left, zeros included
  size_t remaining() const { return size_ - position_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

// A zero-terminated text in a malloc block of exactly its length + 1 bytes:
// the bytes up to the first zero. An empty text is a one-byte block, or null
// when asked for.
class ExactText {
 public:
  explicit ExactText(const std::string& bytes, bool nullWhenEmpty = false);
  ~ExactText();
  ExactText(const ExactText&) = delete;
  ExactText& operator=(const ExactText&) = delete;

  const char* get() const { return text_; }
  size_t length() const { return length_; }

 private:
  char* text_ = nullptr;
  size_t length_ = 0;
};

CommandArgument OmittedArgument();
CommandArgument IntegerArgument(int32_t value);
CommandArgument TextArgument(const char* text);
CommandArgument RawArgument(uint32_t type, uint64_t bits);
CommandArgument PointerArgument(uint32_t type, const void* pointer);

// Calls a command as the program's dispatch does: on a zeroed result record.
CommandResult Call(klv::CommandFunction command, const std::vector<CommandArgument>& arguments);

// Ends the process with a message when a property does not hold: the fuzzer
// records the input as a crash.
void Require(bool condition, const char* what);

// The bytes of a text result, which is freed. Requires the text type and
// never a zero-length block (the empty text is null).
std::string TakeText(const CommandResult& result);
// The elements of a one-dimensional text-array result ("" for null), freed
// with every element; the same requirements for each element.
std::vector<std::string> TakeTextArray(const CommandResult& result);
// An integer result's value, after checking its type.
int32_t TakeInteger(const CommandResult& result);

}  // namespace klvfuzz
