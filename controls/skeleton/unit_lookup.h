// Finding a loaded unit's object by the unit's window and unit ids, typed
// as the runtime holds it, and as the type a command works on.
#pragma once
#include <cstdint>

#include "runtime/interface/command_values.h"
#include "runtime/unit_object.h"

namespace klv {

// Where units are found: the loaded windows' units (the default), or units
// that tests make without a loaded window. `required` raises the runtime
// error for a missing unit.
using UnitFinder = UnitObject* (*)(uint32_t windowId, uint32_t unitId, bool required);
void SetUnitFinder(UnitFinder finder);  // null: back to the loaded windows

// The unit's object; null when the unit is missing (or its window not loaded).
UnitObject* FindUnitObject(uint32_t windowId, uint32_t unitId);
// The same, and a missing unit is the runtime error the host raises.
UnitObject* RequireUnitObject(uint32_t windowId, uint32_t unitId);

// The unit as a Unit, looked up as RequireUnitObject does; null for a unit
// of another type. Every control type has its tag from the skeleton
// (ControlUnit::kTypeTag).
template <class Unit>
Unit* RequireUnit(uint32_t windowId, uint32_t unitId) {
  UnitObject* unit = RequireUnitObject(windowId, unitId);
  return unit != nullptr && unit->typeTag() == &Unit::kTypeTag ? static_cast<Unit*>(unit) : nullptr;
}

// The unit a command's argument names (window UnitId low, unit UnitId high),
// looked up as above: a unit whose window is being built anew is not missing.
template <class Unit>
Unit* RequireUnit(const CommandArgument& named) {
  return RequireUnit<Unit>(named.low, named.high);
}
// Its system window: null also while the window is being built anew.
template <class Unit>
HWND RequireUnitWindow(const CommandArgument& named) {
  Unit* unit = RequireUnit<Unit>(named);
  return unit ? unit->hwnd() : nullptr;
}

}  // namespace klv
