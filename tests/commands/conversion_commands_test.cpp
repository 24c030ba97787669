// ToText and ToInteger for every type of value.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "controls/commands/core_commands.h"
#include "runtime/interface/command_values.h"
#include "tests/support/command_call.h"

namespace klvtest {
namespace {

namespace TypeCode = klv::TypeCode;

struct ToTextCase {
  CommandArgument value;
  const char* expected;
};

void ExpectToText(const ToTextCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    EXPECT_EQ(Escaped(cases[i].expected), Escaped(TakeText(Call(klv::core::ToText, {cases[i].value}))))
        << "case " << i << ", type " << std::hex << cases[i].value.type;
  }
}

TEST(ToText, WritesNumbersAndLogicals) {
  const ToTextCase cases[] = {
      {Raw(TypeCode::kByte, 255), "255"},
      {Raw(TypeCode::kByte, 0xFFFFFF07), "7"},
      {Raw(TypeCode::kShort, static_cast<uint32_t>(-5)), "-5"},
      {Raw(TypeCode::kShort, 0x1FFFF), "-1"},
      {Integer(INT_MIN), "-2147483648"},
      {Integer(0), "0"},
      {Long(INT64_MIN), "-9223372036854775808"},
      {Long(1234567890123LL), "1234567890123"},
      {Long(-42), "-42"},
      {Float(1.5f), "1.5"},
      {Float(1.0f / 3), "0.333333"},
      {Float(-1234567.0f), "-1.23457e+06"},
      {Double(0.1), "0.1"},
      {Double(1.0 / 3), "0.3333333333333"},
      {Double(-2.5), "-2.5"},
      {Double(1234567890123456.0), "1.234567890123e+15"},
      {Logical(true), "真"},
      {Raw(TypeCode::kLogical, 2), "真"},
      {Logical(false), "假"},
  };
  ExpectToText(cases, sizeof cases / sizeof cases[0]);
}

constexpr double kSecond = 1.0 / 86400;
constexpr double kJan1st2000 = 36526;

TEST(ToText, WritesDatesWithTheTimePartsThatAreSet) {
  const ToTextCase cases[] = {
      {DateTime(0), "1899年12月30日"},
      {DateTime(1), "1899年12月31日"},
      {DateTime(61), "1900年3月1日"},
      {DateTime(kJan1st2000), "2000年1月1日"},
      {DateTime(36585), "2000年2月29日"},
      {DateTime(kJan1st2000 + 0.5), "2000年1月1日12时"},
      {DateTime(kJan1st2000 + 45000 * kSecond), "2000年1月1日12时30分"},
      {DateTime(kJan1st2000 + 45001 * kSecond), "2000年1月1日12时30分1秒"},
      {DateTime(kJan1st2000 + 300 * kSecond), "2000年1月1日0时5分"},
      {DateTime(kJan1st2000 + 7 * kSecond), "2000年1月1日0时0分7秒"},
      {DateTime(kJan1st2000 + 59.6 * kSecond), "2000年1月1日0时1分"},
      {DateTime(kJan1st2000 + 86399.6 * kSecond), "2000年1月2日"},
      // Negative dates: the fraction counts away from zero.
      {DateTime(-1.25), "1899年12月29日6时"},
      {DateTime(-0.5), "1899年12月30日12时"},
      {DateTime(-1 - 86399.7 * kSecond), "1899年12月30日"},
      {DateTime(-36522.75), "1800年1月1日18时"},
      // Clamped to 31 Dec 9999 and 1 Jan 100.
      {DateTime(2958465), "9999年12月31日"},
      {DateTime(2958465.5), "9999年12月31日"},
      {DateTime(3e6), "9999年12月31日"},
      {DateTime(2958464.75), "9999年12月30日18时"},
      {DateTime(-657434), "100年1月1日"},
      {DateTime(-1e7), "100年1月1日"},
      {DateTime(std::numeric_limits<double>::quiet_NaN()), "1899年12月30日"},
  };
  ExpectToText(cases, sizeof cases / sizeof cases[0]);
}

TEST(ToText, CopiesTexts) {
  const char source[] = "中文";
  const CommandResult result = Call(klv::core::ToText, {Text(source)});
  EXPECT_NE(static_cast<uintptr_t>(result.low), reinterpret_cast<uintptr_t>(source)) << "must be a fresh copy";
  EXPECT_EQ(source, TakeText(result));
  EXPECT_EQ("", TakeText(Call(klv::core::ToText, {Text(nullptr)})));
}

TEST(ToText, ReadsByteSetsAndNumericArraysUpToTheFirstZeroByte) {
  struct ArrayCase {
    uint32_t type;
    uint32_t elementSize;
    std::string bytes;
    const char* expected;
  };
  const ArrayCase cases[] = {
      {TypeCode::kByteSet, 1, std::string("ab\0c", 4), "ab"},
      {TypeCode::kByteSet, 1, "xyz", "xyz"},
      {TypeCode::kByteSet, 1, "", ""},
      {TypeCode::kByte | TypeCode::kArrayFlag, 1, "AB", "AB"},
      {TypeCode::kShort | TypeCode::kArrayFlag, 2, std::string("ABC\0", 4), "ABC"},
      {TypeCode::kInteger | TypeCode::kArrayFlag, 4, std::string("abcd\0\0\0\0", 8), "abcd"},
      {TypeCode::kLong | TypeCode::kArrayFlag, 8, "ABCDEFGH", "ABCDEFGH"},
      {TypeCode::kFloat | TypeCode::kArrayFlag, 4, "wxyz1234", "wxyz1234"},
      {TypeCode::kDouble | TypeCode::kArrayFlag, 8, std::string("12345678\0", 9).substr(0, 8), "12345678"},
      {TypeCode::kShort | TypeCode::kArrayFlag, 2, "中文", "中文"},
  };
  for (const ArrayCase& c : cases) {
    void* array = ArrayOfBytes(c.bytes, c.elementSize);
    EXPECT_EQ(c.expected, TakeText(Call(klv::core::ToText, {Pointer(c.type, array)}))) << std::hex << c.type;
    FreeBlock(array);
  }
  EXPECT_EQ("", TakeText(Call(klv::core::ToText, {Pointer(TypeCode::kByteSet, nullptr)})));
}

TEST(ToText, GivesTheEmptyTextForEveryOtherType) {
  void* bytes = ArrayOfBytes("abcd", 4);
  const CommandArgument others[] = {
      Pointer(TypeCode::kText | TypeCode::kArrayFlag, bytes),
      Pointer(TypeCode::kDateTime | TypeCode::kArrayFlag, bytes),
      Pointer(TypeCode::kLogical | TypeCode::kArrayFlag, bytes),
      Raw(TypeCode::kSubroutine, 0x401000),
      Raw(TypeCode::kWindow, 0x12345),
      Omitted(),
  };
  for (const CommandArgument& value : others) {
    EXPECT_EQ("", TakeText(Call(klv::core::ToText, {value}))) << std::hex << value.type;
  }
  FreeBlock(bytes);
}

struct ToIntegerCase {
  CommandArgument value;
  int32_t expected;
};

void ExpectToInteger(const ToIntegerCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    EXPECT_EQ(cases[i].expected, IntegerOf(Call(klv::core::ToInteger, {cases[i].value})))
        << "case " << i << ", type " << std::hex << cases[i].value.type;
  }
}

