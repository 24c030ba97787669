#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "controls/commands/command_arguments.h"
#include "runtime/array_value.h"
#include "runtime/heap.h"

namespace klvfuzz {

uint8_t FuzzInput::Byte() { return position_ < size_ ? data_[position_++] : 0; }

int32_t FuzzInput::Integer() {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(Byte()) << (8 * i);
  return static_cast<int32_t>(value);
}

uint64_t FuzzInput::Bits64() {
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value |= static_cast<uint64_t>(Byte()) << (8 * i);
  return value;
}

std::string FuzzInput::Text() {
  const uint8_t* start = data_ + position_;
  const void* zero = std::memchr(start, 0, remaining());
  const size_t length = zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - start) : remaining();
  position_ += zero ? length + 1 : length;
  return std::string(reinterpret_cast<const char*>(start), length);
}

std::string FuzzInput::Rest() {
  std::string rest(reinterpret_cast<const char*>(data_ + position_), remaining());
  position_ = size_;
  return rest;
}

ExactText::ExactText(const std::string& bytes, bool nullWhenEmpty) : length_(std::strlen(bytes.c_str())) {
  if (length_ == 0 && nullWhenEmpty) return;
  text_ = static_cast<char*>(std::malloc(length_ + 1));
  std::memcpy(text_, bytes.data(), length_);
  text_[length_] = '\0';
}

ExactText::~ExactText() { std::free(text_); }

CommandArgument OmittedArgument() { return {0, 0, klv::TypeCode::kOmitted}; }

CommandArgument IntegerArgument(int32_t value) { return {static_cast<uint32_t>(value), 0, klv::TypeCode::kInteger}; }

CommandArgument TextArgument(const char* text) { return PointerArgument(klv::TypeCode::kText, text); }

CommandArgument RawArgument(uint32_t type, uint64_t bits) {
  return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), type};
}

CommandArgument PointerArgument(uint32_t type, const void* pointer) {
  CommandArgument argument = {0, 0, type};
  klv::StorePointer(&argument, pointer);
  return argument;
}

CommandResult Call(klv::CommandFunction command, const std::vector<CommandArgument>& arguments) {
  CommandResult result = {0, 0, 0};
  command(&result, static_cast<int>(arguments.size()), arguments.data());
  return result;
}

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "property violated: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

namespace {

// Takes a heap text the caller owns; null is the empty text.
std::string TakeHeapText(char* text) {
  if (text == nullptr) return std::string();
  std::string bytes(text);
  klv::FreeMemory(text);
  Require(!bytes.empty(), "a text result is null or holds at least one byte");
  return bytes;
}

}  // namespace

std::string TakeText(const CommandResult& result) {
  Require(result.type == klv::TypeCode::kText, "the result is a text");
  return TakeHeapText(static_cast<char*>(const_cast<void*>(klv::LoadPointer(result))));
}

std::vector<std::string> TakeTextArray(const CommandResult& result) {
  Require(result.type == (klv::TypeCode::kText | klv::TypeCode::kArrayFlag), "the result is a text array");
  void* array = const_cast<void*>(klv::LoadPointer(result));
  Require(array != nullptr, "an array result is never null");
  Require(klv::ArrayDimensionCount(array) == 1, "a text array result has one dimension");
  char** elements = static_cast<char**>(klv::ArrayElements(array));
  std::vector<std::string> texts;
  for (uint32_t i = 0; i < klv::ArrayElementCount(array); ++i) texts.push_back(TakeHeapText(elements[i]));
  klv::FreeMemory(array);
  return texts;
}

int32_t TakeInteger(const CommandResult& result) {
  Require(result.type == klv::TypeCode::kInteger, "the result is an integer");
  return static_cast<int32_t>(result.low);
}

}  // namespace klvfuzz
