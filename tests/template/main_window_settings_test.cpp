// The setting blocks the program's MainWindow template stores for its
// controls: label texts and colours, edit boxes, group boxes and buttons,
// the drop-down lists, the plan list's columns and the tray's icon.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "template_layout.h"

using namespace klv;
using namespace templatetest;

namespace {

TEST_F(MainWindowTemplate, LabelSettings) {
  struct Want {
    uint32_t unitId;
    const char* text;
    uint32_t horizontal, vertical, colour, wrap;
  };
  const Want labels[] = {
      {0x16015009, "此软件为免费软件 禁止任何人出售", 0, 1, 0, 0},
      {0x1601349f, "", 1, 1, 0xFF0090, 0},
      {0x160134a0, "", 1, 1, 0xFF0090, 0},
      {0x1601349d, "", 1, 1, 0xFF8800, 0},
      {0x1601349e, "", 1, 1, 0xFF8800, 0},
      {0x1601349b, "X:", 1, 1, 0, 0},
      {0x1601349c, "Y:", 1, 1, 0, 0},
      {0x16013499, "X:", 1, 1, 0, 0},
      {0x1601349a, "Y:", 1, 1, 0, 0},
      {0x16011a45, "F1", 0, 1, 0x0000FF, 0},
      {0x16011a44, "在你需要点击的地方按下  按键即可获取对应的坐标", 0, 1, 0, 1},
  };
  for (const Want& want : labels) {
    SCOPED_TRACE(want.text);
    LabelSettings got = SettingsOf<LabelSettings>(want.unitId);
    EXPECT_EQ(2u, got.version);
    EXPECT_EQ(std::string(want.text), got.text);
    EXPECT_EQ(want.horizontal, got.horizontalAlignment);
    EXPECT_EQ(want.vertical, got.verticalAlignment);
    EXPECT_EQ(want.colour, got.textColour);
    EXPECT_EQ(want.wrap, got.wordWrap);
    EXPECT_EQ(0xFF000000u, got.backgroundColour);
    EXPECT_EQ(0u, got.border);
    EXPECT_EQ(0u, got.effect);
    EXPECT_TRUE(got.font.empty());
  }
  // Label1 and Label2 store nothing and take every default.
  for (uint32_t unitId : {0x16015008u, 0x16015007u}) {
    EXPECT_TRUE(Control(unitId).settings.empty());
    EXPECT_EQ("标签", SettingsOf<LabelSettings>(unitId).text);
  }
}

TEST_F(MainWindowTemplate, EditBoxSettings) {
  struct Want {
    uint32_t unitId;
    const char* content;
    uint32_t alignment, multiLine;
  };
  const Want edits[] = {
      {0x160135a8, "", 0, 1}, {0x160134cb, "1000", 1, 0}, {0x160134c9, "", 1, 0}, {0x160134c8, "", 1, 0}};
  for (const Want& want : edits) {
    SCOPED_TRACE(want.unitId);
    EditBoxSettings got = SettingsOf<EditBoxSettings>(want.unitId);
    EXPECT_EQ(2u, got.version);
    EXPECT_EQ(std::string(want.content), got.content);
    EXPECT_EQ(want.alignment, got.alignment);
    EXPECT_EQ(want.multiLine, got.multiLine);
    EXPECT_EQ(0u, got.scrollBars);
    EXPECT_EQ(0xFFFFFFu, got.backgroundColour);
    EXPECT_EQ(0u, got.maximumLength);
    EXPECT_EQ(0u, got.inputMode);
  }
}

TEST_F(MainWindowTemplate, GroupBoxAndButtonSettings) {
  EXPECT_EQ("记事本", SettingsOf<GroupBoxSettings>(kGroup3).caption);
  EXPECT_EQ("窗口", SettingsOf<GroupBoxSettings>(kGroup2).caption);
  EXPECT_EQ("屏幕", SettingsOf<GroupBoxSettings>(kGroup1).caption);
  struct Want {
    uint32_t unitId;
    const char* caption;
  };
  const Want buttons[] = {{0x160134d3, "添加"},     {0x16011a41, "保存"},    {0x16011a40, "读取"},
                          {0x16011a3f, "单步调试"}, {0x16011a3e, "停止/F7"}, {0x16011a3d, "开始/F6"}};
  for (const Want& want : buttons) {
    ButtonSettings got = SettingsOf<ButtonSettings>(want.unitId);
    EXPECT_EQ(std::string(want.caption), got.caption);
    EXPECT_EQ(0u, got.buttonType);
    EXPECT_EQ(1u, got.horizontalAlignment);
    EXPECT_EQ(1u, got.verticalAlignment);
  }
}

TEST_F(MainWindowTemplate, ComboBoxesAreWhiteDropDownLists) {
  struct Want {
    uint32_t unitId;
    std::vector<std::string> items;
    int32_t selected;
  };
  const Want combos[] = {{0x160134d2, {"左键", "右键"}, 0},
                         {0x160134a7, {}, -1},
                         {0x16011a42, {"前台点击", "后台点击"}, 0}};
  for (const Want& want : combos) {
    SCOPED_TRACE(want.unitId);
    ComboBoxSettings got = SettingsOf<ComboBoxSettings>(want.unitId);
    EXPECT_EQ(3u, got.version);
    EXPECT_EQ(2u, got.style);
    EXPECT_EQ(want.items, got.items);
    EXPECT_EQ(want.selected, got.selectedItem);
    EXPECT_EQ(1u, got.extraItemHeight);
    EXPECT_EQ(0xFFFFFFu, got.backgroundColour);
    EXPECT_EQ(0u, got.textColour);
    EXPECT_EQ(0u, got.maximumLength);
    EXPECT_EQ(0u, got.sorted);
  }
}

TEST_F(MainWindowTemplate, PlanListIsAReportWithFourColumns) {
  ReportListSettings got = SettingsOf<ReportListSettings>(0x16011a43);
  EXPECT_EQ(1u, got.borderStyle);
  EXPECT_EQ(0u, got.textColour);
  EXPECT_EQ(0xFFFFFFu, got.textBackgroundColour);
  EXPECT_EQ(0xFFFFFFu, got.backgroundColour);
  EXPECT_EQ(3u, got.view);
  EXPECT_EQ(0u, got.noColumnHeader);
  EXPECT_EQ(1u, got.headerClickable);
  EXPECT_EQ(1u, got.fullRowSelect);
  EXPECT_EQ(1u, got.gridLines);
  EXPECT_EQ(1u, got.singleSelection);
  EXPECT_EQ(1u, got.showSelectionAlways);
  EXPECT_EQ(-1, got.selectedRow);
  for (uint32_t off : {got.hotTracking, got.editLabels, got.sortOrder, got.checkBoxes, got.headerDragDrop,
                       got.flatScrollBars}) {
    EXPECT_EQ(0u, off);
  }
  EXPECT_TRUE(got.rows.empty());
  EXPECT_TRUE(got.headerImages.empty() && got.viewImages.empty() && got.stateImages.empty());
  const char* titles[] = {"坐标X", "坐标Y", "延迟", "模式"};
  ASSERT_EQ(4u, got.columns.size());
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(std::string(titles[i]), got.columns[i].title);
    EXPECT_EQ(50, got.columns[i].width);
    EXPECT_EQ(0u, got.columns[i].alignment);
    EXPECT_EQ(-1, got.columns[i].imageIndex);
    EXPECT_EQ(0, got.columns[i].imageOnRight);
  }
}

