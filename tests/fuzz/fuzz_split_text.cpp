// SplitText on fuzzed texts, separators and maximum counts.
// Input: a flags byte (1: separator omitted, 2: maximum omitted, 4: an
// empty text is null), the maximum (4 bytes, little-endian), the text, a
// zero byte, the separator.
// Without a maximum the pieces joined by the separator give back the text,
// or the text less one trailing separator; with one, at most that many
// pieces come back, and joined they are the start of the text.
#include <string>
#include <vector>

#include "controls/commands/core_commands.h"
#include "fuzz_support.h"

namespace {

using klvfuzz::Require;

std::string Joined(const std::vector<std::string>& pieces, const std::string& separator) {
  std::string joined;
  for (size_t i = 0; i < pieces.size(); ++i) joined += (i ? separator : "") + pieces[i];
  return joined;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  klvfuzz::FuzzInput input(data, size);
  const uint8_t flags = input.Byte();
  const bool separatorOmitted = flags & 1, maximumOmitted = flags & 2, nullWhenEmpty = flags & 4;
  const int32_t maximum = input.Integer();
  const klvfuzz::ExactText text(input.Text(), nullWhenEmpty);
  const klvfuzz::ExactText separator(input.Text(), nullWhenEmpty);

  const std::vector<std::string> pieces = klvfuzz::TakeTextArray(klvfuzz::Call(
      klv::core::SplitText,
      {klvfuzz::TextArgument(text.get()),
       separatorOmitted ? klvfuzz::OmittedArgument() : klvfuzz::TextArgument(separator.get()),
       maximumOmitted ? klvfuzz::OmittedArgument() : klvfuzz::IntegerArgument(maximum)}));

  const std::string whole = text.get() ? text.get() : "";
  const std::string cut = separatorOmitted ? "," : (separator.get() ? separator.get() : "");
  const std::string joined = Joined(pieces, cut);
  if (maximumOmitted) {
    Require(joined == whole || (!cut.empty() && joined + cut == whole), "the pieces rejoined give the text");
  } else {
    Require(pieces.size() <= static_cast<size_t>(maximum < 0 ? 0 : maximum), "no more pieces than the maximum");
    Require(whole.compare(0, joined.size(), joined) == 0, "the pieces rejoined start the text");
  }
  return 0;
}
