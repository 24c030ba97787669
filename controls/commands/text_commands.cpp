// The pure text commands: splitting, trimming, searching, building texts,
// and the bitwise helpers. GBK texts are walked a character at a time, so a
// separator or a match never starts on a trail byte.
#include <cstring>
#include <vector>

#include "controls/commands/command_arguments.h"
#include "controls/commands/core_commands.h"
#include "controls/commands/text_scan.h"
#include "runtime/array_value.h"
#include "runtime/heap.h"
#include "runtime/text_value.h"

namespace klv::core {
namespace {

// How many more pieces SplitText may produce: unlimited, or a count down.
struct PieceBudget {
  bool limited;
  int32_t left;
  bool Exhausted() const { return limited && left <= 0; }
  void Spend() {
    if (limited) --left;
  }
};

std::vector<char*> SplitAtSeparator(const char* text, const char* separator, PieceBudget budget) {
  std::vector<char*> pieces;
  const size_t separatorLength = std::strlen(separator);
  const char* cut = text;
  const char* at = text;
  while (*at != '\0') {
    if (std::strncmp(at, separator, separatorLength) != 0) {
      at += CharacterLength(at);
      continue;
    }
    pieces.push_back(CopyTextBytes(cut, static_cast<size_t>(at - cut)));  // empty piece: null
    budget.Spend();
    if (budget.Exhausted()) return pieces;
    at += separatorLength;
    cut = at;
  }
  if (*cut != '\0') pieces.push_back(CopyText(cut));
  return pieces;
}

char* TrimmedCopy(const char* text) {
  if (text == nullptr) return nullptr;
  const char* start = text;
  while (size_t space = SpaceLength(start)) start += space;
  const char* end = start;  // just past the last character that is not a space
  for (const char* at = start; *at != '\0';) {
    if (size_t space = SpaceLength(at)) {
      at += space;
      continue;
    }
    at += CharacterLength(at);
    end = at;
  }
  return CopyTextBytes(start, static_cast<size_t>(end - start));
}

unsigned char FoldCase(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

bool BytesMatch(const char* at, const char* find, size_t length, bool ignoreCase) {
  if (!ignoreCase) return std::memcmp(at, find, length) == 0;
  for (size_t i = 0; i < length; ++i) {
    if (FoldCase(static_cast<unsigned char>(at[i])) != FoldCase(static_cast<unsigned char>(find[i]))) return false;
  }
  return true;
}

// The 1-based byte position of find in text from the 1-based start, or -1.
int32_t FindPosition(const char* text, const char* find, int32_t start, bool ignoreCase) {
  const size_t length = TextLength(text);
  const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (from >= length) return -1;  // nothing left to search
  const size_t findLength = TextLength(find);
  if (findLength == 0) return 1;
  // A lead byte just before the terminator steps one byte, which ends the loop.
  for (size_t at = from; length - at >= findLength; at += CharacterLength(text + at)) {
    if (BytesMatch(text + at, find, findLength, ignoreCase)) return static_cast<int32_t>(at + 1);
  }
  return -1;
}

uint32_t CombineAll(const CommandArguments& args, uint32_t (*combine)(uint32_t, uint32_t)) {
  uint32_t value = static_cast<uint32_t>(args.Integer(0));
  for (int i = 1; i < args.count(); ++i) value = combine(value, static_cast<uint32_t>(args.Integer(i)));
  return value;
}

}  // namespace

void SplitText(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  const char* text = args.Text(0);
  const char* separator = args.Text(1, ",");
  const int32_t maximum = args.Integer(2);
  const PieceBudget budget = {!args.Omitted(2), maximum < 0 ? 0 : maximum};
  std::vector<char*> pieces;
  if (!TextIsEmpty(text) && !budget.Exhausted()) {
    if (TextIsEmpty(separator)) {
      pieces.push_back(CopyText(text));
    } else {
      pieces = SplitAtSeparator(text, separator, budget);
    }
  }
  SetArrayResult(result, NewTextArray(pieces), TypeCode::kText);
}

void TrimSpaces(CommandResult* result, int count, const CommandArgument* arguments) {
  SetTextResult(result, TrimmedCopy(CommandArguments(count, arguments).Text(0)));
}

void FindText(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  const bool ignoreCase = args.Integer(3) == 1;
  SetIntegerResult(result, FindPosition(args.Text(0), args.Text(1), args.Integer(2, 1), ignoreCase));
}

void CharText(CommandResult* result, int count, const CommandArgument* arguments) {
  const char code = static_cast<char>(CommandArguments(count, arguments).Integer(0) & 0xFF);
  SetTextResult(result, CopyTextBytes(&code, 1));  // code 0 gives the empty text
}

void BlankText(CommandResult* result, int count, const CommandArgument* arguments) {
  const int32_t spaces = CommandArguments(count, arguments).Integer(0);
  if (spaces <= 0) return SetTextResult(result, nullptr);
  char* text = static_cast<char*>(AllocateMemory(static_cast<uint32_t>(spaces) + 1));
  std::memset(text, ' ', static_cast<size_t>(spaces));
  text[spaces] = '\0';
  SetTextResult(result, text);
}

void BitOr(CommandResult* result, int count, const CommandArgument* arguments) {
  auto combine = [](uint32_t a, uint32_t b) { return a | b; };
  SetIntegerResult(result, static_cast<int32_t>(CombineAll(CommandArguments(count, arguments), combine)));
}

void BitAnd(CommandResult* result, int count, const CommandArgument* arguments) {
  auto combine = [](uint32_t a, uint32_t b) { return a & b; };
  SetIntegerResult(result, static_cast<int32_t>(CombineAll(CommandArguments(count, arguments), combine)));
}

void TextAtAddress(CommandResult* result, int count, const CommandArgument* arguments) {
  const char* text = static_cast<const char*>(CommandArguments(count, arguments).Pointer(0));
  SetTextResult(result, CopyText(text));  // address 0 or an empty text: the empty text
}

}  // namespace klv::core
