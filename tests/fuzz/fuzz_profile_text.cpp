// The settings file's model on fuzzed files: any bytes parse without a fault;
// for a file the model follows, writing the parsed text and parsing it again
// gives the same text, and a save's keys read back with the values written.
// Input: the file's bytes.
#include <string>
#include <vector>

#include "clicker/profile_text.h"
#include "fuzz_support.h"

namespace {

using klvfuzz::Require;
namespace profile = klv::profile;

const std::vector<profile::ProfileWrite> kWrites = {
    {"Configuration", "\xC7\xB0\xBA\xF3\xCC\xA8", "1"},
    {"Configuration", "\xB4\xB0\xBF\xDA\xB1\xEA\xCC\xE2", " title "},
    {"Coordinate", "\xD7\xF8\xB1\xEA" "1", "1|2|3|x"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const profile::ProfileText text = profile::ProfileText::Parse(bytes);
  if (!profile::IsPlainProfileFile(bytes) || !text.RereadsTheSame()) return 0;
  const std::string once = text.Serialize();
  Require(profile::ProfileText::Parse(once).Serialize() == once, "a written text reads back the same");
  std::string saved;
  if (profile::SaveAsTheSystemWould(bytes, kWrites, &saved) != profile::SaveOutcome::kChanged) return 0;
  const profile::ProfileText reread = profile::ProfileText::Parse(saved);
  for (const profile::ProfileWrite& write : kWrites) {
    const profile::ProfileKey* key = reread.Find(write.section, write.key);
    Require(key && key->hasValue && key->value == profile::StripTrailingSpaces(profile::StripLeadingSpaces(write.value)),
            "each key written reads back with its value");
  }
  return 0;
}
