#include "controls/commands/command_arguments.h"

#include <cstring>

#include "runtime/array_value.h"

namespace klv {

namespace {
const CommandArgument kOmitted = {0, 0, TypeCode::kOmitted};
}  // namespace

bool CommandArguments::Omitted(int i) const {
  return i < 0 || i >= count_ || arguments_ == nullptr || arguments_[i].type == TypeCode::kOmitted;
}

uint32_t CommandArguments::Type(int i) const { return At(i).type; }

const CommandArgument& CommandArguments::At(int i) const { return Omitted(i) ? kOmitted : arguments_[i]; }

int32_t CommandArguments::Integer(int i, int32_t fallback) const {
  return Omitted(i) ? fallback : static_cast<int32_t>(arguments_[i].low);
}

uint64_t CommandArguments::Bits64(int i) const {
  const CommandArgument& value = At(i);
  return (uint64_t{value.high} << 32) | value.low;
}

const void* CommandArguments::Pointer(int i) const { return LoadPointer(At(i)); }

const char* CommandArguments::Text(int i, const char* fallback) const {
  return Omitted(i) ? fallback : static_cast<const char*>(Pointer(i));
}

void SetTextResult(CommandResult* result, char* heapText) {
  StorePointer(result, heapText);
  result->type = TypeCode::kText;
}

void SetIntegerResult(CommandResult* result, int32_t value) {
  result->low = static_cast<uint32_t>(value);
  result->high = 0;
  result->type = TypeCode::kInteger;
}

void SetLogicalResult(CommandResult* result, bool value) {
  result->low = value ? 1 : 0;
  result->high = 0;
  result->type = TypeCode::kLogical;
}

void SetArrayResult(CommandResult* result, void* array, uint32_t elementType) {
  StorePointer(result, array);
  result->type = elementType | TypeCode::kArrayFlag;
}

void* NewTextArray(const std::vector<char*>& texts) {
  void* array = NewArray(static_cast<uint32_t>(texts.size()), sizeof(char*));  // one pointer per text
  if (!texts.empty()) std::memcpy(ArrayElements(array), texts.data(), texts.size() * sizeof(char*));
  return array;
}

void StorePointer(CommandArgument* value, const void* pointer) {
  uint64_t bits = reinterpret_cast<uintptr_t>(pointer);
  value->low = static_cast<uint32_t>(bits);
  value->high = static_cast<uint32_t>(bits >> 32);
}

const void* LoadPointer(const CommandArgument& value) {
  // On a 32-bit build uintptr_t drops the high word, whatever it holds.
  uint64_t bits = (uint64_t{value.high} << 32) | value.low;
  return reinterpret_cast<const void*>(static_cast<uintptr_t>(bits));
}

}  // namespace klv