TEST(ToInteger, ParsesTextsAfterReadingFullWidthCharactersAsAscii) {
  const ToIntegerCase cases[] = {
      {Text("123"), 123},
      {Text("  -45x"), -45},
      {Text("+7"), 7},
      {Text("\t\r\n 12"), 12},
      {Text("abc"), 0},
      {Text("- 5"), 0},
      {Text("1 2"), 1},
      {Text(""), 0},
      {Text(nullptr), 0},
      {Text("１２３"), 123},
      {Text("－１２"), -12},
      {Text("＋８"), 8},
      {Text("　 　１２"), 12},
      {Text("12３4"), 1234},
      {Text("中12"), 0},
      // A digit that is the second byte of a character is no digit.
      {Text("\xB0" "12"), 0},
      {Text("4294967297"), 1},
      {Text("2147483648"), INT_MIN},
      {Text("-2147483649"), INT_MAX},
      {Text("99999999999"), 1215752191},
  };
  ExpectToInteger(cases, sizeof cases / sizeof cases[0]);
}

TEST(ToInteger, TakesIntegralTypesByWidth) {
  const ToIntegerCase cases[] = {
      {Raw(TypeCode::kByte, 0xFFFFFF80), 128},
      {Raw(TypeCode::kShort, 0xFFFF), -1},
      {Raw(TypeCode::kShort, 0x18000), -32768},
      {Integer(-7), -7},
      {Long(0x100000005LL), 5},
      {Long(-1), -1},
      {Long(0x7FFFFFFF80000000LL), INT_MIN},
      {Logical(true), 1},
      {Raw(TypeCode::kSubroutine, 0x401000, 0xFFFF), 0x401000},
  };
  ExpectToInteger(cases, sizeof cases / sizeof cases[0]);
}

TEST(ToInteger, TruncatesRealsTowardZeroAndSaturates) {
  const ToIntegerCase cases[] = {
      {Float(2.9f), 2},
      {Float(-2.9f), -2},
      {Double(2.9), 2},
      {Double(-2.9), -2},
      {Double(-0.5), 0},
      {Double(2147483647.9), INT_MAX},
      {Double(-2147483648.9), INT_MIN},
      {Double(1e10), INT_MAX},
      {Double(-1e10), INT_MIN},
      {Float(3e38f), INT_MAX},
      {Double(std::numeric_limits<double>::infinity()), INT_MAX},
      {Double(std::numeric_limits<double>::quiet_NaN()), 0},
      {Float(std::numeric_limits<float>::quiet_NaN()), 0},
  };
  ExpectToInteger(cases, sizeof cases / sizeof cases[0]);
}

TEST(ToInteger, GivesZeroForEveryOtherType) {
  const ToIntegerCase cases[] = {
      {DateTime(36526.5), 0},
      {Raw(TypeCode::kByteSet, 0x1234), 0},
      {Raw(TypeCode::kInteger | TypeCode::kArrayFlag, 0x1234), 0},
      {Raw(TypeCode::kWindow, 5), 0},
      {Omitted(), 0},
  };
  ExpectToInteger(cases, sizeof cases / sizeof cases[0]);
}

}  // namespace
}  // namespace klvtest
