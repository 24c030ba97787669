// The report list's properties: its table, reading and writing them, and
// its type record.
#include <algorithm>
#include <vector>

#include "controls/report_list/list_view_items.h"
#include "controls/skeleton/property_table.h"
#include "controls/report_list/report_list_unit.h"
#include "controls/report_list/report_list_window.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/skeleton/unit_lookup.h"

namespace klv {
namespace {

using namespace ReportListStyle;

using namespace ReportListProperty;
using namespace ReportListStyle;

constexpr PropertyRow kNamedProperties[] = {
    {kBorder, "边框", "Border", PropertyKind::kChoice},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour},
    {kTextBackground, "文本背景颜色", "TextBackColor", PropertyKind::kColour},
    {kBackground, "背景颜色", "BackColor", PropertyKind::kColour},
    {kFont, "字体", "Font", PropertyKind::kFont},
    {kView, "类型", "View", PropertyKind::kChoice},
    {kIconAlignment, "对齐方式", "IconAlign", PropertyKind::kChoice},
    {kAutoArrange, "自动排列", "AutoArrange", PropertyKind::kLogical},
    {kLabelWrap, "标签自动换行", "LabelWrap", PropertyKind::kLogical},
    {kColumns, "列", "Columns", PropertyKind::kBlob},
    {kNoColumnHeader, "隐藏列头", "NoColumnHeader", PropertyKind::kLogical},
    {kHeaderImages, "列头图片组", "HeaderImages", PropertyKind::kOtherBlob},
    {kHeaderClickable, "列头可点击", "HeaderButtons", PropertyKind::kLogical},
    {kFullRowSelect, "整行选择", "FullRowSelect", PropertyKind::kLogical},
    {kGridLines, "表格线", "GridLines", PropertyKind::kLogical},
    {kHeaderDragDrop, "列头可拖动", "HeaderDragDrop", PropertyKind::kLogical},
    {kViewImages, "图片组", "Images", PropertyKind::kOtherBlob},
    {kStateImages, "状态图片组", "StateImages", PropertyKind::kOtherBlob},
    {kHotTracking, "热点跟踪", "HotTracking", PropertyKind::kLogical},
    {kHandCursor, "手形热点", "HandCursor", PropertyKind::kLogical},
    {kUnderlineCold, "冷点下划线", "UnderlineCold", PropertyKind::kLogical},
    {kUnderlineHot, "热点下划线", "UnderlineHot", PropertyKind::kLogical},
    {kEditLabels, "允许编辑", "EditLabels", PropertyKind::kLogical},
    {kSortOrder, "排序方式", "SortOrder", PropertyKind::kChoice},
    {kCheckBoxes, "检查框", "CheckBoxes", PropertyKind::kLogical},
    {kFlatScrollBars, "平面滚动条", "FlatScrollBars", PropertyKind::kLogical},
    {kSingleSelection, "单一选择", "SingleSelection", PropertyKind::kLogical},
    {kCurrentRow, "现行选中项", "CurrentRow", PropertyKind::kInteger},
    {kShowSelectionAlways, "始终显示选择", "ShowSelectionAlways", PropertyKind::kLogical},
    {kRows, "初始项目", "Rows", PropertyKind::kBlob},
};
static_assert(RowsInPropertyOrder(kNamedProperties, kPropertyCount), "report list properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kNamedProperties);

}  // namespace

bool ReportListUnit::ReadTypeProperty(int k, int element, PropertyValue* out) {
  if (const SettingRule* rule = RuleFor(k)) {
    out->low = settings_.*(rule->field);
    return true;
  }
  switch (k) {
    case kBorder: out->low = settings_.borderStyle; return true;
    case kTextColour: out->low = settings_.textColour; return true;
    case kTextBackground: out->low = settings_.textBackgroundColour; return true;
    case kBackground: out->low = settings_.backgroundColour; return true;
    case kFont: out->font = font_.Value(); return true;
    case kColumns: out->bytes = WriteColumnList(settings_.columns); return true;
    case kHeaderImages: out->bytes = settings_.headerImages; return true;
    case kViewImages: out->bytes = settings_.viewImages; return true;
    case kStateImages: out->bytes = settings_.stateImages; return true;
    case kCurrentRow:
      // The owner thread asks its live window, other threads the mirror.
      out->low = static_cast<uint32_t>(OnOwnerThread() ? FirstRowWith({hwnd()}, LVNI_SELECTED) : mirror().Selected());
      return true;
    case kRows: out->bytes = WriteRowList(settings_.rows); return true;
    default: out->low = spare_.Read(k); return spare_.Holds(k);
  }
}

// A change is a different value; what it does depends on the rule and, for
// some settings, on the view or on hot tracking.
int ReportListUnit::WriteRuledSetting(const SettingRule& rule, uint32_t value) {
  uint32_t wanted = ClampSetting(value, rule.highest);
  uint32_t& field = settings_.*(rule.field);
  if (field == wanted) return 0;
  bool appliedBefore = RuleApplies(rule.when, settings_);
  field = wanted;
  if (!appliedBefore && !RuleApplies(rule.when, settings_)) return 0;
  if (rule.effect == Effect::kRebuild) return 1;
  ApplyStyleInPlace();
  return 0;
}

int ReportListUnit::WriteTypeProperty(int k, int element, const PropertyValue& value) {
  if (const SettingRule* rule = RuleFor(k)) return WriteRuledSetting(*rule, value.low);
  switch (k) {
    case kBorder:
      settings_.borderStyle = ClampSetting(value.low, kLastBorderStyle);
      ApplyBorder(hwnd(), settings_.borderStyle);
      return 0;
    case kTextColour: settings_.textColour = value.low; ApplyColours(hwnd()); return 0;
    case kTextBackground: settings_.textBackgroundColour = value.low; ApplyColours(hwnd()); return 0;
    case kBackground: settings_.backgroundColour = value.low; ApplyColours(hwnd()); return 0;
    case kFont: font_.Set(value.font); font_.ApplyTo(hwnd(), true); return 0;
    case kColumns: {
      std::vector<ColumnRecord> columns;
      if (!ParseColumnList(value.bytes, &columns) || WriteColumnList(columns) == WriteColumnList(settings_.columns)) {
        return 0;
      }
      settings_.columns = std::move(columns);
      return settings_.view == kReportView ? 1 : 0;
    }
    case kHeaderImages: settings_.headerImages = value.bytes; ApplyHeaderImages(hwnd()); return 0;
    case kViewImages: settings_.viewImages = value.bytes; ApplyViewImages(hwnd()); return 0;
    case kStateImages: settings_.stateImages = value.bytes; ApplyStateImages(hwnd()); return 0;
    case kCurrentRow:
      settings_.selectedRow = std::max(static_cast<int32_t>(value.low), -1);
      ApplyCurrentRow(hwnd());
      return 0;
    case kRows: {
      std::vector<RowCellRecord> rows;
      if (!ParseRowList(value.bytes, &rows)) return 0;
      settings_.rows = std::move(rows);
      InsertRows(hwnd());
      return 0;
    }
    default: spare_.Write(k, value.low); return 0;
  }
}

DataTypeRecord ReportListTypeRecord() {
  return MakeTypeRecord("超级列表框", "ListView", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<ReportListUnit, ReportListSettings>>);
}

ReportListAccess FindReportList(uint32_t windowId, uint32_t unitId) {
  auto* list = RequireUnit<ReportListUnit>(windowId, unitId);
  if (list == nullptr) return {};
  return {list->hwnd(), &list->mirror()};
}

}  // namespace klv
