// A target's integrity level against Klikvane's own: the label read within
// its block, and which answers make a target one the system would not let
// Klikvane click.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "clicker/integrity_level.h"
#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

static_assert(PowerThrottling::kExecutionSpeed == 0x1 && PowerThrottling::kIgnoreTimerResolution == 0x4 &&
              PowerThrottling::kCurrentVersion == 1);
static_assert(ProcessRights::kQueryLimitedInformation == PROCESS_QUERY_LIMITED_INFORMATION &&
              ProcessRights::kTokenQuery == TOKEN_QUERY && ProcessRights::kTokenIntegrityLevel == static_cast<uint32_t>(TokenIntegrityLevel) &&
              ProcessRights::kAccessDenied == ERROR_ACCESS_DENIED &&
              ProcessRights::kHighIntegrity == SECURITY_MANDATORY_HIGH_RID);
static_assert(MessageBoxStyle::kSystemModalInformation == (MB_SYSTEMMODAL | MB_ICONINFORMATION | MB_OK));

using Kind = IntegrityAnswer::Kind;

// A label block as the system fills it: the SID's address, the attributes,
// then the SID with its sub-authorities.
struct LabelBlock {
  uint8_t bytes[64] = {};
  uint32_t size = 0;
  LabelBlock(std::initializer_list<uint32_t> subAuthorities, ptrdiff_t sidAt = 8) {
    const uint8_t* sid = bytes + sidAt;
    std::memcpy(bytes, &sid, sizeof sid);
    bytes[sidAt] = 1;
    bytes[sidAt + 1] = static_cast<uint8_t>(subAuthorities.size());
    bytes[sidAt + 7] = 16;  // the mandatory label authority
    size = static_cast<uint32_t>(sidAt + 8);
    for (uint32_t value : subAuthorities) {
      std::memcpy(bytes + size, &value, 4);
      size += 4;
    }
  }
  IntegrityAnswer Read(uint32_t length) const { return LevelInLabel(bytes, length, reinterpret_cast<uintptr_t>(bytes)); }
};

TEST(LevelInLabel, TheLastSubAuthorityOfTheLabelsSidReadWithinTheBlock) {
  LabelBlock medium({0x2000});
  IntegrityAnswer answer = medium.Read(medium.size);
  EXPECT_EQ(Kind::kLevel, answer.kind);
  EXPECT_EQ(0x2000u, answer.level);
  LabelBlock two({7, 0x3000}, 12);
  EXPECT_EQ(0x3000u, two.Read(two.size).level);
  // One byte short of the last sub-authority, or of the SID's header.
  EXPECT_EQ(Kind::kUnknown, medium.Read(medium.size - 1).kind);
  EXPECT_EQ(Kind::kUnknown, medium.Read(15).kind);
  EXPECT_EQ(Kind::kUnknown, medium.Read(0).kind);
  EXPECT_EQ(Kind::kUnknown, LevelInLabel(nullptr, 64, 0).kind);
  // A SID with no sub-authority, and a SID address outside the block.
  LabelBlock none({});
  EXPECT_EQ(Kind::kUnknown, none.Read(none.size).kind);
  LabelBlock outside({0x2000});
  const uint8_t* pastTheEnd = outside.bytes + 60;
  std::memcpy(outside.bytes, &pastTheEnd, sizeof pastTheEnd);
  EXPECT_EQ(Kind::kUnknown, outside.Read(outside.size).kind);
  uintptr_t before = reinterpret_cast<uintptr_t>(outside.bytes) - 8;
  std::memcpy(outside.bytes, &before, sizeof before);
  EXPECT_EQ(Kind::kUnknown, outside.Read(outside.size).kind);
}

IntegrityAnswer Level(uint32_t level) { return {Kind::kLevel, level}; }
const IntegrityAnswer kDenied = {Kind::kAccessDenied};
const IntegrityAnswer kUnknown = {Kind::kUnknown};

TEST(TargetOutranks, AHigherLevelOrARefusalToAProcessThatIsNotElevated) {
  EXPECT_TRUE(TargetOutranks(Level(0x3000), Level(0x2000)));
  EXPECT_TRUE(TargetOutranks(Level(0x4000), Level(0x3000)));
  EXPECT_TRUE(TargetOutranks(kDenied, Level(0x2000)));
  EXPECT_TRUE(TargetOutranks(kDenied, Level(0x1000)));
}

TEST(TargetOutranks, NotAnEqualOrLowerLevelNorAnythingThatCouldNotBeRead) {
  EXPECT_FALSE(TargetOutranks(Level(0x2000), Level(0x2000)));
  EXPECT_FALSE(TargetOutranks(Level(0x1000), Level(0x2000)));
  EXPECT_FALSE(TargetOutranks(kDenied, Level(0x3000)));  // elevated itself: a refusal says nothing
  EXPECT_FALSE(TargetOutranks(kUnknown, Level(0x2000)));
  EXPECT_FALSE(TargetOutranks(Level(0x3000), kUnknown));
  EXPECT_FALSE(TargetOutranks(kDenied, kDenied));
}

}  // namespace
}  // namespace klv::clicker
