// Numbered property access to the units of a window.
#pragma once
#include <cstdint>

namespace klv {

uint64_t ReadProperty(uint32_t windowId, uint32_t unitId, int index, int element);
void WriteProperty(uint32_t windowId, uint32_t unitId, int index, int element, uint64_t value);

}  // namespace klv
