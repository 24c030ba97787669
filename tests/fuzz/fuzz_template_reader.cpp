// The template reader on fuzzed blocks. A block that reads must have setting
// blocks that, where they parse, write out in a stable form; and writing the
// descriptions and reading them back must give the same descriptions.
#include <vector>

#include "fuzz_support.h"
#include "runtime/window_template.h"
#include "template_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<klv::WindowDescription> windows;
  if (!klv::ReadTemplateBlock(data, size, &windows)) return 0;
  for (const klv::WindowDescription& window : windows) {
    for (const klv::UnitDescription& unit : window.units) {
      if (unit.isMenuEntry) continue;
      klvfuzz::Require(klvfuzz::CheckSettings(unit.control.type, unit.control.settings) !=
                           klvfuzz::SettingsCheck::kUnstable,
                       "a parsed setting block keeps its form when written and read again");
    }
  }
  klvfuzz::Require(klvfuzz::RoundTripHolds(windows), "written and read back, the descriptions are the same");
  return 0;
}
