// ToText and ToInteger: every type of value turned into a text or an integer.
#include "controls/commands/conversion_commands.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "controls/commands/command_arguments.h"
#include "controls/commands/core_commands.h"
#include "controls/commands/ole_date.h"
#include "controls/commands/text_scan.h"
#include "runtime/array_value.h"
#include "runtime/text_value.h"

namespace klv {
namespace {

int64_t LongValue(const CommandArgument& value) {
  return static_cast<int64_t>((uint64_t{value.high} << 32) | value.low);
}

float FloatValue(const CommandArgument& value) {
  float number;
  static_assert(sizeof number == 4, "a single real is 4 bytes");
  std::memcpy(&number, &value.low, sizeof number);
  return number;
}

double DoubleValue(const CommandArgument& value) {
  const uint64_t bits = (uint64_t{value.high} << 32) | value.low;
  double number;
  static_assert(sizeof number == 8, "a double real is 8 bytes");
  std::memcpy(&number, &bits, sizeof number);
  return number;
}

void FormatDateTime(double oleDate, char* buffer, size_t size) {
  const DateTimeParts t = SplitOleDate(oleDate);
  const int written = std::snprintf(buffer, size, "%d年%d月%d日", t.year, t.month, t.day);
  if (written < 0 || static_cast<size_t>(written) >= size) return;
  char* time = buffer + written;
  const size_t left = size - static_cast<size_t>(written);
  if (t.second != 0) {
    std::snprintf(time, left, "%d时%d分%d秒", t.hour, t.minute, t.second);
  } else if (t.minute != 0) {
    std::snprintf(time, left, "%d时%d分", t.hour, t.minute);
  } else if (t.hour != 0) {
    std::snprintf(time, left, "%d时", t.hour);
  }
}

// Bytes per element of the arrays whose raw bytes ToText reads: byte sets,
// and arrays of a numeric type; 0 for every other type.
uint32_t RawElementSize(uint32_t type) {
  if (type == TypeCode::kByteSet) return 1;
  const uint32_t element = type & ~TypeCode::kArrayFlag;
  if ((type & TypeCode::kArrayFlag) == 0 || !TypeCode::IsNumeric(element)) return 0;
  static const uint32_t kSizes[] = {0, 1, 2, 4, 8, 4, 8};  // by the code's second byte
  const uint32_t kind = (element >> 8) & 0xFF;
  return kind < sizeof kSizes / sizeof kSizes[0] ? kSizes[kind] : 0;
}

// The array's bytes up to the first zero byte, or all of them.
char* RawBytesText(const void* array, uint32_t elementSize) {
  if (array == nullptr) return nullptr;
  const size_t length = size_t{ArrayElementCount(array)} * elementSize;
  return CopyTextBytes(static_cast<const char*>(ArrayElements(array)), length);
}

// Reads a text a character at a time as single bytes: full-width letters,
// digits and signs (lead 0xA3) become their ASCII forms, a few 0xA1
// characters become space, '~' or '*'; any other double-byte character
// reads as its lead byte, which no parser below takes for a digit or sign.
class NormalizedReader {
 public:
  explicit NormalizedReader(const char* text) : at_(text ? text : "") { Read(); }
  unsigned char current() const { return current_; }
  void Advance() {
    at_ += length_;
    Read();
  }

 private:
  void Read() {
    length_ = CharacterLength(at_);
    const unsigned char lead = static_cast<unsigned char>(at_[0]);
    current_ = length_ == 2 ? Normalized(lead, static_cast<unsigned char>(at_[1])) : lead;
  }

  static unsigned char Normalized(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return trail & 0x7F;
    if (lead != 0xA1) return lead;
    switch (trail) {
      case 0xA1: return ' ';
      case 0xAB: return '~';
      case 0xEE:
      case 0xEF: return '*';
      default: return lead;
    }
  }

  const char* at_;
  size_t length_ = 1;
  unsigned char current_ = 0;
};

bool IsWhiteSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool FormatScalar(const CommandArgument& value, char* buffer, size_t size) {
  buffer[0] = '\0';
  switch (value.type) {
    case TypeCode::kByte: std::snprintf(buffer, size, "%u", value.low & 0xFFu); return true;
    case TypeCode::kShort: std::snprintf(buffer, size, "%d", static_cast<int16_t>(value.low)); return true;
    case TypeCode::kInteger: std::snprintf(buffer, size, "%d", static_cast<int32_t>(value.low)); return true;
    case TypeCode::kLong: std::snprintf(buffer, size, "%" PRId64, LongValue(value)); return true;
    case TypeCode::kFloat: std::snprintf(buffer, size, "%.6g", static_cast<double>(FloatValue(value))); return true;
    case TypeCode::kDouble: std::snprintf(buffer, size, "%.13g", DoubleValue(value)); return true;
    case TypeCode::kLogical: std::snprintf(buffer, size, "%s", value.low != 0 ? "真" : "假"); return true;
    case TypeCode::kDateTime: FormatDateTime(DoubleValue(value), buffer, size); return true;
    default: return false;
  }
}

int32_t TextToInteger(const char* text) {
  NormalizedReader reader(text);
  while (IsWhiteSpace(reader.current())) reader.Advance();
  const bool negative = reader.current() == '-';
  if (negative || reader.current() == '+') reader.Advance();
  uint32_t value = 0;
  for (; IsDigit(reader.current()); reader.Advance()) value = value * 10 + (reader.current() - '0');
  return static_cast<int32_t>(negative ? 0u - value : value);
}

int32_t RealToInteger(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return INT32_MAX;
  if (value <= -2147483649.0) return INT32_MIN;
  return static_cast<int32_t>(value);  // truncates toward zero
}

namespace core {

void ToText(CommandResult* result, int count, const CommandArgument* arguments) {
  const CommandArgument& value = CommandArguments(count, arguments).At(0);
  char buffer[64];
  char* text = nullptr;
  if (FormatScalar(value, buffer, sizeof buffer)) {
    text = CopyText(buffer);
  } else if (value.type == TypeCode::kText) {
    text = CopyText(static_cast<const char*>(LoadPointer(value)));
  } else if (const uint32_t elementSize = RawElementSize(value.type)) {
    text = RawBytesText(LoadPointer(value), elementSize);
  }
  SetTextResult(result, text);
}

void ToInteger(CommandResult* result, int count, const CommandArgument* arguments) {
  const CommandArgument& value = CommandArguments(count, arguments).At(0);
  int32_t number = 0;
  switch (value.type) {
    case TypeCode::kText: number = TextToInteger(static_cast<const char*>(LoadPointer(value))); break;
    case TypeCode::kByte: number = static_cast<uint8_t>(value.low); break;
    case TypeCode::kShort: number = static_cast<int16_t>(value.low); break;
    case TypeCode::kInteger:
    case TypeCode::kLong:
    case TypeCode::kLogical:
    case TypeCode::kSubroutine: number = static_cast<int32_t>(value.low); break;
    case TypeCode::kFloat: number = RealToInteger(FloatValue(value)); break;
    case TypeCode::kDouble: number = RealToInteger(DoubleValue(value)); break;
    default: break;
  }
  SetIntegerResult(result, number);
}

}  // namespace core
}  // namespace klv
