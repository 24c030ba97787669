// Conversion of property values between the program's form (32/64-bit
// words, heap texts, byte sets, font records) and a type's PropertyValue,
// decided by the property's kind.
#pragma once
#include <cstdint>

#include "runtime/unit_object.h"

namespace klv {

// The font record the program reads and writes, the face name a heap text.
struct FontRecord {
  int32_t angle;
  uint32_t bold;
  uint32_t italic;
  uint32_t strikeOut;
  uint32_t underline;
  int32_t size;
  char* face;
};

uint64_t PropertyValueToProgram(uint32_t kind, int element, const PropertyValue& value);
// For a font field (element 0..6) *out must already hold the current font.
void ProgramValueToProperty(uint32_t kind, int element, uint64_t value, PropertyValue* out);

struct LiveUnit;
// Makes the unit's cursor from its stored mouse-pointer block.
void ApplyUnitCursor(LiveUnit& unit);

}  // namespace klv
