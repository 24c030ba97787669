// The MainWindow description through the template writer and reader, under
// AddressSanitizer and UndefinedBehaviorSanitizer: the block reads back to
// the same description, every setting block parses by its unit's type, and
// every shortened block is refused without a read past its end.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "controls/skeleton/unit_settings.h"
#include "image/main_window_description.h"
#include "image/tray_icon_maker.h"
#include "runtime/interface/command_values.h"
#include "runtime/window_template.h"
#include "template_checks.h"

namespace {

using klvfuzz::SettingsCheck;

std::vector<uint8_t> ReadFileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const klv::WindowDescription& MainWindow() {
  static const klv::WindowDescription window = klv::MainWindowDescription(klv::MakeTrayIcon());
  return window;
}

std::vector<uint8_t> MainWindowBlock() { return klv::WriteTemplateBlock({MainWindow()}); }

TEST(TrayIcon, CommittedIconIsTheDrawnOne) {
  const std::vector<uint8_t> committed = ReadFileBytes(KLV_SOURCE_DIR "/image/tray_icon_image.ico");
  EXPECT_EQ(3262u, committed.size());
  EXPECT_TRUE(committed == klv::MakeTrayIcon()) << "image/tray_icon_image.ico differs from the drawn icon";
}

TEST(MainWindowBlock, ReadsBackToTheSameDescription) {
  const std::vector<uint8_t> block = MainWindowBlock();
  std::vector<uint8_t> exact(block);  // a heap block of exactly the block's size
  std::vector<klv::WindowDescription> windows;
  ASSERT_TRUE(klv::ReadTemplateBlock(exact.data(), exact.size(), &windows));
  ASSERT_EQ(1u, windows.size());
  EXPECT_TRUE(klvfuzz::SameDescriptions({MainWindow()}, windows));
  EXPECT_TRUE(klv::WriteTemplateBlock(windows) == block);
  EXPECT_TRUE(klvfuzz::RoundTripHolds(windows));
}

TEST(MainWindowBlock, EverySettingBlockParsesByItsUnitType) {
  std::vector<klv::WindowDescription> windows;
  const std::vector<uint8_t> block = MainWindowBlock();
  ASSERT_TRUE(klv::ReadTemplateBlock(block.data(), block.size(), &windows));
  size_t controls = 0, menuEntries = 0;
  for (const klv::UnitDescription& unit : windows.at(0).units) {
    if (unit.isMenuEntry) {
      ++menuEntries;
      continue;
    }
    ++controls;
    EXPECT_EQ(SettingsCheck::kParsed, klvfuzz::CheckSettings(unit.control.type, unit.control.settings))
        << unit.control.name << std::hex << " type 0x" << unit.control.type;
  }
  EXPECT_EQ(32u, controls);  // the window's own unit and 31 controls
  EXPECT_EQ(10u, menuEntries);
}

TEST(MainWindowBlock, EveryShortenedBlockIsRefused) {
  const std::vector<uint8_t> block = MainWindowBlock();
  for (size_t length = 1; length < block.size(); ++length) {
    std::vector<uint8_t> prefix(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length));
    std::vector<klv::WindowDescription> windows;
    EXPECT_FALSE(klv::ReadTemplateBlock(prefix.data(), prefix.size(), &windows)) << length << " bytes";
  }
}

TEST(SettingBlocks, EveryShortenedBlockIsRefused) {
  std::vector<klv::WindowDescription> windows;
  const std::vector<uint8_t> block = MainWindowBlock();
  ASSERT_TRUE(klv::ReadTemplateBlock(block.data(), block.size(), &windows));
  for (const klv::UnitDescription& unit : windows.at(0).units) {
    const klv::Bytes& settings = unit.control.settings;
    for (size_t length = 1; !unit.isMenuEntry && length < settings.size(); ++length) {
      const klv::Bytes prefix(settings.begin(), settings.begin() + static_cast<std::ptrdiff_t>(length));
      EXPECT_EQ(SettingsCheck::kRefused, klvfuzz::CheckSettings(unit.control.type, prefix))
          << unit.control.name << ", " << length << " of " << settings.size() << " bytes";
    }
  }
}

TEST(TemplateCorpus, CommittedSeedBlocksRead) {
  for (const char* name : {"main_window.block", "one_window.block", "menu_entries.block", "report_list.block",
                           "two_windows.block"}) {
    const std::vector<uint8_t> block =
        ReadFileBytes((std::string(KLV_SOURCE_DIR "/tests/fuzz/corpus/template_reader/") + name).c_str());
    std::vector<klv::WindowDescription> windows;
    ASSERT_FALSE(block.empty()) << name;
    EXPECT_TRUE(klv::ReadTemplateBlock(block.data(), block.size(), &windows)) << name;
    EXPECT_TRUE(klvfuzz::RoundTripHolds(windows)) << name;
  }
}

}  // namespace
