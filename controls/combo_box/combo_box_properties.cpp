// The combo box's properties: its table, and reading and writing them.
#include <algorithm>

#include "controls/combo_box/combo_box_unit.h"
#include "controls/skeleton/control_text.h"
#include "controls/skeleton/property_table.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "runtime/system_text.h"

namespace klv {
namespace {

constexpr int32_t kLongestLimit = 32767;
constexpr uint32_t kDropDownBackground = 0xFFFFFF;

using namespace ComboBoxProperty;

using Row = PropertySpec<ComboBoxUnit, ComboBoxSettings>;
using S = ComboBoxSettings;
constexpr WordRange kUpToLongestLimit = {0, kLongestLimit};

constexpr Row kTable[] = {
    {kStyle, "类型", "Style", PropertyKind::kChoice},
    {kContent, "内容", "Text", PropertyKind::kText},
    {kMaximumLength, "最大文本长度", "MaxLength", PropertyKind::kNonNegative, &S::maximumLength, kUpToLongestLimit,
     &ComboBoxUnit::ApplyMaximumLength},
    {kSelectionStart, "起始选择位置", "SelStart", PropertyKind::kInteger},
    {kSelectionLength, "被选择文本长度", "SelLength", PropertyKind::kInteger},
    {kSelectedText, "被选择文本", "SelText", PropertyKind::kText},
    {kSorted, "自动排序", "Sorted", PropertyKind::kLogical},
    {kRowSpacing, "行间距", "RowSpacing", PropertyKind::kNonNegative, &S::extraItemHeight, kUpToLongestLimit,
     &ComboBoxUnit::ApplyItemHeight},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour, &S::textColour, kAnyWord, &ComboBoxUnit::Redraw},
    {kBackgroundColour, "背景颜色", "BackColor", PropertyKind::kColour, &S::backgroundColour, kAnyWord,
     &ComboBoxUnit::ApplyBackground},
    {kFont, "字体", "Font", PropertyKind::kFont},
    {kCurrentItem, "现行选中项", "CurrentItem", PropertyKind::kInteger},
    {kItemTexts, "列表项目", "Items", PropertyKind::kTextList},
    {kItemData, "项目数值", "ItemData", PropertyKind::kBytes},
    {kUnknown22, "", kUnknownRole, PropertyKind::kText},
    {kUnknown23, "", kUnknownRole, PropertyKind::kText},
    {kUnknown24, "", kUnknownRole, PropertyKind::kInteger, &S::unknown24},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "combo box properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

uint32_t DefaultBackground(uint32_t style) { return style == kSimple ? kSystemColour : kDropDownBackground; }

int32_t Clamp(int32_t value, int32_t low, int32_t high) { return std::max(low, std::min(value, high)); }

// Stores a list that the system window is built from, which is then built
// anew when the list changed.
template <class List>
WriteOutcome Replace(List* stored, const List& wanted) {
  if (*stored == wanted) return WriteOutcome::kApplied;
  *stored = wanted;
  return WriteOutcome::kRebuildWindow;
}

}  // namespace

bool ComboBoxUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  switch (property) {
    case kStyle: out->low = settings_.style; return true;
    case kContent:
      // A drop-down list answers its window text with the selected item's
      // text (empty when none is selected).
      out->text = mirror_.Text();
      return true;
    case kSelectionStart:
    case kSelectionLength: {
      TextSelection live = {settings_.selectionStart, settings_.selectionStart + settings_.selectionLength};
      if (HasEditField()) live = ComboEditSelection(hwnd());
      out->low = static_cast<uint32_t>(property == kSelectionStart ? live.start : live.length());
      return true;
    }
    case kSelectedText: {
      if (!HasEditField()) return true;
      out->text = SelectedText(WideWindowText(hwnd()), ComboEditSelection(hwnd()));
      return true;
    }
    case kSorted: out->low = settings_.sorted; return true;
    case kFont: out->font = font_.Value(); return true;
    case kCurrentItem:
      out->low = static_cast<uint32_t>(mirror_.Selected());
      return true;
    case kItemTexts: out->text = JoinItems(settings_.items); return true;
    case kItemData: out->bytes = settings_.itemData; return true;
    case kUnknown22: out->text = settings_.unknown22; return true;
    case kUnknown23: out->text = settings_.unknown23; return true;
    default: return ReadSettingWord(kTable, settings_, property, &out->low);
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
  SendMessageW(info.hwndItem, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ToSystemText(text).c_str()));
}

// Selecting through the property raises no event: CB_SETCURSEL sends no
// notification, and nothing is posted.
void ComboBoxUnit::WriteCurrentItem(int32_t index) {
  int count = static_cast<int>(SendMessageA(hwnd(), CB_GETCOUNT, 0, 0));
  settings_.selectedItem = Clamp(index, -1, count - 1);
  SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(settings_.selectedItem), 0);
}

WriteOutcome ComboBoxUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  const int32_t number = static_cast<int32_t>(value.low);
  switch (property) {
    case kStyle: {
      uint32_t before = settings_.style;
      WriteStyle(number);
      return settings_.style != before ? WriteOutcome::kRebuildWindow : WriteOutcome::kApplied;
    }
    case kContent:
      settings_.content = value.text;
      if (HasEditField()) SetSystemWindowText(hwnd(), value.text);
      break;
    case kSelectionStart: WriteSelectionStart(number); break;
    case kSelectionLength: WriteSelectionLength(number); break;
    case kSelectedText: ReplaceSelection(value.text); break;
    case kSorted: return Replace(&settings_.sorted, value.low ? 1u : 0u);
    case kFont: font_.Set(value.font); ApplyFont(true); break;
    case kCurrentItem: WriteCurrentItem(number); break;
    case kItemTexts: return Replace(&settings_.items, SplitItems(value.text));
    case kItemData: return Replace(&settings_.itemData, value.bytes);
    case kUnknown22: settings_.unknown22 = value.text; break;
    case kUnknown23: settings_.unknown23 = value.text; break;
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  return WriteOutcome::kApplied;
}

DataTypeRecord ComboBoxTypeRecord() {
  return MakeTypeRecord("组合框", "ComboBox", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<ComboBoxUnit, ComboBoxSettings>>);
}

}  // namespace klv
