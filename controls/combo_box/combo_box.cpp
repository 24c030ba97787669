#include "controls/combo_box/combo_box_unit.h"

#include <algorithm>
#include <cstring>

#include "controls/skeleton/control_text.h"
#include "runtime/events.h"
#include "runtime/private_messages.h"
#include "runtime/system_text.h"

namespace klv {
namespace {

constexpr int kMinimumDropDownHeight = 160;

DWORD StyleBits(uint32_t style) {
  switch (style) {
    case kSimple: return CBS_SIMPLE;
    case kDropDown: return CBS_DROPDOWN;
    default: return CBS_DROPDOWNLIST;
  }
}

bool IsDropDownListWindow(HWND combo) {
  return (static_cast<DWORD>(GetWindowLongA(combo, GWL_STYLE)) & 3) == CBS_DROPDOWNLIST;
}

int32_t Clamp(int32_t value, int32_t low, int32_t high) { return std::max(low, std::min(value, high)); }

}  // namespace

// Creation: style, window, font, item height, text limit, items with their
// data, current item, and for the types with an edit field its text and
// selection. The window is tagged only when all of this is done, so the
// steps raise no events.
bool ComboBoxUnit::Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle) {
  DWORD style = commonStyle | WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_AUTOHSCROLL | StyleBits(settings_.style);
  if (settings_.sorted) style |= CBS_SORT;
  RECT room = rect;
  if (settings_.style != kSimple) room.bottom = std::max<LONG>(rect.bottom, rect.top + kMinimumDropDownHeight);
  HWND combo = MakeSystemWindow({"COMBOBOX", settings_.content, style, 0, room, parent, childId});
  if (!combo) return false;
  font_.ApplyTo(combo, false);
  baseItemHeight_ = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
  SendMessageA(combo, CB_SETITEMHEIGHT, 0, baseItemHeight_ + settings_.extraItemHeight);
  if (HasEditField()) SendMessageA(combo, CB_LIMITTEXT, settings_.maximumLength, 0);
  FillItems(combo);
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  settings_.selectedItem = Clamp(settings_.selectedItem, -1, count - 1);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(settings_.selectedItem), 0);
  if (HasEditField()) {
    SetSystemWindowText(combo, settings_.content);
    ApplyEditSelection(combo);
  }
  comboProcedure_ = Adopt(combo, true);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo, &info) && info.hwndItem && info.hwndItem != combo) AdoptPart(info.hwndItem);
  mirror_.ClaimOwner(this);
  MirrorControl(true);
  return true;
}

