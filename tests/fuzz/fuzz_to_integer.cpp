// ToInteger, and ToText, on fuzzed values of every type.
// Input: a kind byte choosing the value's type (see kKinds), then 8 bytes for
// the value field of a scalar; for a text, the rest of the input is the
// text; for an array, a dimension byte (1 to 3 dimensions), one size byte per
// dimension, and the rest of the input as the elements' bytes.
// ToText gives a text or the empty text for every type; for the integer
// types, the integer read back from that text is the integer of the value.
#include <cstring>
#include <string>
#include <vector>

#include "controls/commands/core_commands.h"
#include "fuzz_support.h"
#include "runtime/array_value.h"
#include "runtime/heap.h"

namespace {

namespace T = klv::TypeCode;
using klvfuzz::Require;

enum class Kind { kScalar, kText, kArray, kOmitted };

struct ValueKind {
  uint32_t type;
  Kind kind;
  uint32_t elementSize;  // arrays only
};

const ValueKind kKinds[] = {
    {T::kText, Kind::kText, 0},
    {T::kByte, Kind::kScalar, 0},
    {T::kShort, Kind::kScalar, 0},
    {T::kInteger, Kind::kScalar, 0},
    {T::kLong, Kind::kScalar, 0},
    {T::kFloat, Kind::kScalar, 0},
    {T::kDouble, Kind::kScalar, 0},
    {T::kLogical, Kind::kScalar, 0},
    {T::kDateTime, Kind::kScalar, 0},
    {T::kSubroutine, Kind::kScalar, 0},
    {T::kWindow, Kind::kScalar, 0},
    {0, Kind::kOmitted, 0},
    {T::kByteSet, Kind::kArray, 1},
    {T::kByte | T::kArrayFlag, Kind::kArray, 1},
    {T::kShort | T::kArrayFlag, Kind::kArray, 2},
    {T::kInteger | T::kArrayFlag, Kind::kArray, 4},
    {T::kLong | T::kArrayFlag, Kind::kArray, 8},
    {T::kFloat | T::kArrayFlag, Kind::kArray, 4},
    {T::kDouble | T::kArrayFlag, Kind::kArray, 8},
    {T::kText | T::kArrayFlag, Kind::kArray, sizeof(char*)},
};
constexpr size_t kKindCount = sizeof kKinds / sizeof kKinds[0];

// An array of the given dimensions in one heap block of exactly its size,
// its elements the bytes given (zero after they run out). Text arrays stay
// zero: their elements are pointers.
void* NewFuzzedArray(klvfuzz::FuzzInput* input, const ValueKind& kind) {
  const uint32_t dimensions = 1 + input->Byte() % 3;
  std::vector<uint32_t> sizes;
  uint32_t count = 1;
  for (uint32_t i = 0; i < dimensions; ++i) {
    sizes.push_back(input->Byte() % 32);
    count *= sizes.back();
  }
  const uint32_t elementBytes = count * kind.elementSize;
  uint32_t* block = static_cast<uint32_t*>(klv::AllocateMemory(4 + 4 * dimensions + elementBytes));
  block[0] = dimensions;
  for (uint32_t i = 0; i < dimensions; ++i) block[1 + i] = sizes[i];
  uint8_t* elements = static_cast<uint8_t*>(klv::ArrayElements(block));
  std::memset(elements, 0, elementBytes);
  if (kind.type != (T::kText | T::kArrayFlag)) {
    const std::string bytes = input->Rest();
    std::memcpy(elements, bytes.data(), bytes.size() < elementBytes ? bytes.size() : elementBytes);
  }
  return block;
}

bool IsIntegerType(uint32_t type) {
  return type == T::kByte || type == T::kShort || type == T::kInteger || type == T::kLong;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  klvfuzz::FuzzInput input(data, size);
  const ValueKind& kind = kKinds[input.Byte() % kKindCount];
  const uint64_t bits = input.Bits64();
  const klvfuzz::ExactText text(kind.kind == Kind::kText ? input.Rest() : std::string(), true);
  void* array = kind.kind == Kind::kArray ? NewFuzzedArray(&input, kind) : nullptr;

  klv::CommandArgument value = klvfuzz::RawArgument(kind.type, bits);
  if (kind.kind == Kind::kText) value = klvfuzz::TextArgument(text.get());
  if (kind.kind == Kind::kArray) value = klvfuzz::PointerArgument(kind.type, array);

  const int32_t number = klvfuzz::TakeInteger(klvfuzz::Call(klv::core::ToInteger, {value}));
  const std::string shown = klvfuzz::TakeText(klvfuzz::Call(klv::core::ToText, {value}));
  if (kind.kind == Kind::kText) Require(shown == (text.get() ? text.get() : ""), "a text shows as itself");
  if (IsIntegerType(kind.type)) {
    const klvfuzz::ExactText digits(shown);
    const int32_t again = klvfuzz::TakeInteger(
        klvfuzz::Call(klv::core::ToInteger, {klvfuzz::TextArgument(digits.get())}));
    Require(again == number, "an integer's text reads back as the integer");
  }
  klv::FreeMemory(array);
  return 0;
}
