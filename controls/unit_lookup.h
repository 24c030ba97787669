// Finding a loaded unit's object through the host, by the unit's window and
// unit ids, and as the type a command works on.
#pragma once
#include <cstdint>

#include "runtime/unit_object.h"

namespace klv {

// The unit's object; null when the unit is missing (or its window not loaded).
UnitObject* FindUnitObject(uint32_t windowId, uint32_t unitId);
// The same, and a missing unit is the runtime error the host raises.
UnitObject* RequireUnitObject(uint32_t windowId, uint32_t unitId);

// The unit as a Unit, looked up as RequireUnitObject does; null for a unit
// of another type. Unit names its tag kTypeTag and answers it from typeTag().
template <class Unit>
Unit* RequireUnit(uint32_t windowId, uint32_t unitId) {
  UnitObject* unit = RequireUnitObject(windowId, unitId);
  return unit != nullptr && unit->typeTag() == &Unit::kTypeTag ? static_cast<Unit*>(unit) : nullptr;
}

}  // namespace klv
