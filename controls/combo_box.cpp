// The combo box: a system "COMBOBOX" with the control's stored items, item
// data, colours and font, its events, and the three core commands that work
// on it (item text, add item, clear). Items added by the commands live only in
// the system control, so a rebuild of the system window loses them.
// The control keeps a mirror of its shown text, selected item and item texts
// for other threads. The combo box and its edit field each get a procedure
// in front of the system's that brings the mirror up to date after every
// message that may have changed them (commands, property writes, the user's
// picks and typing, texts set by other programs), before the message returns.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "controls/child_window.h"
#include "controls/command_arguments.h"
#include "controls/control_text.h"
#include "runtime/control_mirror.h"
#include "controls/control_font.h"
#include "controls/control_paint.h"
#include "controls/core_commands.h"
#include "controls/host.h"
#include "controls/property_table.h"
#include "controls/type_properties.h"
#include "controls/type_records.h"
#include "controls/unit_creation.h"
#include "controls/unit_procedure.h"
#include "controls/unit_settings.h"
#include "controls/word_properties.h"
#include "runtime/events.h"
#include "runtime/private_messages.h"
#include "runtime/text_value.h"

namespace klv {
namespace {

constexpr int kMinimumDropDownHeight = 160;
constexpr int32_t kLongestLimit = 32767;
constexpr uint32_t kDropDownBackground = 0xFFFFFF;

enum ComboStyle : uint32_t { kSimple = 0, kDropDown = 1, kDropDownList = 2 };

using namespace ComboBoxProperty;

constexpr PropertyRow kNamedProperties[] = {
    {kStyle, "类型", "Style", PropertyKind::kChoice},
    {kContent, "内容", "Text", PropertyKind::kText},
    {kMaximumLength, "最大文本长度", "MaxLength", PropertyKind::kNonNegative},
    {kSelectionStart, "起始选择位置", "SelStart", PropertyKind::kInteger},
    {kSelectionLength, "被选择文本长度", "SelLength", PropertyKind::kInteger},
    {kSelectedText, "被选择文本", "SelText", PropertyKind::kText},
    {kSorted, "自动排序", "Sorted", PropertyKind::kLogical},
    {kRowSpacing, "行间距", "RowSpacing", PropertyKind::kNonNegative},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour},
    {kBackgroundColour, "背景颜色", "BackColor", PropertyKind::kColour},
    {kFont, "字体", "Font", PropertyKind::kFont},
    {kCurrentItem, "现行选中项", "CurrentItem", PropertyKind::kInteger},
    {kItemTexts, "列表项目", "Items", PropertyKind::kTextList},
    {kItemData, "项目数值", "ItemData", PropertyKind::kBytes},
    UnknownProperty(kUnknown22, PropertyKind::kText),
    UnknownProperty(kUnknown23, PropertyKind::kText),
    UnknownProperty(kUnknown24, PropertyKind::kInteger),
};
static_assert(RowsInPropertyOrder(kNamedProperties, kPropertyCount), "combo box properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kNamedProperties);

// The item list travels to and from the program as one text, one item per
// line.
const char kItemSeparator[] = "\r\n";

std::string JoinItems(const std::vector<std::string>& items) {
  std::string joined;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) joined += kItemSeparator;
    joined += items[i];
  }
  return joined;
}

std::vector<std::string> SplitItems(const std::string& text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  size_t from = 0;
  for (size_t at; (at = text.find(kItemSeparator, from)) != std::string::npos; from = at + 2) {
    items.push_back(text.substr(from, at - from));
  }
  items.push_back(text.substr(from));
  return items;
}

uint32_t DefaultBackground(uint32_t style) { return style == kSimple ? kSystemColour : kDropDownBackground; }

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

// Stores a stored list that the system window is built from: 1 (build the
// window anew) when it changed.
template <class List>
int Replace(List* stored, const List& wanted) {
  if (*stored == wanted) return 0;
  *stored = wanted;
  return 1;
}

// Asks the combo box's window something; the mirror's own questions call
// the system's procedure in place, past the mirroring procedure.
using ComboAsker = SystemWindowAsker;

