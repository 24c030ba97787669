#include "controls/skeleton/unit_lookup.h"

#include "runtime/window_manager.h"

namespace klv {
namespace {

UnitFinder g_finder = &LoadedUnitObject;

}  // namespace

void SetUnitFinder(UnitFinder finder) { g_finder = finder ? finder : &LoadedUnitObject; }

UnitObject* FindUnitObject(uint32_t windowId, uint32_t unitId) { return g_finder(windowId, unitId, false); }

UnitObject* RequireUnitObject(uint32_t windowId, uint32_t unitId) { return g_finder(windowId, unitId, true); }

}  // namespace klv
