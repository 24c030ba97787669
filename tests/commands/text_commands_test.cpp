// The pure text commands on ASCII and GBK double-byte texts. "中" is D6 D0,
// "文" CE C4, "啊" B0 A1; "\x95\x5C" is a character whose trail byte is '\'.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "controls/commands/core_commands.h"
#include "tests/support/command_call.h"

namespace klvtest {
namespace {

using Texts = std::vector<std::string>;

struct SplitCase {
  const char* text;
  CommandArgument separator;
  CommandArgument maximum;
  Texts expected;  // "" stands for a null element
};

TEST(SplitText, CutsWholeCharactersAndHonoursTheMaximum) {
  const SplitCase cases[] = {
      {"a,b,c", Omitted(), Omitted(), {"a", "b", "c"}},
      {"a,,b", Omitted(), Omitted(), {"a", "", "b"}},
      {",a", Omitted(), Omitted(), {"", "a"}},
      {"a,", Omitted(), Omitted(), {"a"}},
      {"a,,", Omitted(), Omitted(), {"a", ""}},
      {",", Omitted(), Omitted(), {""}},
      {"a::b:c", Text("::"), Omitted(), {"a", "b:c"}},
      {"a,b,c", Omitted(), Integer(2), {"a", "b"}},
      {"a,b", Omitted(), Integer(2), {"a", "b"}},
      {"a,b,c", Omitted(), Integer(1), {"a"}},
      {"a,b,c", Omitted(), Integer(0), {}},
      {"a,b,c", Omitted(), Integer(-3), {}},
      {",,x", Omitted(), Integer(2), {"", ""}},
      {"", Omitted(), Omitted(), {}},
      {nullptr, Omitted(), Omitted(), {}},
      {"a,b", Text(""), Omitted(), {"a,b"}},
      {"a,b", Text(nullptr), Integer(5), {"a,b"}},
      {"中,文", Omitted(), Omitted(), {"中", "文"}},
      {"中文字", Text("文"), Omitted(), {"中", "字"}},
      // The separator's bytes straddle the boundary of 中 and 文: no cut.
      {"中文", Text("\xD0\xCE"), Omitted(), {"中文"}},
      // A ',' right after a lead byte is that character's second byte.
      {"\xB0," "x,y", Omitted(), Omitted(), {"\xB0," "x", "y"}},
      // A '\' that is a trail byte is no separator; the one after it is.
      {"\x95\x5C" "a\\b", Text("\\"), Omitted(), {"\x95\x5C" "a", "b"}},
      {"a,\xB0", Omitted(), Omitted(), {"a", "\xB0"}},
  };
  for (const SplitCase& c : cases) {
    const char* shown = c.text ? c.text : "(null)";
    EXPECT_EQ(c.expected, TakeTextArray(Call(klv::core::SplitText, {Text(c.text), c.separator, c.maximum})))
        << Escaped(shown);
  }
}

TEST(SplitText, EmptyResultIsAnEmptyOneDimensionalArray) {
  EXPECT_EQ(Texts{}, TakeTextArray(Call(klv::core::SplitText, {Text("")})));
}

struct TextCase {
  const char* text;
  const char* expected;
};

TEST(TrimSpaces, RemovesHalfAndFullWidthSpacesAtBothEnds) {
  const TextCase cases[] = {
      {"  ab  ", "ab"},
      {"　ab　　", "ab"},
      {" 　a b　 ", "a b"},
      {"a　b", "a　b"},
      {"\tab\r\n", "\tab\r\n"},
      {"   ", ""},
      {"　", ""},
      {"", ""},
      {nullptr, ""},
      {"啊　", "啊"},
      // 啊 then a lone A1: the bytes A1 A1 straddle two characters, no space.
      {"\xB0\xA1\xA1", "\xB0\xA1\xA1"},
      {" \xA1", "\xA1"},
      {"１２ ", "１２"},
  };
  for (const TextCase& c : cases) {
    const char* shown = c.text ? c.text : "(null)";
    EXPECT_EQ(Escaped(c.expected), Escaped(TakeText(Call(klv::core::TrimSpaces, {Text(c.text)})))) << Escaped(shown);
  }
}

struct FindCase {
  const char* text;
  const char* find;
  CommandArgument start;
  CommandArgument ignoreCase;
  int32_t expected;
};

TEST(FindText, ReturnsOneBasedBytePositionsOnCharacterBoundaries) {
  const FindCase cases[] = {
      {"abcabc", "c", Omitted(), Omitted(), 3},
      {"abcabc", "c", Integer(4), Omitted(), 6},
      {"abcabc", "c", Integer(3), Omitted(), 3},
      {"abcabc", "c", Integer(7), Omitted(), -1},
      {"abcabc", "c", Integer(0), Omitted(), 3},
      {"abcabc", "c", Integer(-5), Omitted(), 3},
      {"abcabc", "bc", Integer(5), Omitted(), 5},
      {"ab", "abc", Omitted(), Omitted(), -1},
      {"abc", "", Omitted(), Omitted(), 1},
      {"abc", "", Integer(3), Omitted(), 1},
      {"abc", "", Integer(4), Omitted(), -1},
      {"", "", Omitted(), Omitted(), -1},
      {nullptr, "a", Omitted(), Omitted(), -1},
      {"ABC", "b", Omitted(), Omitted(), -1},
      {"ABC", "b", Omitted(), Integer(1), 2},
      {"ABC", "b", Omitted(), Logical(true), 2},
      {"ABC", "b", Omitted(), Integer(2), -1},
      {"abc", "BC", Omitted(), Integer(1), 2},
      // Only A-Z fold: '[' and '{' differ by 0x20 but are not letters.
      {"{", "[", Omitted(), Integer(1), -1},
      {"中文", "文", Omitted(), Omitted(), 3},
      {"中文", "\xD0\xCE", Omitted(), Omitted(), -1},
      {"\x95\x5C" "a\\", "\\", Omitted(), Omitted(), 4},
      {"\x95\x5C" "a", "a", Omitted(), Omitted(), 3},
      {"a\xB0", "\xB0", Omitted(), Omitted(), 2},
      {"中文中", "中", Integer(3), Omitted(), 5},
  };
  for (const FindCase& c : cases) {
    const char* shown = c.text ? c.text : "(null)";
    EXPECT_EQ(c.expected, IntegerOf(Call(klv::core::FindText, {Text(c.text), Text(c.find), c.start, c.ignoreCase})))
        << Escaped(shown) << " / " << Escaped(c.find);
  }
}

TEST(CharText, MakesOneByteTextsFromTheLowByte) {
  EXPECT_EQ("A", TakeText(Call(klv::core::CharText, {Integer(65)})));
  EXPECT_EQ("\xB2", TakeText(Call(klv::core::CharText, {Integer(0x1B2)})));
  EXPECT_EQ("\xFF", TakeText(Call(klv::core::CharText, {Integer(-1)})));
  EXPECT_EQ("", TakeText(Call(klv::core::CharText, {Integer(0)})));
  EXPECT_EQ("", TakeText(Call(klv::core::CharText, {Integer(256)})));
}

TEST(BlankText, MakesSpacesOrNothing) {
  EXPECT_EQ("   ", TakeText(Call(klv::core::BlankText, {Integer(3)})));
  EXPECT_EQ(std::string(1000, ' '), TakeText(Call(klv::core::BlankText, {Integer(1000)})));
  EXPECT_EQ("", TakeText(Call(klv::core::BlankText, {Integer(0)})));
  EXPECT_EQ("", TakeText(Call(klv::core::BlankText, {Integer(-2)})));
}

TEST(BitOrAndBitAnd, CombineTheLow32BitsLeftToRight) {
  EXPECT_EQ(7, IntegerOf(Call(klv::core::BitOr, {Integer(1), Integer(2), Integer(4)})));
  EXPECT_EQ(5, IntegerOf(Call(klv::core::BitOr, {Integer(5)})));
  EXPECT_EQ(3, IntegerOf(Call(klv::core::BitOr, {Long(0x100000001LL), Integer(2)})));
  EXPECT_EQ(0x0C, IntegerOf(Call(klv::core::BitAnd, {Integer(0xFF), Integer(0x0F), Integer(0x3C)})));
  EXPECT_EQ(INT_MIN, IntegerOf(Call(klv::core::BitAnd, {Integer(-1), Integer(INT_MIN)})));
  EXPECT_EQ(-6, IntegerOf(Call(klv::core::BitAnd, {Integer(-6)})));
}

TEST(TextAtAddress, CopiesTheTextAtTheAddress) {
  const char source[] = "中文abc";
  const CommandResult result = Call(klv::core::TextAtAddress, {Pointer(klv::TypeCode::kInteger, source)});
  EXPECT_NE(static_cast<uintptr_t>(result.low), reinterpret_cast<uintptr_t>(source)) << "must be a fresh copy";
  EXPECT_EQ(source, TakeText(result));
  EXPECT_EQ("", TakeText(Call(klv::core::TextAtAddress, {Integer(0)})));
  EXPECT_EQ("", TakeText(Call(klv::core::TextAtAddress, {Pointer(klv::TypeCode::kInteger, "")})));
}

}  // namespace
}  // namespace klvtest
