// The one argument-checking vocabulary every command uses: read argument i
// as a text, an integer or a pointer (with a default when it is omitted), and
// set the result record. Omitted optional arguments still have their slot,
// with TypeCode 0; an index past the count also reads as omitted.
// Pure: no system headers, so it builds natively for sanitizers and fuzzing.
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/interface/command_values.h"

namespace klv {

class CommandArguments {
 public:
  CommandArguments(int count, const CommandArgument* arguments) : count_(count), arguments_(arguments) {}

  int count() const { return count_ > 0 ? count_ : 0; }
  bool Omitted(int i) const;
  uint32_t Type(int i) const;  // 0 when omitted
  const CommandArgument& At(int i) const;  // a zeroed record when omitted

  // The low 32 bits; the default when omitted.
  int32_t Integer(int i, int32_t fallback = 0) const;
  // All 64 bits of the value field, low word first.
  uint64_t Bits64(int i) const;
  // The value field as a pointer (texts, arrays, byte sets); null when omitted.
  const void* Pointer(int i) const;
  // A text argument; the default when omitted. Null is the empty text.
  const char* Text(int i, const char* fallback = nullptr) const;

 private:
  int count_;
  const CommandArgument* arguments_;
};

// Result setters. Texts and arrays handed over become the caller's.
void SetTextResult(CommandResult* result, char* heapText);
void SetIntegerResult(CommandResult* result, int32_t value);
void SetLogicalResult(CommandResult* result, bool value);
// array: a heap ArrayValue whose elements are of elementType.
void SetArrayResult(CommandResult* result, void* array, uint32_t elementType);
// A one-dimensional array holding the heap texts, which it takes over.
void* NewTextArray(const std::vector<char*>& texts);

// A pointer kept in (or read from) an 8-byte value field: low word first, the
// high word used only where pointers are 64 bits wide.
void StorePointer(CommandArgument* value, const void* pointer);
const void* LoadPointer(const CommandArgument& value);

}  // namespace klv
