// The setting blocks of the control types as stored in a window template:
// every block starts with its version, fields are 32-bit unless noted, and a
// missing (empty) block means every setting takes its default. Parsing goes
// through a bounded reader; a block of a higher version than the type knows
// fails. A block of a lower version holds only the fields of that version;
// the others keep their defaults. The comments give the property index under
// which a field is read and written. A field whose role is unknown is named
// unknownN after its property index N (kUnknownN in the type's property
// list, and unknownN as the property's English name): it is kept as stored
// and written back unchanged. Pure logic: used by the runtime and by the
// image generator alike.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/byte_reader.h"

namespace klv {

constexpr uint32_t kSystemColour = 0xFF000000;  // the system button-face colour

using Bytes = std::vector<uint8_t>;

struct WindowSettings {  // version 6
  uint32_t version = 6;
  uint32_t borderStyle = 2;        // property 9
  uint32_t pictureMode = 1;        // 12
  uint32_t backgroundColour = kSystemColour;  // 10
  uint32_t maximizeBox = 0;        // 16
  uint32_t minimizeBox = 0;        // 17
  uint32_t controlBox = 1;         // 15
  uint32_t startPosition = 1;      // 18: 0 as stored, 1 centred, 2 minimised, 3 maximised
  uint32_t movable = 1;            // 19
  uint32_t unknown14 = 0, unknown21 = 0, unknown22 = 1, unknown23 = 0, unknown25 = 0;
  uint32_t unknown26 = 1;          // from version 2
  uint32_t unknown27 = 0, unknown28 = 0;  // from version 3
  uint32_t alwaysOnTop = 0;        // 29, from version 4
  uint32_t unknown30 = 0;          // from version 5
  std::string unknown31;           // in version 6
  Bytes backgroundPicture;         // 11
  Bytes icon;                      // 20
  Bytes unknown13;                 // 13
  std::string caption;             // 8
  std::string unknown24;           // 24
};

struct LabelSettings {  // version 2
  uint32_t version = 2;
  uint32_t effect = 0;             // 9
  uint32_t unknown11 = 8;          // at least 5
  uint32_t border = 0;             // 10
  uint32_t frameColours[3] = {0x808080, 0xFFFFFF, 0x808080};  // 12, 13, 14
  uint32_t textColour = 0;         // 16
  uint32_t backgroundColour = kSystemColour;  // 17
  uint32_t unknown19 = 1, unknown20 = 0;
  uint32_t moreColours[3] = {0x808080, 0xFFFFFF, 0x808080};   // 21, 22, 23
  uint32_t horizontalAlignment = 0;  // 24: 0 left, 1 centre, 2 right
  uint32_t verticalAlignment = 1;    // 26: 0 top, 1 centre, 2 bottom
  uint32_t wordWrap = 0;             // 25
  Bytes font;                      // 15
  Bytes backgroundPicture;         // 18
  std::string text = "标签";        // 8
  std::string unknown27, unknown28;  // from version 2
};

struct EditBoxSettings {  // version 2
  uint32_t version = 2;
  uint32_t borderStyle = 1;        // 9
  uint32_t textColour = 0;         // 10
  uint32_t backgroundColour = 0xFFFFFF;  // 11
  uint32_t hideSelection = 1;      // 13
  uint32_t maximumLength = 0;      // 14: 0 no limit
  uint32_t multiLine = 0;          // 15
  uint32_t scrollBars = 0;         // 16: 0 none, 1 horizontal, 2 vertical, 3 both
  uint32_t alignment = 0;          // 17: 0 left, 1 centre, 2 right
  uint32_t inputMode = 0;          // 18: 0 normal, 1 read-only, 2 password
  uint16_t passwordCharacter = 42; // 19: stored in 16 bits
  uint32_t caseConversion = 0;     // 20: 0 none, 1 lower, 2 upper
  uint32_t spinButtons = 0;        // 21
  int32_t spinMinimum = 0;         // 22
  int32_t spinMaximum = 100;       // 23
  uint32_t selectionStart = 0, selectionLength = 0;  // 24, 25
  Bytes font;                      // 12
  std::string content;             // 8
  std::string unknown27, unknown28;  // from version 2
};

struct GroupBoxSettings {  // version 1
  uint32_t version = 1;
  uint32_t captionAlignment = 0;   // 9
  uint32_t textColour = 0;         // 10
  uint32_t backgroundColour = kSystemColour;  // 11
  Bytes font;                      // 12
  std::string caption;             // 8
};

struct ButtonSettings {  // version 1
  uint32_t version = 1;
  uint32_t buttonType = 0;         // 9: 0 normal, 1 default
  uint32_t horizontalAlignment = 1;  // 11
  uint32_t verticalAlignment = 1;    // 12
  Bytes picture;                   // 8
  Bytes font;                      // 13
  std::string caption;             // 10
};

struct ComboBoxSettings {  // version 3
  uint32_t version = 3;
  uint32_t style = 1;              // 8: 0 simple, 1 editable drop-down, 2 drop-down list
  uint32_t maximumLength = 0;      // 10
  int32_t selectionStart = 0, selectionLength = 0;  // 11, 12
  uint32_t sorted = 0;             // 14
  uint32_t extraItemHeight = 0;    // 15
  uint32_t textColour = 0;         // 16
  uint32_t backgroundColour = 0xFFFFFF;  // 17
  int32_t selectedItem = -1;       // 19
  Bytes itemData;                  // 21: 32-bit values, one per item
  Bytes font;                      // 18
  std::string content;             // 9
  std::vector<std::string> items;  // 20; more than 0xFFFE items are stored as 0xFFFF + 32-bit count
  std::string unknown22, unknown23;  // from version 2
  uint32_t unknown24 = 0;          // from version 3
};

struct ColumnRecord {
  uint8_t imageOnRight = 0;
  int32_t imageIndex = -1;
  uint32_t alignment = 0;          // 0 left, 1 centre, 2 right
  int32_t width = 50;
  std::string title;
};

struct RowCellRecord {
  uint8_t nextColumn = 0;          // 0 starts a new row
  int32_t imageIndex = -1;
  int32_t stateImageIndex = -1;
  int32_t indent = 0;
  uint32_t rowData = 0;
  std::string text;
  std::string tip;
};

// The six counted byte blocks come in this order: font, header image list,
// view image list, columns (always the fourth), state image list, rows. The
// columns and rows are kept decoded; the other blocks pass through whole.
struct ReportListSettings {  // version 1
  uint32_t version = 1;
  uint32_t borderStyle = 1;        // 8
  uint32_t textColour = 0;         // 9
  uint32_t textBackgroundColour = 0xFFFFFF;  // 10
  uint32_t backgroundColour = 0xFFFFFF;      // 11
  uint32_t view = 3;               // 13: 0 icons, 1 small icons, 2 list, 3 report
  uint32_t iconAlignLeft = 0;      // 14
  uint32_t autoArrange = 0;        // 15
  uint32_t labelWrap = 1;          // 16
  uint32_t noColumnHeader = 0;     // 18
  uint32_t headerClickable = 1;    // 20
  uint32_t fullRowSelect = 0;      // 21
  uint32_t gridLines = 0;          // 22
  uint32_t headerDragDrop = 0;     // 23
  uint32_t hotTracking = 0;        // 26
  uint32_t handCursor = 0;         // 27
  uint32_t underlineHot = 0;       // 29
  uint32_t underlineCold = 0;      // 28
  uint32_t editLabels = 0;         // 30
  uint32_t sortOrder = 0;          // 31
  uint32_t checkBoxes = 0;         // 32
  uint32_t flatScrollBars = 0;     // 33
  uint32_t singleSelection = 0;    // 34
  int32_t selectedRow = -1;        // 35
  uint32_t showSelectionAlways = 0;  // 36
  Bytes font;                      // 12  (counted block 1)
  Bytes headerImages;              // 19  (block 2)
  Bytes viewImages;                // 24  (block 3)
  std::vector<ColumnRecord> columns;  // 17 (block 4)
  Bytes stateImages;               // 25  (block 5)
  std::vector<RowCellRecord> rows; // 37  (block 6)
};

struct TrayIconSettings {  // version 1
  uint32_t version = 1;
  Bytes icon;                      // 8: an .ico file image
  std::string tooltip;             // 9
  uint32_t shown = 1;              // 10
};

// Parse a setting block; an empty block gives the defaults. False when the
// block is truncated, has bytes left after its last field, holds a column or
// row blob that does not parse, or is of a higher version than the type reads.
bool ParseSettings(const Bytes& block, WindowSettings* out);
bool ParseSettings(const Bytes& block, LabelSettings* out);
bool ParseSettings(const Bytes& block, EditBoxSettings* out);
bool ParseSettings(const Bytes& block, GroupBoxSettings* out);
bool ParseSettings(const Bytes& block, ButtonSettings* out);
bool ParseSettings(const Bytes& block, ComboBoxSettings* out);
bool ParseSettings(const Bytes& block, ReportListSettings* out);
bool ParseSettings(const Bytes& block, TrayIconSettings* out);

// Write a setting block with the fields of the settings' version. An item
// list of 0xFFFF items or more is written with the 32-bit count.
Bytes WriteSettings(const WindowSettings& settings);
Bytes WriteSettings(const LabelSettings& settings);
Bytes WriteSettings(const EditBoxSettings& settings);
Bytes WriteSettings(const GroupBoxSettings& settings);
Bytes WriteSettings(const ButtonSettings& settings);
Bytes WriteSettings(const ComboBoxSettings& settings);
Bytes WriteSettings(const ReportListSettings& settings);
Bytes WriteSettings(const TrayIconSettings& settings);

// The packed column and row blobs of a report list.
bool ParseColumnList(const Bytes& blob, std::vector<ColumnRecord>* out);
Bytes WriteColumnList(const std::vector<ColumnRecord>& columns);
bool ParseRowList(const Bytes& blob, std::vector<RowCellRecord>* out);
Bytes WriteRowList(const std::vector<RowCellRecord>& rows);

}  // namespace klv
