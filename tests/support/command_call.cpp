#include "tests/support/command_call.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "controls/commands/command_arguments.h"
#include "runtime/app_runtime.h"
#include "runtime/array_value.h"
#include "runtime/heap.h"

namespace klvtest {

namespace TypeCode = klv::TypeCode;

CommandArgument Omitted() { return Raw(TypeCode::kOmitted, 0); }

CommandArgument Raw(uint32_t type, uint32_t low, uint32_t high) { return CommandArgument{low, high, type}; }

CommandArgument Text(const char* text) { return Pointer(TypeCode::kText, text); }

CommandArgument Integer(int32_t value) { return Raw(TypeCode::kInteger, static_cast<uint32_t>(value)); }

CommandArgument Long(int64_t value) {
  const uint64_t bits = static_cast<uint64_t>(value);
  return Raw(TypeCode::kLong, static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32));
}

CommandArgument Float(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return Raw(TypeCode::kFloat, bits);
}

CommandArgument Double(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return Raw(TypeCode::kDouble, static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32));
}

CommandArgument DateTime(double oleDate) {
  CommandArgument value = Double(oleDate);
  value.type = TypeCode::kDateTime;
  return value;
}

CommandArgument Logical(bool value) { return Raw(TypeCode::kLogical, value ? 1 : 0); }

CommandArgument Pointer(uint32_t type, const void* pointer) {
  CommandArgument value = Raw(type, 0);
  klv::StorePointer(&value, pointer);
  return value;
}

CommandResult Call(CommandFunction command, std::initializer_list<CommandArgument> arguments) {
  return Call(command, std::vector<CommandArgument>(arguments));
}

CommandResult Call(CommandFunction command, const std::vector<CommandArgument>& arguments) {
  return klv::SupportTable().CallCoreCommand(command, static_cast<int>(arguments.size()), arguments.data());
}

void* ArrayOfBytes(const std::string& bytes, uint32_t elementSize) {
  void* array = klv::NewArray(static_cast<uint32_t>(bytes.size() / elementSize), elementSize);
  std::memcpy(klv::ArrayElements(array), bytes.data(), bytes.size() / elementSize * elementSize);
  return array;
}

void FreeBlock(void* block) { klv::FreeMemory(block); }

namespace {

std::string TakeHeapText(char* text) {
  if (text == nullptr) return "";
  std::string bytes(text);
  EXPECT_FALSE(bytes.empty()) << "an empty text must be null, not a zero-length block";
  klv::FreeMemory(text);
  return bytes;
}

}  // namespace

std::string TakeText(const CommandResult& result) {
  EXPECT_EQ(TypeCode::kText, result.type);
  return TakeHeapText(static_cast<char*>(const_cast<void*>(klv::LoadPointer(result))));
}

std::vector<std::string> TakeTextArray(const CommandResult& result) {
  EXPECT_EQ(TypeCode::kText | TypeCode::kArrayFlag, result.type);
  void* array = const_cast<void*>(klv::LoadPointer(result));
  std::vector<std::string> texts;
  if (array == nullptr) {
    ADD_FAILURE() << "a text array result is never null";
    return texts;
  }
  EXPECT_EQ(1u, klv::ArrayDimensionCount(array));
  char** elements = static_cast<char**>(klv::ArrayElements(array));
  for (uint32_t i = 0; i < klv::ArrayElementCount(array); ++i) texts.push_back(TakeHeapText(elements[i]));
  klv::FreeMemory(array);
  return texts;
}

int32_t IntegerOf(const CommandResult& result) {
  EXPECT_EQ(TypeCode::kInteger, result.type);
  return static_cast<int32_t>(result.low);
}

bool LogicalOf(const CommandResult& result) {
  EXPECT_EQ(TypeCode::kLogical, result.type);
  EXPECT_LE(result.low, 1u);
  return result.low != 0;
}

std::string Escaped(const std::string& bytes) {
  std::string shown;
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
      continue;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    shown += hex;
  }
  return shown;
}

}  // namespace klvtest
