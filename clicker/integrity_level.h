// Whether a target process outranks this one, from what the system answered
// about each: pure logic, apart from the calls that ask.
#pragma once
#include <cstdint>

namespace klv::clicker {

// A process's integrity level as far as it could be read.
struct IntegrityAnswer {
  enum class Kind { kLevel, kAccessDenied, kUnknown } kind = Kind::kUnknown;
  uint32_t level = 0;  // with kLevel
};

// The level in a token's mandatory label as GetTokenInformation returns it
// at `label` (a pointer to the label's SID, the attributes, then room for the
// SID itself), `size` bytes long, with the block's own address `base` (the
// SID pointer is an address inside it): the last sub-authority of the SID.
// kUnknown when the pointer or the SID does not lie inside the block.
IntegrityAnswer LevelInLabel(const uint8_t* label, uint32_t size, uintptr_t base);

// Messages posted to a process of a higher level, and input sent into its
// windows, are dropped by the system. A process that is not elevated is
// refused a higher one's process or token, so that refusal counts as higher
// too; nothing else does.
bool TargetOutranks(const IntegrityAnswer& target, const IntegrityAnswer& own);

}  // namespace klv::clicker
