// TrimSpaces on fuzzed texts: the whole input up to its first zero byte.
// The result is part of the text, and trimming it again changes nothing.
#include <string>

#include "controls/commands/core_commands.h"
#include "fuzz_support.h"

namespace {

std::string Trim(const char* text) {
  return klvfuzz::TakeText(klvfuzz::Call(klv::core::TrimSpaces, {klvfuzz::TextArgument(text)}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  klvfuzz::FuzzInput input(data, size);
  const klvfuzz::ExactText text(input.Rest());
  const std::string trimmed = Trim(text.get());
  klvfuzz::Require(std::string(text.get()).find(trimmed) != std::string::npos, "the result is part of the text");
  const klvfuzz::ExactText again(trimmed, true);
  klvfuzz::Require(Trim(again.get()) == trimmed, "trimming a trimmed text changes nothing");
  return 0;
}
