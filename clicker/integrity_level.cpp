#include "clicker/integrity_level.h"

#include <cstring>

#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

uint32_t Word32(const uint8_t* at) {
  uint32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

}  // namespace

IntegrityAnswer LevelInLabel(const uint8_t* label, uint32_t size, uintptr_t base) {
  uintptr_t sid = 0;
  if (label == nullptr || size < sizeof sid) return {};
  std::memcpy(&sid, label, sizeof sid);
  if (sid < base || sid - base > size || size - (sid - base) < SidLayout::kHeaderBytes) return {};
  const uint8_t* at = label + (sid - base);
  uint32_t room = size - static_cast<uint32_t>(sid - base);
  uint32_t count = at[1];
  if (count == 0 || room < SidLayout::kHeaderBytes + count * SidLayout::kSubAuthorityBytes) return {};
  const uint8_t* last = at + SidLayout::kHeaderBytes + (count - 1) * SidLayout::kSubAuthorityBytes;
  return {IntegrityAnswer::Kind::kLevel, Word32(last)};
}

bool TargetOutranks(const IntegrityAnswer& target, const IntegrityAnswer& own) {
  using Kind = IntegrityAnswer::Kind;
  if (own.kind != Kind::kLevel) return false;
  if (target.kind == Kind::kLevel) return target.level > own.level;
  return target.kind == Kind::kAccessDenied && own.level < ProcessRights::kHighIntegrity;
}

}  // namespace klv::clicker
