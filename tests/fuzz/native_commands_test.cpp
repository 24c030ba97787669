// A few command calls under the sanitizers, on texts in heap blocks of
// exactly their size: a GBK lead byte right before the terminator must not
// make any command read past it. Also the GBK bytes of the literals, which
// the native build takes from GBK copies of the sources.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/commands/core_commands.h"
#include "fuzz_support.h"
#include "runtime/array_value.h"
#include "runtime/heap.h"
#include "runtime/runtime_errors.h"

namespace {

using klvfuzz::Call;
using klvfuzz::ExactText;
using klvfuzz::IntegerArgument;
using klvfuzz::OmittedArgument;
using klvfuzz::TextArgument;
using Texts = std::vector<std::string>;

TEST(SplitText, LeadByteBeforeTheTerminatorIsOneCharacter) {
  const ExactText text("\xD6\xD0,\xCE\xC4,\xB0");  // "中,文," and a lone lead byte
  EXPECT_EQ((Texts{"\xD6\xD0", "\xCE\xC4", "\xB0"}),
            klvfuzz::TakeTextArray(Call(klv::core::SplitText, {TextArgument(text.get())})));
  const ExactText separator("\xB0");
  EXPECT_EQ((Texts{"a"}), klvfuzz::TakeTextArray(Call(klv::core::SplitText, {TextArgument(ExactText("a\xB0").get()),
                                                                             TextArgument(separator.get())})));
}

TEST(SplitText, MaximumStopsEarly) {
  const ExactText text(",,x");
  EXPECT_EQ((Texts{"", ""}), klvfuzz::TakeTextArray(Call(
                                 klv::core::SplitText, {TextArgument(text.get()), OmittedArgument(), IntegerArgument(2)})));
}

TEST(TrimSpaces, FullWidthSpacesAndALoneLeadByteAtTheEnd) {
  const ExactText text("\xA1\xA1 ab \xA1\xA1");
  EXPECT_EQ("ab", klvfuzz::TakeText(Call(klv::core::TrimSpaces, {TextArgument(text.get())})));
  const ExactText lone(" \xA1");
  EXPECT_EQ("\xA1", klvfuzz::TakeText(Call(klv::core::TrimSpaces, {TextArgument(lone.get())})));
}

TEST(FindText, SearchesWholeCharactersUpToTheTerminator) {
  const ExactText text("a\xB0");
  const ExactText find("\xB0");
  EXPECT_EQ(2, klvfuzz::TakeInteger(Call(klv::core::FindText, {TextArgument(text.get()), TextArgument(find.get())})));
  const ExactText gbk("\xD6\xD0\xCE\xC4");  // "中文"
  const ExactText straddling("\xD0\xCE");
  EXPECT_EQ(-1, klvfuzz::TakeInteger(
                    Call(klv::core::FindText, {TextArgument(gbk.get()), TextArgument(straddling.get())})));
  const ExactText upper("XYZ");
  const ExactText lower("yz");
  EXPECT_EQ(2, klvfuzz::TakeInteger(Call(klv::core::FindText, {TextArgument(upper.get()), TextArgument(lower.get()),
                                                               OmittedArgument(), IntegerArgument(1)})));
}

TEST(ToInteger, FullWidthDigitsAndALeadByteAtTheEnd) {
  const ExactText fullWidth("\xA1\xA1\xA3\xAD\xA3\xB1\xA3\xB2");  // full-width space, "－１２"
  EXPECT_EQ(-12, klvfuzz::TakeInteger(Call(klv::core::ToInteger, {TextArgument(fullWidth.get())})));
  const ExactText cut("34\xA3");
  EXPECT_EQ(34, klvfuzz::TakeInteger(Call(klv::core::ToInteger, {TextArgument(cut.get())})));
}

TEST(ToText, LiteralsAreGbk) {
  EXPECT_EQ("\xD5\xE6", klvfuzz::TakeText(Call(klv::core::ToText, {klvfuzz::RawArgument(klv::TypeCode::kLogical, 1)})));
  double date = 45306.5;  // 15 Jan 2024, 12:00
  uint64_t bits;
  std::memcpy(&bits, &date, sizeof bits);
  EXPECT_EQ("2024\xC4\xEA" "1\xD4\xC2" "15\xC8\xD5" "12\xCA\xB1",
            klvfuzz::TakeText(Call(klv::core::ToText, {klvfuzz::RawArgument(klv::TypeCode::kDateTime, bits)})));
}

TEST(ErrorReport, IsOneGbkTextWithCodeAndMessage) {
  char* report = klv::FormatErrorReport(klv::RuntimeErrorMessage(1), 7);
  const std::string text(report);
  klv::FreeMemory(report);
  EXPECT_EQ(0u, text.find("\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n")) << "starts with the GBK heading";
  EXPECT_NE(std::string::npos, text.find("7\r\n\r\n"));
  EXPECT_NE(std::string::npos, text.find(klv::RuntimeErrorMessage(1)));
  EXPECT_EQ(nullptr, klv::RuntimeErrorMessage(12));
}

TEST(Arrays, ResizingZeroesNewElementsAndConstantsAreCopiedBeforeAChange) {
  void* array = klv::NewByteSet("abc", 3);
  array = klv::ResizeArray(array, 6, 1);
  EXPECT_EQ(0, std::memcmp(klv::ByteSetBytes(array), "abc\0\0\0", 6));
  klv::FreeMemory(array);

  static const uint32_t constantArray[] = {1, 2, 0x11223344, 0x55667788};
  klv::SetConstantsRange(constantArray, sizeof constantArray);
  void* writable = const_cast<uint32_t*>(constantArray);
  klv::MakeArrayWritable(4, &writable);
  EXPECT_NE(static_cast<const void*>(constantArray), writable);
  EXPECT_EQ(0, std::memcmp(constantArray, writable, sizeof constantArray));
  klv::FreeMemory(const_cast<uint32_t*>(constantArray));  // a constant is never freed
  klv::FreeMemory(writable);
  klv::SetConstantsRange(nullptr, 0);
}

}  // namespace