// The text of item index, asked of the system control.
std::string ItemText(const ComboAsker& ask, int index) {
  int count = static_cast<int>(ask(CB_GETCOUNT, 0, 0));
  if (index < 0 || index >= count) return std::string();
  LRESULT length = ask(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR || length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  LRESULT copied = ask(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  if (copied == CB_ERR || copied <= 0) return std::string();
  return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

std::string ShownText(const ComboAsker& ask) {
  return GrowingText(
      [&ask](char* buffer, int size) { return ask(WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)); },
      [&ask] { return ask(WM_GETTEXTLENGTH, 0, 0); });
}

// Messages after which the combo box and its edit field are surely as they
// were: paints, hit tests and questions. After any other the mirror is
// compared with the control.
bool LeavesContentAlone(UINT message) {
  switch (message) {
    case WM_PAINT: case WM_NCPAINT: case WM_ERASEBKGND: case WM_NCHITTEST: case WM_SETCURSOR:
    case WM_NCMOUSEMOVE: case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_GETDLGCODE: case WM_GETFONT:
    case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORSTATIC: case WM_TIMER:
    case WM_DESTROY: case WM_NCDESTROY: case CB_GETCOUNT: case CB_GETCURSEL: case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN: case CB_GETEDITSEL: case CB_GETDROPPEDSTATE: case CB_GETITEMDATA: case CB_GETITEMHEIGHT:
    case EM_GETSEL: return true;
    default: return false;
  }
}

bool ChangesItems(UINT message) {
  return message == CB_ADDSTRING || message == CB_INSERTSTRING || message == CB_DELETESTRING ||
         message == CB_RESETCONTENT || message == CB_DIR || message == CB_SETITEMDATA;
}

LRESULT CALLBACK EditFieldProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

class ComboBoxUnit : public UnitObject, private ComboMirror::LiveSource {
 public:
  ComboBoxUnit(const CreateRequest& request, const ComboBoxSettings& settings)
      : UnitObject(request.windowId, request.unitId),
        record_(request.record),
        settings_(settings),
        background_(settings.backgroundColour) {
    font_.LoadStored(settings.font);
    settings_.style = std::min<uint32_t>(settings_.style, kDropDownList);
  }

  bool Create(const CreateRequest& request) {
    return Build(request.parent, request.childId, RequestedRect(request), CommonChildStyle(request)) != nullptr;
  }

  bool ReadTypeProperty(int k, int element, PropertyValue* out) override;
  int WriteTypeProperty(int k, int element, const PropertyValue& value) override;
  void Rebuild() override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void HandleLoadNotice(UINT notice) override {
    if (notice != LoadNotice::kApplyFont || !font_.NamesFace()) return;
    font_.Refresh();
    ApplyFont(true);
  }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // What the commands read of the combo box: the owner thread its live
  // window, other threads the published copy.
  const ComboMirror& mirror() const { return mirror_; }
  // Brings the mirror up to date: the shown text and selection, and with
  // items the item texts too. Owner thread.
  void MirrorControl(bool items);

 private:
  HWND Build(HWND parent, int childId, RECT rect, DWORD commonStyle);
  ComboAsker Direct() const { return {hwnd(), comboProcedure_}; }
  // The mirror's answers on the owner thread, asked of the live window.
  bool HasWindow() const override { return hwnd() != nullptr; }
  ComboMirror::Choice LiveChoice() const override;
  std::string LiveText() const override { return ShownText(Direct()); }
  int32_t LiveSelected() const override { return static_cast<int32_t>(Direct()(CB_GETCURSEL, 0, 0)); }
  std::string LiveItem(int32_t index) const override { return ItemText(Direct(), index); }
  uint32_t LiveItemData(int32_t index) const override;
  void FillItems(HWND combo);
  void ApplyFont(bool redraw);
  void ApplyItemHeight() { SendMessageA(hwnd(), CB_SETITEMHEIGHT, 0, baseItemHeight_ + settings_.extraItemHeight); }
  void ApplyEditSelection(HWND combo) const {
    int32_t end = settings_.selectionStart + settings_.selectionLength;
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(settings_.selectionStart, end));
  }
  bool HasEditField() const { return settings_.style != kDropDownList; }
  void KeepLiveState();
  void WriteStyle(int32_t requested);
  void WriteSelectionStart(int32_t start);
  void WriteSelectionLength(int32_t length);
  void ReplaceSelection(const std::string& text);
  void WriteCurrentItem(int32_t index);
  void Redraw() { RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME); }

  const ControlRecord* record_;  // the stored geometry, kept by the runtime
  ComboBoxSettings settings_;
  ControlFont font_;
  ColourBrush background_;
  int baseItemHeight_ = 0;
  ComboMirror mirror_;
  WNDPROC comboProcedure_ = nullptr;  // the system's, in place of a sent message
  SpareProperties<kPropertyCount - kFirstSpare> spare_{kFirstSpare};  // held, without effect
};

