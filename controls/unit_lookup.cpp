#include "controls/unit_lookup.h"

#include "controls/host.h"

namespace klv {
namespace {

// The host answers the object's address in its 32-bit answer word.
UnitObject* AskHost(int code, uint32_t windowId, uint32_t unitId) {
  return reinterpret_cast<UnitObject*>(static_cast<uintptr_t>(Host(code, windowId, unitId)));
}

}  // namespace

UnitObject* FindUnitObject(uint32_t windowId, uint32_t unitId) {
  return AskHost(HostNotifyCode::kFindUnitObject, windowId, unitId);
}

UnitObject* RequireUnitObject(uint32_t windowId, uint32_t unitId) {
  return AskHost(HostNotifyCode::kRequireUnitObject, windowId, unitId);
}

}  // namespace klv
