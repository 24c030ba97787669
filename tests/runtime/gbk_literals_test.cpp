// The program's texts are GBK bytes whatever the source encoding.
#include <gtest/gtest.h>

#include <cstring>

#include "image/program_constants.h"

TEST(GbkLiterals, ChineseTextsAreCompiledToGbkBytes) {
  const unsigned char expected[] = {0xC7, 0xB0, 0xCC, 0xA8, 0xB5, 0xE3, 0xBB, 0xF7, 0x00};
  EXPECT_EQ(0, std::memcmp("前台点击", expected, sizeof expected));
  EXPECT_EQ(0, std::memcmp(klv::kConstants.foregroundMode, expected, sizeof expected));
  EXPECT_EQ(8u, std::strlen(klv::kConstants.backgroundMode));
}
