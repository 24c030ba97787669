// Checks on template blocks shared by the native tests and the template
// fuzz target: description equality, setting blocks parsed by unit type,
// and the write -> read round trip.
#pragma once
#include <cstdint>
#include <vector>

#include "controls/skeleton/unit_settings.h"
#include "runtime/window_template.h"

namespace klvfuzz {

bool SameDescriptions(const std::vector<klv::WindowDescription>& a, const std::vector<klv::WindowDescription>& b);

enum class SettingsCheck {
  kParsed,       // parsed, and its rewritten form is stable
  kRefused,      // the parser turned it down
  kUnstable,     // parsed, but writing and reading it again changes it
  kUnknownType,  // no setting block layout for the type
};

// Parses a control's setting block by the control's type. A parsed block is
// written out again, and that form must parse and write to the same bytes.
SettingsCheck CheckSettings(uint32_t type, const klv::Bytes& block);

// Writes the windows, reads the block back and compares the descriptions;
// writing those again must give the same bytes.
bool RoundTripHolds(const std::vector<klv::WindowDescription>& windows);

}  // namespace klvfuzz