// Creation: style, window, font, item height, text limit, items with their
// data, current item, and for the types with an edit field its text and
// selection. The window is tagged only when all of this is done, so the
// steps raise no events.
HWND ComboBoxUnit::Build(HWND parent, int childId, RECT rect, DWORD commonStyle) {
  DWORD style = commonStyle | WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_AUTOHSCROLL | StyleBits(settings_.style);
  if (settings_.sorted) style |= CBS_SORT;
  int height = rect.bottom - rect.top;
  if (settings_.style != kSimple) height = std::max(height, kMinimumDropDownHeight);
  HWND combo = CreateWindowExA(0, "COMBOBOX", settings_.content.c_str(), style, rect.left, rect.top,
                               rect.right - rect.left, height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)), GetModuleHandleA(nullptr), nullptr);
  if (!combo) return nullptr;
  font_.ApplyTo(combo, false);
  baseItemHeight_ = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
  SendMessageA(combo, CB_SETITEMHEIGHT, 0, baseItemHeight_ + settings_.extraItemHeight);
  if (HasEditField()) SendMessageA(combo, CB_LIMITTEXT, settings_.maximumLength, 0);
  FillItems(combo);
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  settings_.selectedItem = Clamp(settings_.selectedItem, -1, count - 1);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(settings_.selectedItem), 0);
  if (HasEditField()) {
    SetWindowTextA(combo, settings_.content.c_str());
    ApplyEditSelection(combo);
  }
  AttachWindow(combo);
  comboProcedure_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(combo, GWLP_WNDPROC));
  SubclassWindow(combo, &UnitProcedure<ComboBoxUnit>);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo, &info) && info.hwndItem && info.hwndItem != combo) {
    SubclassWindow(info.hwndItem, &EditFieldProcedure);
  }
  mirror_.ClaimOwner(this);
  MirrorControl(true);
  return combo;
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
    LRESULT at = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(settings_.items[i].c_str()));
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
    settings_.content = WindowText(hwnd());
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

bool ComboBoxUnit::ReadTypeProperty(int k, int element, PropertyValue* out) {
  switch (k) {
    case kStyle: out->low = settings_.style; return true;
    case kContent:
      // A drop-down list answers its window text with the selected item's
      // text (empty when none is selected).
      out->text = mirror_.Text();
      return true;
    case kMaximumLength: out->low = settings_.maximumLength; return true;
    case kSelectionStart:
    case kSelectionLength: {
      TextSelection live = {settings_.selectionStart, settings_.selectionStart + settings_.selectionLength};
      if (HasEditField()) live = ComboEditSelection(hwnd());
      out->low = static_cast<uint32_t>(k == kSelectionStart ? live.start : live.length());
      return true;
    }
    case kSelectedText: {
      if (!HasEditField()) return true;
      out->text = SelectedText(WideWindowText(hwnd()), ComboEditSelection(hwnd()));
      return true;
    }
    case kSorted: out->low = settings_.sorted; return true;
    case kRowSpacing: out->low = settings_.extraItemHeight; return true;
    case kTextColour: out->low = settings_.textColour; return true;
    case kBackgroundColour: out->low = settings_.backgroundColour; return true;
    case kFont: out->font = font_.Value(); return true;
    case kCurrentItem:
      out->low = static_cast<uint32_t>(mirror_.Selected());
      return true;
    case kItemTexts: out->text = JoinItems(settings_.items); return true;
    case kItemData: out->bytes = settings_.itemData; return true;
    case kUnknown22: out->text = settings_.unknown22; return true;
    case kUnknown23: out->text = settings_.unknown23; return true;
    case kUnknown24: out->low = settings_.unknown24; return true;
    default: out->low = spare_.Read(k); return spare_.Holds(k);
  }
}

