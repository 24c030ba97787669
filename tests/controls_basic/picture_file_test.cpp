// Locating images in icon and bitmap files, and cutting GBK texts at a
// character boundary: pure logic over byte blobs.
#include <gtest/gtest.h>

#include "controls/skeleton/picture_file.h"
#include "runtime/gb18030.h"
#include "tests/controls_basic/icon_files.h"

namespace ctltest {
namespace {

TEST(IconFile, PrefersTheFirstSixteenPixelImage) {
  std::vector<uint8_t> file = MakeIconFile({{32, 0xFF0000}, {16, 0x00FF00}, {16, 0x0000FF}});
  klv::IconImageSpan span;
  ASSERT_TRUE(klv::FindIconImage(file, &span));
  EXPECT_EQ(16, span.width);
  EXPECT_EQ(16, span.height);  // half of the stored 32
  EXPECT_EQ(32, span.bitCount);
  size_t firstImageBytes = 40 + 32 * 32 * 4 + 4 * 32;
  EXPECT_EQ(6u + 3 * 16 + firstImageBytes, span.offset);
  EXPECT_EQ(40u + 16 * 16 * 4 + 4 * 16, span.size);
}

TEST(IconFile, FallsBackToTheFirstThirtyTwoPixelImage) {
  std::vector<uint8_t> file = MakeIconFile({{48, 0xFF0000}, {32, 0x00FF00}});
  klv::IconImageSpan span;
  ASSERT_TRUE(klv::FindIconImage(file, &span));
  EXPECT_EQ(32, span.width);
  EXPECT_EQ(32, span.height);
}

TEST(IconFile, RejectsFilesWithoutAUsableImage) {
  klv::IconImageSpan span;
  EXPECT_FALSE(klv::FindIconImage(MakeIconFile({{48, 0}}), &span));
  std::vector<uint8_t> file = MakeIconFile({{16, 0}});
  file[2] = 3;  // neither an icon nor a cursor directory
  EXPECT_FALSE(klv::FindIconImage(file, &span));
  EXPECT_FALSE(klv::LooksLikeIconFile(file));
  file = MakeIconFile({{16, 0}});
  file[4] = 0;  // no images
  EXPECT_FALSE(klv::FindIconImage(file, &span));
  file = MakeIconFile({{16, 0}});
  file.resize(file.size() - 1);  // the image reaches past the file
  EXPECT_FALSE(klv::FindIconImage(file, &span));
  file = MakeIconFile({{16, 0}, {32, 0}});
  file.resize(6 + 16 + 8);  // the directory itself is cut short
  EXPECT_FALSE(klv::FindIconImage(file, &span));
  EXPECT_FALSE(klv::FindIconImage({}, &span));
}

TEST(IconFile, AnEntryOffsetPastTheEndIsRefused) {
  std::vector<uint8_t> file = MakeIconFile({{16, 0}});
  file[18] = 0xFF;  // offset field of the first entry: far beyond the file
  file[19] = 0xFF;
  file[20] = 0xFF;
  klv::IconImageSpan span;
  EXPECT_FALSE(klv::FindIconImage(file, &span));
}

TEST(BitmapFile, FindsInfoAndBits) {
  std::vector<uint8_t> file = MakeBitmapFile(5, 3, 0x123456);
  klv::BitmapSpan span;
  ASSERT_TRUE(klv::FindBitmap(file, &span));
  EXPECT_EQ(14u, span.infoOffset);
  EXPECT_EQ(54u, span.bitsOffset);
}

TEST(BitmapFile, RefusesTruncatedOrForeignFiles) {
  klv::BitmapSpan span;
  std::vector<uint8_t> file = MakeBitmapFile(5, 3, 0);
  file.pop_back();  // one row byte short
  EXPECT_FALSE(klv::FindBitmap(file, &span));
  file = MakeBitmapFile(5, 3, 0);
  file[0] = 'X';
  EXPECT_FALSE(klv::FindBitmap(file, &span));
  file = MakeBitmapFile(5, 3, 0);
  file[14 + 8] = 0x7F;  // a height far larger than the bits
  EXPECT_FALSE(klv::FindBitmap(file, &span));
  EXPECT_FALSE(klv::FindBitmap(MakeIconFile({{16, 0}}), &span));
}

TEST(CharacterBoundary, KeepsShortTextsWhole) {
  EXPECT_EQ("Marrowfen", klv::gb18030::CutToWholeCharacters("Marrowfen", 127));
  EXPECT_EQ("", klv::gb18030::CutToWholeCharacters("", 127));
}

TEST(CharacterBoundary, NeverSplitsADoubleByteCharacter) {
  std::string chinese;
  for (int i = 0; i < 100; ++i) chinese += "点";  // 200 bytes
  std::string cut = klv::gb18030::CutToWholeCharacters(chinese, 127);
  EXPECT_EQ(126u, cut.size());
  EXPECT_EQ(chinese.substr(0, 126), cut);
  std::string shifted = "a" + chinese;  // characters now end on odd offsets
  cut = klv::gb18030::CutToWholeCharacters(shifted, 127);
  EXPECT_EQ(127u, cut.size());
  EXPECT_EQ(shifted.substr(0, 127), cut);
}

TEST(CharacterBoundary, ALoneLeadByteAtTheEndCountsAsOneByte) {
  std::string text = "ab\xB5";
  EXPECT_EQ(text, klv::gb18030::CutToWholeCharacters(text, 3));
  EXPECT_EQ("ab", klv::gb18030::CutToWholeCharacters("ab\xB5\xE3", 3));
}

TEST(CharacterBoundary, KeepsAFourByteSequenceWhole) {
  const std::string target = "\x94\x39\xC1\x33";  // U+1F3AF, a four-byte sequence
  const std::string text = "ab" + target + "c";
  for (size_t longest = 2; longest < 6; ++longest) EXPECT_EQ("ab", klv::gb18030::CutToWholeCharacters(text, longest));
  EXPECT_EQ("ab" + target, klv::gb18030::CutToWholeCharacters(text, 6));
  EXPECT_EQ(text, klv::gb18030::CutToWholeCharacters(text, 7));
}

}  // namespace
}  // namespace ctltest
