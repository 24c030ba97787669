// FindText on fuzzed texts, find texts, start positions and case modes.
// Input: a flags byte (1: start omitted, 2: the ignore-case argument is
// omitted, 4: an empty text is null), the start (4 bytes, little-endian), the
// ignore-case argument (4 bytes), the text, a zero byte, the find text.
// A position found lies inside the text at or after the start and holds the
// find text; ignoring case never finds a later position than matching it.
#include <string>

#include "controls/commands/core_commands.h"
#include "fuzz_support.h"

namespace {

using klvfuzz::Require;

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool MatchesAt(const std::string& text, size_t at, const std::string& find, bool ignoreCase) {
  for (size_t i = 0; i < find.size(); ++i) {
    const char a = text[at + i], b = find[i];
    if (ignoreCase ? Folded(a) != Folded(b) : a != b) return false;
  }
  return true;
}

int32_t Find(const klvfuzz::ExactText& text, const klvfuzz::ExactText& find, klv::CommandArgument start,
             klv::CommandArgument ignoreCase) {
  return klvfuzz::TakeInteger(klvfuzz::Call(
      klv::core::FindText, {klvfuzz::TextArgument(text.get()), klvfuzz::TextArgument(find.get()), start, ignoreCase}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  klvfuzz::FuzzInput input(data, size);
  const uint8_t flags = input.Byte();
  const int32_t start = input.Integer();
  const int32_t ignoreCaseValue = input.Integer();
  const klvfuzz::ExactText text(input.Text(), flags & 4);
  const klvfuzz::ExactText find(input.Text(), flags & 4);
  const klv::CommandArgument startArgument =
      flags & 1 ? klvfuzz::OmittedArgument() : klvfuzz::IntegerArgument(start);
  const klv::CommandArgument ignoreCaseArgument =
      flags & 2 ? klvfuzz::OmittedArgument() : klvfuzz::IntegerArgument(ignoreCaseValue);
  const bool ignoreCase = !(flags & 2) && ignoreCaseValue == 1;

  const int32_t found = Find(text, find, startArgument, ignoreCaseArgument);
  if (found == -1 || find.length() == 0) return 0;
  const std::string whole = text.get(), wanted = find.get();
  const int32_t from = flags & 1 ? 1 : start;
  Require(found >= 1 && found >= from, "a position found is at or after the start");
  const size_t at = static_cast<size_t>(found) - 1;
  Require(at + wanted.size() <= whole.size(), "a position found leaves room for the find text");
  Require(MatchesAt(whole, at, wanted, ignoreCase), "the text holds the find text at the position found");
  if (!ignoreCase) {
    const int32_t folded = Find(text, find, startArgument, klvfuzz::IntegerArgument(1));
    Require(folded != -1 && folded <= found, "ignoring case finds the same position or an earlier one");
  }
  return 0;
}
