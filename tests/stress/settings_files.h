// The settings files a stress run puts beside Klikvane before a load: whole
// ones and damaged ones, each with what a load takes from it.
#pragma once
#include <cstdint>
#include <string>

#include "tests/stress/operator_model.h"

namespace klvtest {

struct SettingsFile {
  std::string bytes;
  Settings loads;
};

SettingsFile WholeFile(const Settings& settings);
// The last row's line cut off in its middle: that row is lost.
SettingsFile CutShortFile(const Settings& settings);
// The row count names two rows more than the file has; one of them is there
// but broken (two cells). Neither is loaded.
SettingsFile MissingRowsFile(const Settings& settings);
// Bytes without a section, a key or a line end, zero bytes among them: a
// load finds nothing, so it gives foreground mode, no title and no rows.
SettingsFile GarbageFile(uint32_t seed);

}  // namespace klvtest
