// The per-type setting blocks: defaults, versions, exact layouts of the
// fields that are easy to get wrong, and broken blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/skeleton/unit_settings.h"
#include "guarded_buffer.h"
#include "image/window_template_data.h"
#include "runtime/byte_reader.h"
#include "runtime/window_template.h"

using namespace klv;

namespace {

// Parses from a buffer that ends at an inaccessible page.
template <class Settings>
bool ParseGuarded(const Bytes& block, Settings* out) {
  GuardedBuffer buffer(block);
  return ParseSettings(Bytes(buffer.data(), buffer.data() + buffer.size()), out);
}

void Words(ByteWriter* out, std::initializer_list<uint32_t> values) {
  for (uint32_t value : values) out->U32(value);
}

// A combo box block up to its item list: a white drop-down list with the
// given selection, empty byte blocks and an empty content text.
void ComboHead(ByteWriter* out, uint32_t version, int32_t selected) {
  Words(out, {version, 2, 0, 0, 0, 0, 1, 0, 0xFFFFFF, static_cast<uint32_t>(selected)});
  out->CountedBytes({});
  out->CountedBytes({});
  out->CountedText("");
}

template <class Settings>
testing::AssertionResult EmptyBlockReadsAsDefaults(Settings stale) {
  if (!ParseSettings(Bytes(), &stale)) return testing::AssertionFailure() << "the empty block was refused";
  if (WriteSettings(stale) != WriteSettings(Settings())) {
    return testing::AssertionFailure() << "the empty block left values other than the defaults";
  }
  return testing::AssertionSuccess();
}

// Every block stored in MainWindow, with the type that reads it.
std::vector<std::pair<uint32_t, Bytes>> StoredBlocks() {
  std::vector<WindowDescription> windows;
  EXPECT_TRUE(ReadTemplateBlock(kMainWindowTemplate, kMainWindowTemplateLength, &windows));
  std::vector<std::pair<uint32_t, Bytes>> blocks;
  for (const UnitDescription& unit : windows.at(0).units) {
    if (!unit.isMenuEntry && !unit.control.settings.empty()) {
      blocks.emplace_back(unit.control.type, unit.control.settings);
    }
  }
  return blocks;
}

// Parses `block` as the settings of `type`; `roundTrip` gets the block
// written back from what was parsed.
bool ParseAs(uint32_t type, const Bytes& block, Bytes* roundTrip = nullptr) {
  auto parse = [&](auto settings) {
    bool ok = ParseGuarded(block, &settings);
    if (ok && roundTrip) *roundTrip = WriteSettings(settings);
    return ok;
  };
  switch (type) {
    case 0x00010001: return parse(WindowSettings());
    case 0x0001000A: return parse(LabelSettings());
    case 0x00010005: return parse(EditBoxSettings());
    case 0x00010009: return parse(GroupBoxSettings());
    case 0x0001000B: return parse(ButtonSettings());
    case 0x0001000E: return parse(ComboBoxSettings());
    case 0x00020004: return parse(ReportListSettings());
    case 0x00040001: return parse(TrayIconSettings());
  }
  ADD_FAILURE() << "unknown type " << std::hex << type;
  return false;
}

TEST(UnitSettings, StoredBlocksRoundTripAndEveryTruncationFails) {
  std::vector<std::pair<uint32_t, Bytes>> blocks = StoredBlocks();
  ASSERT_EQ(30u, blocks.size());  // every unit but the menu entries, Label1 and Label2
  for (const auto& [type, block] : blocks) {
    SCOPED_TRACE(type);
    Bytes written;
    ASSERT_TRUE(ParseAs(type, block, &written));
    EXPECT_EQ(block, written);
    for (size_t length = 1; length < block.size(); ++length) {
      ASSERT_FALSE(ParseAs(type, Bytes(block.begin(), block.begin() + length))) << "length " << length;
    }
    Bytes longer = block;
    longer.push_back(0);
    EXPECT_FALSE(ParseAs(type, longer));
  }
}

TEST(UnitSettings, HigherVersionThanTheTypeReadsFails) {
  auto bumped = [](auto settings) {
    settings.version += 1;
    Bytes block = WriteSettings(settings);
    decltype(settings) parsed;
    return ParseSettings(block, &parsed);
  };
  EXPECT_FALSE(bumped(WindowSettings()));
  EXPECT_FALSE(bumped(LabelSettings()));
  EXPECT_FALSE(bumped(EditBoxSettings()));
  EXPECT_FALSE(bumped(GroupBoxSettings()));
  EXPECT_FALSE(bumped(ButtonSettings()));
  EXPECT_FALSE(bumped(ComboBoxSettings()));
  EXPECT_FALSE(bumped(ReportListSettings()));
  EXPECT_FALSE(bumped(TrayIconSettings()));
}

// An empty block (a control stored without settings) reads as the type's
// defaults: settings that held other values before come out byte for byte
// as the defaults write, nothing of the earlier values left.
TEST(UnitSettings, EmptyBlockGivesTheDefaults) {
  LabelSettings label;
  label.text = "x";
  label.horizontalAlignment = 2;
  label.backgroundColour = 7;
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(label));
  WindowSettings window;
  window.caption = "x";
  window.borderStyle = 0;
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(window));
  EditBoxSettings edit;
  edit.content = "x";
  edit.passwordCharacter = 0;
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(edit));
  ComboBoxSettings combo;
  combo.items = {"x"};
  combo.selectedItem = 0;
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(combo));
  GroupBoxSettings group;
  group.caption = "x";
  group.backgroundColour = 7;
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(group));
  ButtonSettings button;
  button.caption = "x";
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(button));
  ReportListSettings list;
  list.columns.resize(2);
  list.selectedRow = 3;
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(list));
  TrayIconSettings tray;
  tray.tooltip = "x";
  tray.shown = 0;
  EXPECT_TRUE(EmptyBlockReadsAsDefaults(tray));
}