TEST_F(MainWindowTemplate, TrayCarriesA32PixelIcon) {
  TrayIconSettings got = SettingsOf<TrayIconSettings>(0x160135aa);
  EXPECT_EQ("Marrowfen", got.tooltip);
  EXPECT_EQ(1u, got.shown);
  const std::vector<uint8_t>& icon = got.icon;
  ASSERT_EQ(3262u, icon.size());
  EXPECT_EQ(0x00010000u, WordAt(icon, 0));  // reserved 0, type 1 (icon)
  EXPECT_EQ(1, icon[4] | (icon[5] << 8));    // one image
  EXPECT_EQ(32, icon[6]);                    // width
  EXPECT_EQ(32, icon[7]);                    // height
  uint32_t size = WordAt(icon, 14), offset = WordAt(icon, 18);
  EXPECT_EQ(icon.size(), static_cast<size_t>(size) + offset);
  EXPECT_EQ(40u, WordAt(icon, offset));      // bitmap header size
  EXPECT_EQ(32u, WordAt(icon, offset + 4));  // width
  EXPECT_EQ(64u, WordAt(icon, offset + 8));  // colour rows plus mask rows
  // Not blank: some pixels are opaque and some transparent.
  size_t maskAt = offset + 40 + 32 * 32 * 3;
  size_t transparentBits = 0;
  for (size_t i = maskAt; i < icon.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) transparentBits += (icon[i] >> bit) & 1;
  }
  EXPECT_GT(transparentBits, 100u);
  EXPECT_LT(transparentBits, 1000u);
}

}  // namespace
