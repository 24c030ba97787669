// Each control type's own properties by number, written once: the types'
// property tables and the program use these names. kFirstSpare and
// kPropertyCount are not properties: the spares (held without effect) run
// from kFirstSpare, and kPropertyCount is the type's stated count. kUnknownN
// is the property at index N whose role is unknown: it is held and kept as
// stored. Pure: no system headers.
#pragma once

namespace klv {

namespace WindowProperty {  // the window
enum Index : int {
  kCaption = 0, kBorderStyle = 1, kBackgroundColour = 2, kBackgroundPicture = 3, kPictureMode = 4,
  kUnknown13 = 5, kUnknown14 = 6, kControlBox = 7, kMaximizeBox = 8, kMinimizeBox = 9, kWindowState = 10,
  kMovable = 11, kIcon = 12, kUnknown21 = 13, kUnknown22 = 14, kUnknown23 = 15, kUnknown24 = 16,
  kUnknown25 = 17, kUnknown26 = 18, kUnknown27 = 19, kUnknown28 = 20, kAlwaysOnTop = 21, kUnknown30 = 22,
  kUnknown31 = 23, kFirstSpare = 24, kPropertyCount = 32,
};
}  // namespace WindowProperty

namespace EditBoxProperty {  // the edit box
enum Index : int {
  kContent = 0, kBorder = 1, kTextColour = 2, kBackgroundColour = 3, kFont = 4, kHideSelection = 5,
  kMaximumLength = 6, kMultiLine = 7, kScrollBars = 8, kAlignment = 9, kInputMode = 10, kPasswordCharacter = 11,
  kCaseConversion = 12, kSpinButtons = 13, kSpinLower = 14, kSpinUpper = 15, kSelectionStart = 16,
  kSelectionLength = 17, kSelectedText = 18, kUnknown27 = 19, kUnknown28 = 20, kFirstSpare = 21, kPropertyCount = 29,
};
}  // namespace EditBoxProperty

namespace GroupBoxProperty {  // the group box
enum Index : int {
  kCaption = 0, kCaptionAlignment = 1, kTextColour = 2, kBackgroundColour = 3, kFont = 4, kFirstSpare = 5,
  kPropertyCount = 13,
};
}  // namespace GroupBoxProperty

namespace LabelProperty {  // the label
enum Index : int {
  kText = 0, kEffect = 1, kBorder = 2, kUnknown11 = 3, kFrameColour1 = 4, kFrameColour2 = 5, kFrameColour3 = 6,
  kFont = 7, kTextColour = 8, kBackgroundColour = 9, kBackgroundPicture = 10, kUnknown19 = 11, kUnknown20 = 12,
  kMoreColour1 = 13, kMoreColour2 = 14, kMoreColour3 = 15, kHorizontalAlignment = 16, kWordWrap = 17,
  kVerticalAlignment = 18, kUnknown27 = 19, kUnknown28 = 20, kFirstSpare = 21, kPropertyCount = 29,
};
}  // namespace LabelProperty

namespace ButtonProperty {  // the button
enum Index : int {
  kPicture = 0, kButtonType = 1, kCaption = 2, kHorizontalAlignment = 3, kVerticalAlignment = 4, kFont = 5,
  kFirstSpare = 6, kPropertyCount = 14,
};
}  // namespace ButtonProperty

namespace ComboBoxProperty {  // the combo box
enum Index : int {
  kStyle = 0, kContent = 1, kMaximumLength = 2, kSelectionStart = 3, kSelectionLength = 4, kSelectedText = 5,
  kSorted = 6, kRowSpacing = 7, kTextColour = 8, kBackgroundColour = 9, kFont = 10, kCurrentItem = 11,
  kItemTexts = 12, kItemData = 13, kUnknown22 = 14, kUnknown23 = 15, kUnknown24 = 16,
  kFirstSpare = 17, kPropertyCount = 25,
};
}  // namespace ComboBoxProperty

namespace TrayIconProperty {  // the tray icon
enum Index : int {
  kIcon = 0, kTooltip = 1, kShown = 2, kInNotificationArea = 3, kFirstSpare = 4, kPositionX = 8, kPositionY = 9,
  kPropertyCount = 18,
};
}  // namespace TrayIconProperty

namespace HotkeyBoxProperty {  // the hotkey box
enum Index : int {
  kKey = 0, kModifiers = 1, kFont = 2, kFirstSpare = 3, kPropertyCount = 3,
};
}  // namespace HotkeyBoxProperty

namespace ReportListProperty {  // the report list
enum Index : int {
  kBorder = 0, kTextColour = 1, kTextBackground = 2, kBackground = 3, kFont = 4, kView = 5, kIconAlignment = 6,
  kAutoArrange = 7, kLabelWrap = 8, kColumns = 9, kNoColumnHeader = 10, kHeaderImages = 11, kHeaderClickable = 12,
  kFullRowSelect = 13, kGridLines = 14, kHeaderDragDrop = 15, kViewImages = 16, kStateImages = 17,
  kHotTracking = 18, kHandCursor = 19, kUnderlineCold = 20, kUnderlineHot = 21, kEditLabels = 22, kSortOrder = 23,
  kCheckBoxes = 24, kFlatScrollBars = 25, kSingleSelection = 26, kCurrentRow = 27, kShowSelectionAlways = 28,
  kRows = 29, kFirstSpare = 30, kPropertyCount = 39,
};
}  // namespace ReportListProperty

}  // namespace klv