void ComboBoxUnit::MirrorControl(bool items) {
  ComboAsker ask = Direct();
  std::string text = ShownText(ask);
  int32_t selected = static_cast<int32_t>(ask(CB_GETCURSEL, 0, 0));
  if (!items) {
    mirror_.SetShown(text, selected);
    return;
  }
  ComboMirror::State state{std::move(text), selected, {}, {}};
  int count = static_cast<int>(ask(CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    state.items.push_back(ItemText(ask, i));
    state.itemData.push_back(static_cast<uint32_t>(ask(CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
  }
  mirror_.Set(state);
}

ComboMirror::Choice ComboBoxUnit::LiveChoice() const {
  ComboAsker ask = Direct();
  ComboMirror::Choice choice{ShownText(ask), static_cast<int32_t>(ask(CB_GETCURSEL, 0, 0)), 0};
  if (choice.selected >= 0) choice.itemData = static_cast<uint32_t>(ask(CB_GETITEMDATA, static_cast<WPARAM>(choice.selected), 0));
  return choice;
}

uint32_t ComboBoxUnit::LiveItemData(int32_t index) const {
  ComboAsker ask = Direct();
  if (index < 0 || index >= ask(CB_GETCOUNT, 0, 0)) return 0;
  return static_cast<uint32_t>(ask(CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void ComboBoxUnit::FillItems(HWND combo) {
  const size_t dataCount = settings_.itemData.size() / 4;
  for (size_t i = 0; i < settings_.items.size(); ++i) {
    LRESULT at = AddItem({combo}, settings_.items[i]);
    if (at < 0 || i >= dataCount) continue;
    uint32_t data;
    std::memcpy(&data, settings_.itemData.data() + i * 4, 4);
    SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(data));
  }
}

void ComboBoxUnit::ApplyFont(bool redraw) {
  font_.ApplyTo(hwnd(), redraw);
  // A new font gives the items their natural height again; the row spacing
  // is added on top of that.
  baseItemHeight_ = static_cast<int>(SendMessageA(hwnd(), CB_GETITEMHEIGHT, 0, 0));
  ApplyItemHeight();
}

// What the program sees of the old window is what the new one starts with:
// its text and selection, and its current item among the stored items.
void ComboBoxUnit::KeepLiveState() {
  if (!IsDropDownListWindow(hwnd())) {
    settings_.content = SystemWindowText(hwnd());
    TextSelection selection = ComboEditSelection(hwnd());
    settings_.selectionStart = selection.start;
    settings_.selectionLength = selection.length();
  }
  settings_.selectedItem = static_cast<int32_t>(SendMessageA(hwnd(), CB_GETCURSEL, 0, 0));
}

void ComboBoxUnit::Rebuild() {
  HWND old = hwnd();
  if (old == nullptr) return;
  KeepLiveState();
  ChildPlacement placement = CapturePlacement(old);
  if ((GetWindowLongA(old, GWL_STYLE) & 3) != CBS_SIMPLE && record_ != nullptr) {
    // A drop-down's window rectangle is only its closed part: the height it
    // was made with (its list included) is the stored one.
    placement.rect.bottom = placement.rect.top + std::max(placement.height(), record_->height);
  }
  if (settings_.style != kSimple) {
    placement.rect.bottom = placement.rect.top + std::max(placement.height(), kMinimumDropDownHeight);
  }
  DestroyOwnWindow();
  BuildInPlace(this, &ComboBoxUnit::Build, placement);
}

namespace {

int EventForNotification(WORD code) {
  switch (code) {
    case CBN_EDITCHANGE: return ComboBoxEvent::kTextEdited;
    case CBN_DROPDOWN: return ComboBoxEvent::kAboutToDropDown;
    case CBN_CLOSEUP: return ComboBoxEvent::kClosedUp;
    case CBN_DBLCLK: return ComboBoxEvent::kDoubleClicked;
    case CBN_SETFOCUS: return CommonEvent::kGotFocus;
    case CBN_KILLFOCUS: return CommonEvent::kLostFocus;
    default: return 0;
  }
}

}  // namespace

bool ComboBoxUnit::HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    WORD code = HIWORD(wParam);
    if (code == CBN_SELENDOK) {
      PostMessageA(hwnd(), kItemPickedMessage, 0, 0);
    } else if (int event = EventForNotification(code)) {
      RaiseEvent(event);
    } else {
      return false;
    }
    *result = 0;
    return true;
  }
  // A drop-down list paints its closed face with the colours its parent
  // answers for it.
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLORSTATIC) {
    *result = AnswerControlColour(wParam, settings_.textColour, background_);
    return true;
  }
  return false;
}

void ComboBoxUnit::HandleLoadNotice(UINT notice) {
  if (notice != LoadNotice::kApplyFont || !font_.NamesFace()) return;
  font_.Refresh();
  ApplyFont(true);
}

// The combo box's own messages: the posted pick notice, and the colours of
// its edit field and list, which ask the combo box itself. Every other
// message goes on to the system, and the mirror follows what it changed.
LRESULT ComboBoxUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hwnd != this->hwnd()) return OnEditFieldMessage(hwnd, message, wParam, lParam);
  switch (message) {
    case kItemPickedMessage: RaiseEvent(ComboBoxEvent::kItemPicked); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return AnswerControlColour(wParam, settings_.textColour, background_);
    case WM_ERASEBKGND: return OnEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    default: return ForwardAndMirror(hwnd, message, wParam, lParam);
  }
}

LRESULT ComboBoxUnit::OnEraseBackground(HWND hwnd, HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, background_.handle());
  return 1;
}

LRESULT ComboBoxUnit::ForwardAndMirror(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPreviousProcedure(hwnd, message, wParam, lParam);
  if (!LeavesContentAlone(message)) MirrorControl(ChangesItems(message));
  return result;
}

// The edit field: typing, pasting and texts set from outside change the
// combo box's shown text.
LRESULT ComboBoxUnit::OnEditFieldMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPreviousProcedure(edit, message, wParam, lParam);
  if (!LeavesContentAlone(message)) MirrorControl(false);
  return result;
}

}  // namespace klv