void ComboBoxUnit::WriteStyle(int32_t requested) {
  uint32_t style = static_cast<uint32_t>(Clamp(requested, kSimple, kDropDownList));
  if (settings_.backgroundColour == DefaultBackground(settings_.style)) {
    settings_.backgroundColour = DefaultBackground(style);
    background_.Set(settings_.backgroundColour);
  }
  settings_.style = style;
}

void ComboBoxUnit::WriteSelectionStart(int32_t start) {
  if (!HasEditField()) {
    settings_.selectionStart = std::max(start, -1);
    return;
  }
  int32_t length = static_cast<int32_t>(WideWindowText(hwnd()).size());
  TextSelection live = ComboEditSelection(hwnd());
  if (start == -1) {
    settings_.selectionStart = length;
    settings_.selectionLength = 0;
  } else {
    settings_.selectionStart = Clamp(start, 0, length);
    settings_.selectionLength = std::min(live.length(), length - settings_.selectionStart);
  }
  ApplyEditSelection(hwnd());
}

void ComboBoxUnit::WriteSelectionLength(int32_t length) {
  if (!HasEditField()) {
    settings_.selectionLength = std::max(length, -1);
    return;
  }
  int32_t textLength = static_cast<int32_t>(WideWindowText(hwnd()).size());
  settings_.selectionStart = Clamp(ComboEditSelection(hwnd()).start, 0, textLength);
  int32_t rest = textLength - settings_.selectionStart;
  settings_.selectionLength = length == -1 ? rest : Clamp(length, 0, rest);
  ApplyEditSelection(hwnd());
}

void ComboBoxUnit::ReplaceSelection(const std::string& text) {
  if (!HasEditField()) return;
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(hwnd(), &info) || info.hwndItem == nullptr) return;
  // The edit field puts the caret after the inserted text.
  SendMessageA(info.hwndItem, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// Selecting through the property raises no event: CB_SETCURSEL sends no
// notification, and nothing is posted.
void ComboBoxUnit::WriteCurrentItem(int32_t index) {
  int count = static_cast<int>(SendMessageA(hwnd(), CB_GETCOUNT, 0, 0));
  settings_.selectedItem = Clamp(index, -1, count - 1);
  SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(settings_.selectedItem), 0);
}

int ComboBoxUnit::WriteTypeProperty(int k, int element, const PropertyValue& value) {
  const int32_t number = static_cast<int32_t>(value.low);
  switch (k) {
    case kStyle: {
      uint32_t before = settings_.style;
      WriteStyle(number);
      return settings_.style != before ? 1 : 0;
    }
    case kContent:
      settings_.content = value.text;
      if (HasEditField()) SetWindowTextA(hwnd(), value.text.c_str());
      return 0;
    case kMaximumLength:
      settings_.maximumLength = static_cast<uint32_t>(Clamp(number, 0, kLongestLimit));
      if (HasEditField()) SendMessageA(hwnd(), CB_LIMITTEXT, settings_.maximumLength, 0);
      return 0;
    case kSelectionStart: WriteSelectionStart(number); return 0;
    case kSelectionLength: WriteSelectionLength(number); return 0;
    case kSelectedText: ReplaceSelection(value.text); return 0;
    case kSorted: {
      uint32_t sorted = value.low ? 1 : 0;
      if (sorted == settings_.sorted) return 0;
      settings_.sorted = sorted;
      return 1;
    }
    case kRowSpacing:
      settings_.extraItemHeight = static_cast<uint32_t>(Clamp(number, 0, kLongestLimit));
      ApplyItemHeight();
      return 0;
    case kTextColour: settings_.textColour = value.low; Redraw(); return 0;
    case kBackgroundColour:
      settings_.backgroundColour = value.low;
      background_.Set(value.low);
      Redraw();
      return 0;
    case kFont: font_.Set(value.font); ApplyFont(true); return 0;
    case kCurrentItem: WriteCurrentItem(number); return 0;
    case kItemTexts: return Replace(&settings_.items, SplitItems(value.text));
    case kItemData: return Replace(&settings_.itemData, value.bytes);
    case kUnknown22: settings_.unknown22 = value.text; return 0;
    case kUnknown23: settings_.unknown23 = value.text; return 0;
    case kUnknown24: settings_.unknown24 = value.low; return 0;
    default: spare_.Write(k, value.low); return 0;
  }
}

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

