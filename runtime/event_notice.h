// What controls tell the runtime happened: the notice and the numbers of the
// events of every type.
#pragma once
#include <cstdint>

namespace klv {

struct EventNotice {
  uint32_t windowId;
  uint32_t unitId;  // 0 for the window itself
  int32_t event;
  uint32_t argumentCount;  // 0..5
  uint32_t arguments[5];
  uint32_t hasResult;
  uint32_t result;
};
static_assert(sizeof(EventNotice) == 44, "eleven words");

// Common events of every window unit, from the window's pre-translation of
// input addressed to it or to any of its controls.
namespace CommonEvent {
constexpr int kLeftDown = -1;
constexpr int kLeftUp = -2;
constexpr int kDoubleClick = -3;
constexpr int kRightDown = -4;
constexpr int kRightUp = -5;
constexpr int kMouseMove = -6;
constexpr int kGotFocus = -7;
constexpr int kLostFocus = -8;
constexpr int kKeyDown = -9;
constexpr int kKeyUp = -10;
constexpr int kCharacter = -11;
constexpr int kWheel = -12;
}  // namespace CommonEvent

// Each type's own events, by the index its handlers are bound to.
namespace WindowEvent {
constexpr int kCreated = 0;          // once loaded; the loader then raises kMoved and kResized
constexpr int kCloseQuery = 1;       // a handler result of false keeps the window open
constexpr int kDestroyed = 2;
constexpr int kMoved = 3;            // also on minimise, which moves the window
constexpr int kResized = 4;
constexpr int kIdle = 7;             // with the idle time in ms; a true result asks for more
constexpr int kShown = 10;
constexpr int kHidden = 11;
// Files dropped from a file manager, with the drop's handle, which the
// handler owns and must finish. A window binding it accepts dropped files.
constexpr int kFilesDropped = 12;
}  // namespace WindowEvent

namespace MenuEntryEvent {
constexpr int kChosen = 0;
}  // namespace MenuEntryEvent

namespace ButtonEvent {
constexpr int kClicked = 0;
}  // namespace ButtonEvent

namespace LabelEvent {
constexpr int kFeedback = 0;
}  // namespace LabelEvent

namespace EditBoxEvent {
constexpr int kContentChanged = 0;
}  // namespace EditBoxEvent

namespace ComboBoxEvent {
constexpr int kItemPicked = 0;
constexpr int kTextEdited = 1;
constexpr int kAboutToDropDown = 2;
constexpr int kClosedUp = 3;
constexpr int kDoubleClicked = 4;
}  // namespace ComboBoxEvent

namespace ReportListEvent {
constexpr int kRowFocused = 0;
constexpr int kRowActivated = 1;
constexpr int kColumnClicked = 2;     // with the column index
constexpr int kHotTracked = 3;        // with the row index
constexpr int kClicked = 4;
constexpr int kRightClicked = 5;
constexpr int kLabelEditStarts = 6;   // with the row index; a false result cancels the edit
constexpr int kLabelEditEnds = 7;     // with the row index; a false result rejects the new text
constexpr int kCheckBoxChanged = 8;   // with the row index and the new state-image index minus 1
}  // namespace ReportListEvent

namespace HotkeyBoxEvent {
constexpr int kChanged = 0;  // the user typed a key
}  // namespace HotkeyBoxEvent

namespace TrayIconEvent {
constexpr int kLeftClick = 0;
constexpr int kDoubleClick = 1;
constexpr int kRightClick = 2;
constexpr int kMouseMove = 3;  // with the cursor's screen position
}  // namespace TrayIconEvent

}  // namespace klv
