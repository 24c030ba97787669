// Which standard controls a background click passes by, as real clicks do.
#include <gtest/gtest.h>

#include "clicker/hit_test_rules.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kVisibleChild = 0x50000000;

TEST(PassesClicksThrough, GroupBoxesAndPlainStaticsInAnyCaseOfTheClassName) {
  EXPECT_TRUE(PassesClicksThrough("Button", kVisibleChild | 0x07));  // BS_GROUPBOX
  EXPECT_TRUE(PassesClicksThrough("BUTTON", 0x07));
  EXPECT_TRUE(PassesClicksThrough("Static", kVisibleChild));
  EXPECT_TRUE(PassesClicksThrough("static", 0x0E));  // SS_BITMAP, no notify style
}

TEST(PassesClicksThrough, ButtonsNotifyingStaticsAndOtherClassesTakeTheClick) {
  EXPECT_FALSE(PassesClicksThrough("Button", kVisibleChild));         // push button
  EXPECT_FALSE(PassesClicksThrough("Button", 0x03));                  // check box
  EXPECT_FALSE(PassesClicksThrough("Button", 0x0B));                  // owner-drawn, not 0x07 masked
  EXPECT_FALSE(PassesClicksThrough("Static", kVisibleChild | 0x100));  // SS_NOTIFY
  EXPECT_FALSE(PassesClicksThrough("Edit", 0x07));
  EXPECT_FALSE(PassesClicksThrough("Buttons", 0x07));
  EXPECT_FALSE(PassesClicksThrough("Stat", 0));
  EXPECT_FALSE(PassesClicksThrough("", 0));
  EXPECT_FALSE(PassesClicksThrough(nullptr, 0));
}

}  // namespace
}  // namespace klv::clicker