// The combo box's own procedure in front of the system's: the posted pick
// notice, and the colours of its edit field and list, which ask the combo box
// itself.
LRESULT ComboBoxUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kItemPickedMessage: RaiseEvent(ComboBoxEvent::kItemPicked); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return AnswerControlColour(wParam, settings_.textColour, background_);
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_.handle());
      return 1;
    }
    default: {
      LRESULT result = CallPreviousProcedure(hwnd, message, wParam, lParam);
      if (!LeavesContentAlone(message)) MirrorControl(ChangesItems(message));
      return result;
    }
  }
}

// The edit field's procedure in front of the system's: typing, pasting and
// texts set from outside change the combo box's shown text.
LRESULT CALLBACK EditFieldProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPreviousProcedure(edit, message, wParam, lParam);
  if (LeavesContentAlone(message)) return result;
  HWND combo = GetParent(edit);
  auto* unit = dynamic_cast<ComboBoxUnit*>(UnitObject::FromWindow(combo));
  if (unit && unit->hwnd() == combo) unit->MirrorControl(false);
  return result;
}

// The combo box named by a command's first argument; the lookup raises the
// runtime error when the unit is missing (a combo box whose window is being
// built anew is not). Null for a unit of another type.
ComboBoxUnit* ComboUnit(const CommandArguments& arguments) {
  const CommandArgument& combo = arguments.At(0);
  auto* unit = reinterpret_cast<UnitObject*>(
      static_cast<uintptr_t>(Host(HostNotifyCode::kRequireUnitObject, combo.low, combo.high)));
  return dynamic_cast<ComboBoxUnit*>(unit);
}

// Null also while the window is being built anew.
HWND ComboWindow(const CommandArguments& arguments) {
  ComboBoxUnit* unit = ComboUnit(arguments);
  return unit ? unit->hwnd() : nullptr;
}

}  // namespace

DataTypeRecord ComboBoxTypeRecord() {
  return MakeTypeRecord("组合框", "ComboBox", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<ComboBoxUnit, ComboBoxSettings>>);
}

// The commands reach the combo box through messages to its system window,
// so they work from any thread; another thread reads item texts from the
// mirror and does not wait for the owner.
namespace core {

void ComboItemText(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ComboBoxUnit* combo = ComboUnit(args);
  int32_t index = args.Integer(1, -1);
  std::string text;
  if (combo) text = combo->mirror().Item(index);
  SetTextResult(result, CopyText(text.c_str()));
}

void ComboAddItem(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  HWND combo = ComboWindow(args);
  const char* text = args.Text(1, "");
  LRESULT at = combo ? SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : "")) : CB_ERR;
  if (at < 0) {
    SetIntegerResult(result, -1);
    return;
  }
  SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(args.Integer(2, 0)));
  SetIntegerResult(result, static_cast<int32_t>(at));
}

void ComboClear(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  if (HWND combo = ComboWindow(args)) SendMessageA(combo, CB_RESETCONTENT, 0, 0);
}

void ComboItemData(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ComboBoxUnit* combo = ComboUnit(args);
  int32_t item = args.Integer(1, -1);
  uint32_t data = combo ? combo->mirror().ItemData(item) : 0;
  SetIntegerResult(result, static_cast<int32_t>(data));
}

// The runner asks at every step: the shown text, and the picked item's data
// word of the same moment, so that the two never come from both sides of a
// change.
void ComboShownChoice(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ComboBoxUnit* combo = ComboUnit(args);
  ComboMirror::Choice choice;
  if (combo) choice = combo->mirror().ShownChoice();
  if (auto* place = static_cast<uint32_t*>(const_cast<void*>(args.Pointer(1)))) *place = choice.itemData;
  SetTextResult(result, CopyText(choice.text.c_str()));
}

}  // namespace core
}  // namespace klv