// The edit box's password character is the one 16-bit field.
TEST(UnitSettings, EditBoxLayoutHasA16BitPasswordCharacter) {
  EditBoxSettings edit;
  edit.passwordCharacter = 0x2A;
  edit.caseConversion = 2;
  edit.content = "ab";
  Bytes block = WriteSettings(edit);
  ASSERT_EQ(84u, block.size());  // 4 + 9 words + 2 + 6 words + empty bytes + "ab" + two empty texts
  EXPECT_EQ(0x2A, block[40]);
  EXPECT_EQ(0x00, block[41]);
  EXPECT_EQ(2, block[42]);  // case conversion follows right after
  EXPECT_EQ('a', block[74]);
}

TEST(UnitSettings, ComboItemCountIn16BitsOr0xFFFFAnd32Bits) {
  ByteWriter longForm;
  ComboHead(&longForm, 3, 1);
  longForm.U16(0xFFFF);
  longForm.U32(2);
  longForm.CountedText("one");
  longForm.CountedText("two");
  longForm.CountedText("");
  longForm.CountedText("");
  longForm.U32(0);
  ComboBoxSettings combo;
  ASSERT_TRUE(ParseGuarded(longForm.bytes(), &combo));
  EXPECT_EQ((std::vector<std::string>{"one", "two"}), combo.items);
  EXPECT_EQ(1, combo.selectedItem);
  // Written back, two items take the short form: two bytes less.
  EXPECT_EQ(longForm.size() - 4, WriteSettings(combo).size());

  ComboBoxSettings many;
  many.items.assign(0xFFFF, "");
  Bytes block = WriteSettings(many);
  const size_t countAt = 4 + 9 * 4 + 4 + 4 + 4;
  EXPECT_EQ(0xFF, block[countAt]);
  EXPECT_EQ(0xFF, block[countAt + 1]);
  EXPECT_EQ(0xFFFFu, block[countAt + 2] | (block[countAt + 3] << 8) | (block[countAt + 4] << 16));
  ComboBoxSettings parsed;
  ASSERT_TRUE(ParseSettings(block, &parsed));
  EXPECT_EQ(0xFFFFu, parsed.items.size());

  many.items.resize(0xFFFE);
  block = WriteSettings(many);
  EXPECT_EQ(0xFE, block[countAt]);
  EXPECT_EQ(0xFF, block[countAt + 1]);
  EXPECT_EQ(0u, block[countAt + 2]);  // the empty text of the first item
}

TEST(UnitSettings, AbsurdComboItemCountFailsWithoutAllocatingForIt) {
  ByteWriter block;
  ComboHead(&block, 3, 0);
  block.U16(0xFFFF);
  block.U32(0xFFFFFFFF);
  ComboBoxSettings combo;
  EXPECT_FALSE(ParseGuarded(block.bytes(), &combo));
}

TEST(UnitSettings, LowerVersionsReadOnlyTheirFields) {
  // A combo box of version 1: no trailing texts, no trailing setting.
  ByteWriter v1;
  ComboHead(&v1, 1, 0);
  v1.U16(1);
  v1.CountedText("a");
  ComboBoxSettings combo;
  combo.unknown22 = "stale";
  combo.unknown24 = 9;
  ASSERT_TRUE(ParseGuarded(v1.bytes(), &combo));
  EXPECT_EQ(1u, combo.version);
  EXPECT_EQ(std::vector<std::string>{"a"}, combo.items);
  EXPECT_EQ("", combo.unknown22);
  EXPECT_EQ(0u, combo.unknown24);
  EXPECT_EQ(v1.bytes(), WriteSettings(combo));

  // A window of version 1: the fields of versions 2 to 6 keep their defaults.
  ByteWriter window;
  Words(&window, {1, 4, 1, 0xFF000000, 0, 1, 1, 0, 1, 0, 0, 1, 0, 0});
  window.CountedBytes({});
  window.CountedBytes({});
  window.CountedBytes({});
  window.CountedText("t");
  window.CountedText("");
  WindowSettings parsed;
  ASSERT_TRUE(ParseGuarded(window.bytes(), &parsed));
  EXPECT_EQ(4u, parsed.borderStyle);
  EXPECT_EQ("t", parsed.caption);
  EXPECT_EQ(1u, parsed.unknown26);
  EXPECT_EQ(0u, parsed.alwaysOnTop);
  EXPECT_EQ("", parsed.unknown31);

  // A window of version 4 has always-on-top but not the text of version 6.
  ByteWriter v4;
  Words(&v4, {4, 2, 1, 0xFF000000, 0, 1, 1, 1, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1});
  for (int i = 0; i < 3; ++i) v4.CountedBytes({});
  v4.CountedText("w");
  v4.CountedText("");
  ASSERT_TRUE(ParseGuarded(v4.bytes(), &parsed));
  EXPECT_EQ(1u, parsed.alwaysOnTop);
  EXPECT_EQ("w", parsed.caption);

  // A label of version 1 ends with its text.
  LabelSettings label;
  label.version = 1;
  label.text = "v1";
  Bytes labelBlock = WriteSettings(label);
  EXPECT_EQ(WriteSettings(LabelSettings()).size() - 8 - 4 + 2, labelBlock.size());
  LabelSettings readLabel;
  ASSERT_TRUE(ParseGuarded(labelBlock, &readLabel));
  EXPECT_EQ("v1", readLabel.text);
}

