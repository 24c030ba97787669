// The text and integer forms of command values, shared by ToText, ToInteger
// and the commands that show values. Pure.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/interface/command_values.h"

namespace klv {

// Writes the text form of a number, logical or date-time value into buffer
// (size > 0 bytes, always terminated, cut when longer). False, with buffer
// left empty, for any other type.
bool FormatScalar(const CommandArgument& value, char* buffer, size_t size);

// Leading white space, an optional sign and the digits up to the first
// non-digit, after full-width characters have been read as their single-byte
// forms. 0 without digits; accumulated in 32 bits, wrapping around.
int32_t TextToInteger(const char* text);

// Truncates toward zero; out-of-range values saturate and NaN gives 0.
int32_t RealToInteger(double value);

}  // namespace klv
