// The create operation shared by the control types: the unit's settings are
// parsed from its stored setting block (a block of a newer version than the
// type reads fails), the unit object is made from them and builds its
// system window; any failure leaves nothing behind and answers null.
#pragma once
#include <memory>

#include "controls/skeleton/unit_settings.h"
#include "runtime/unit_object.h"

namespace klv {

template <class Unit, class Settings>
UnitObject* CreateFromSettings(const CreateRequest& request) {
  Settings settings;
  if (!ParseSettings(request.record->settings, &settings)) return nullptr;
  std::unique_ptr<Unit> unit(new Unit(request, settings));
  if (!unit->Create(request)) return nullptr;
  return unit.release();
}

}  // namespace klv
