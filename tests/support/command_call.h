// Calling core commands the way the program does (through the support
// table's dispatch, which zeroes the result first), building their arguments
// and taking their results apart.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/interface/command_values.h"

namespace klvtest {

using klv::CommandArgument;
using klv::CommandFunction;
using klv::CommandResult;

CommandArgument Omitted();
CommandArgument Raw(uint32_t type, uint32_t low, uint32_t high = 0);
CommandArgument Text(const char* text);
CommandArgument Integer(int32_t value);
CommandArgument Long(int64_t value);
CommandArgument Float(float value);
CommandArgument Double(double value);
CommandArgument DateTime(double oleDate);
CommandArgument Logical(bool value);
CommandArgument Pointer(uint32_t type, const void* pointer);

CommandResult Call(CommandFunction command, std::initializer_list<CommandArgument> arguments);
CommandResult Call(CommandFunction command, const std::vector<CommandArgument>& arguments);

// A heap ArrayValue (d = 1) holding the bytes given; freed by FreeBlock.
void* ArrayOfBytes(const std::string& bytes, uint32_t elementSize);
void FreeBlock(void* block);

// The bytes of a text result, which is freed. Records a failure when the
// result is not a text, or is a zero-length block instead of null.
std::string TakeText(const CommandResult& result);
// The elements of a text-array result (null elements read as ""), which is
// freed with its elements; the same checks for every element.
std::vector<std::string> TakeTextArray(const CommandResult& result);
// An integer or logical result's value, after checking its type.
int32_t IntegerOf(const CommandResult& result);
bool LogicalOf(const CommandResult& result);

// Shows bytes as a readable literal in failure messages: non-ASCII as \xHH.
std::string Escaped(const std::string& bytes);

}  // namespace klvtest
