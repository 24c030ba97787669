// The setting blocks of the control types as stored in a window template:
// each starts with its version, fields are 32-bit unless noted, and an empty
// block gives the defaults. A block of a lower version holds only that
// version's fields. A field named unknownN is the property at index N whose
// role is unknown, kept as stored. Pure logic: used by the runtime and by
// the image generator alike.
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
  uint32_t borderStyle = 2;
  uint32_t pictureMode = 1;
  uint32_t backgroundColour = kSystemColour;
  uint32_t maximizeBox = 0;
  uint32_t minimizeBox = 0;
  uint32_t controlBox = 1;
  uint32_t startPosition = 1;      // 0 as stored, 1 centred, 2 minimised, 3 maximised
  uint32_t movable = 1;
  uint32_t unknown14 = 0, unknown21 = 0, unknown22 = 1, unknown23 = 0, unknown25 = 0;
  uint32_t unknown26 = 1;          // from version 2
  uint32_t unknown27 = 0, unknown28 = 0;  // from version 3
  uint32_t alwaysOnTop = 0;        // from version 4
  uint32_t unknown30 = 0;          // from version 5
  std::string unknown31;           // in version 6
  Bytes backgroundPicture;
  Bytes icon;
  Bytes unknown13;
  std::string caption;
  std::string unknown24;
};

struct LabelSettings {  // version 2
  uint32_t version = 2;
  uint32_t effect = 0;
  uint32_t unknown11 = 8;          // at least 5
  uint32_t border = 0;
  uint32_t frameColour1 = 0x808080, frameColour2 = 0xFFFFFF, frameColour3 = 0x808080;
  uint32_t textColour = 0;
  uint32_t backgroundColour = kSystemColour;
  uint32_t unknown19 = 1, unknown20 = 0;
  uint32_t moreColour1 = 0x808080, moreColour2 = 0xFFFFFF, moreColour3 = 0x808080;
  uint32_t horizontalAlignment = 0;  // 0 left, 1 centre, 2 right
  uint32_t verticalAlignment = 1;    // 0 top, 1 centre, 2 bottom
  uint32_t wordWrap = 0;
  Bytes font;
  Bytes backgroundPicture;
  std::string text = "标签";
  std::string unknown27, unknown28;  // from version 2
};

struct EditBoxSettings {  // version 2
  uint32_t version = 2;
  uint32_t borderStyle = 1;
  uint32_t textColour = 0;
  uint32_t backgroundColour = 0xFFFFFF;
  uint32_t hideSelection = 1;
  uint32_t maximumLength = 0;      // 0 no limit
  uint32_t multiLine = 0;
  uint32_t scrollBars = 0;         // 0 none, 1 horizontal, 2 vertical, 3 both
  uint32_t alignment = 0;          // 0 left, 1 centre, 2 right
  uint32_t inputMode = 0;          // 0 normal, 1 read-only, 2 password
  uint16_t passwordCharacter = 42; // stored in 16 bits
  uint32_t caseConversion = 0;     // 0 none, 1 lower, 2 upper
  uint32_t spinButtons = 0;
  int32_t spinMinimum = 0;
  int32_t spinMaximum = 100;
  uint32_t selectionStart = 0, selectionLength = 0;
  Bytes font;
  std::string content;
  std::string unknown27, unknown28;  // from version 2
};

struct GroupBoxSettings {  // version 1
  uint32_t version = 1;
  uint32_t captionAlignment = 0;
  uint32_t textColour = 0;
  uint32_t backgroundColour = kSystemColour;
  Bytes font;
  std::string caption;
};

struct ButtonSettings {  // version 1
  uint32_t version = 1;
  uint32_t buttonType = 0;         // 0 normal, 1 default
  uint32_t horizontalAlignment = 1;
  uint32_t verticalAlignment = 1;
  Bytes picture;
  Bytes font;
  std::string caption;
};

struct ComboBoxSettings {  // version 3
  uint32_t version = 3;
  uint32_t style = 1;              // 0 simple, 1 editable drop-down, 2 drop-down list
  uint32_t maximumLength = 0;
  int32_t selectionStart = 0, selectionLength = 0;
  uint32_t sorted = 0;
  uint32_t extraItemHeight = 0;
  uint32_t textColour = 0;
  uint32_t backgroundColour = 0xFFFFFF;
  int32_t selectedItem = -1;
  Bytes itemData;                  // 32-bit values, one per item
  Bytes font;
  std::string content;
  std::vector<std::string> items;  // more than 0xFFFE items are stored as 0xFFFF + 32-bit count
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
  uint32_t borderStyle = 1;
  uint32_t textColour = 0;
  uint32_t textBackgroundColour = 0xFFFFFF;
  uint32_t backgroundColour = 0xFFFFFF;
  uint32_t view = 3;               // 0 icons, 1 small icons, 2 list, 3 report
  uint32_t iconAlignLeft = 0;
  uint32_t autoArrange = 0;
  uint32_t labelWrap = 1;
  uint32_t noColumnHeader = 0;
  uint32_t headerClickable = 1;
  uint32_t fullRowSelect = 0;
  uint32_t gridLines = 0;
  uint32_t headerDragDrop = 0;
  uint32_t hotTracking = 0;
  uint32_t handCursor = 0;
  uint32_t underlineHot = 0;
  uint32_t underlineCold = 0;
  uint32_t editLabels = 0;
  uint32_t sortOrder = 0;
  uint32_t checkBoxes = 0;
  uint32_t flatScrollBars = 0;
  uint32_t singleSelection = 0;
  int32_t selectedRow = -1;
  uint32_t showSelectionAlways = 0;
  Bytes font;                      // counted block 1
  Bytes headerImages;              // block 2
  Bytes viewImages;                // block 3
  std::vector<ColumnRecord> columns;  // block 4
  Bytes stateImages;               // block 5
  std::vector<RowCellRecord> rows; // block 6
};

struct TrayIconSettings {  // version 1
  uint32_t version = 1;
  Bytes icon;                      // an .ico file image
  std::string tooltip;
  uint32_t shown = 1;
};

struct HotkeyBoxSettings {  // version 1
  uint32_t version = 1;
  uint32_t key = 0;                // a virtual-key code; 0: no key
  uint32_t modifiers = 0;          // RegisterHotKey's MOD_ flags: Alt 1, Control 2, Shift 4, Win 8
  Bytes font;
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
bool ParseSettings(const Bytes& block, HotkeyBoxSettings* out);

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
Bytes WriteSettings(const HotkeyBoxSettings& settings);

// The packed column and row blobs of a report list.
bool ParseColumnList(const Bytes& blob, std::vector<ColumnRecord>* out);
Bytes WriteColumnList(const std::vector<ColumnRecord>& columns);
bool ParseRowList(const Bytes& blob, std::vector<RowCellRecord>* out);
Bytes WriteRowList(const std::vector<RowCellRecord>& rows);

}  // namespace klv