TEST(UnitSettings, CountedTextsEndAtAZeroOrANonPositiveLength) {
  ByteWriter block;
  Words(&block, {1, 0, 0, 0xFF000000});
  block.CountedBytes({});
  block.U32(5);
  block.Bytes("ab\0cd", 5);
  GroupBoxSettings group;
  ASSERT_TRUE(ParseGuarded(block.bytes(), &group));
  EXPECT_EQ("ab", group.caption);

  ByteWriter negative;
  Words(&negative, {1, 0, 0, 0xFF000000});
  negative.CountedBytes({});
  negative.I32(-7);
  ASSERT_TRUE(ParseGuarded(negative.bytes(), &group));
  EXPECT_EQ("", group.caption);
}

TEST(UnitSettings, ColumnAndRowBlobs) {
  std::vector<ColumnRecord> columns(2);
  columns[0].title = "坐标X";
  columns[1].imageOnRight = 1;
  columns[1].imageIndex = 3;
  columns[1].alignment = 2;
  columns[1].width = 70;
  columns[1].title = "";
  Bytes blob = WriteColumnList(columns);
  ASSERT_EQ(13u + 6 + 13 + 1, blob.size());
  EXPECT_EQ(0, blob[0]);
  EXPECT_EQ(0xFFu, blob[1]);  // no image: -1
  EXPECT_EQ(50, blob[9]);
  std::vector<ColumnRecord> parsed;
  ASSERT_TRUE(ParseColumnList(blob, &parsed));
  ASSERT_EQ(2u, parsed.size());
  EXPECT_EQ("坐标X", parsed[0].title);
  EXPECT_EQ(70, parsed[1].width);
  EXPECT_EQ(2u, parsed[1].alignment);
  EXPECT_EQ(1, parsed[1].imageOnRight);
  for (size_t length = 1; length < blob.size(); ++length) {
    if (length == 19) continue;  // exactly the first column
    EXPECT_FALSE(ParseColumnList(Bytes(blob.begin(), blob.begin() + length), &parsed)) << length;
  }

  std::vector<RowCellRecord> rows(3);
  rows[0].text = "100";
  rows[0].tip = "tip";
  rows[0].rowData = 7;
  rows[1].nextColumn = 1;
  rows[1].text = "200";
  rows[2].text = "next row";
  rows[2].indent = 2;
  Bytes rowBlob = WriteRowList(rows);
  std::vector<RowCellRecord> readRows;
  ASSERT_TRUE(ParseRowList(rowBlob, &readRows));
  ASSERT_EQ(3u, readRows.size());
  EXPECT_EQ("tip", readRows[0].tip);
  EXPECT_EQ(7u, readRows[0].rowData);
  EXPECT_EQ(1, readRows[1].nextColumn);
  EXPECT_EQ(2, readRows[2].indent);
  EXPECT_EQ(rowBlob, WriteRowList(readRows));
  EXPECT_FALSE(ParseRowList(Bytes(rowBlob.begin(), rowBlob.end() - 1), &readRows));
}

TEST(UnitSettings, ReportListWithABrokenColumnBlobFails) {
  ReportListSettings list;
  list.columns.resize(1);
  list.columns[0].title = "t";
  Bytes block = WriteSettings(list);
  ReportListSettings parsed;
  ASSERT_TRUE(ParseSettings(block, &parsed));
  ASSERT_EQ(1u, parsed.columns.size());
  // The column block is the fourth counted block: after 25 words come three
  // empty blocks, then the columns' length. Cut its string's terminator.
  const size_t columnsAt = 4 * 25 + 3 * 4;
  ASSERT_EQ(15u, block[columnsAt]);
  Bytes broken = block;
  broken[columnsAt] = 14;
  broken.erase(broken.begin() + columnsAt + 4 + 14);
  EXPECT_FALSE(ParseSettings(broken, &parsed));
}

}  // namespace
