// The report list's properties: its table, reading and writing them, and
// its type record.
#include <algorithm>
#include <vector>

#include "controls/report_list/list_view_items.h"
#include "controls/report_list/report_list_unit.h"
#include "controls/skeleton/property_table.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"

namespace klv {
namespace {

using namespace ReportListProperty;
using Row = PropertySpec<ReportListUnit, ReportListSettings>;
using S = ReportListSettings;
using U = ReportListUnit;
constexpr WordRange kFlag = {0, 1};

constexpr Row kTable[] = {
    {kBorder, "边框", "Border", PropertyKind::kChoice, &S::borderStyle, {0, kLastBorderStyle}, &U::ApplyBorderStyle},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour, &S::textColour, kAnyWord, &U::ApplyLiveColours},
    {kTextBackground, "文本背景颜色", "TextBackColor", PropertyKind::kColour, &S::textBackgroundColour, kAnyWord,
     &U::ApplyLiveColours},
    {kBackground, "背景颜色", "BackColor", PropertyKind::kColour, &S::backgroundColour, kAnyWord, &U::ApplyLiveColours},
    {kFont, "字体", "Font", PropertyKind::kFont},
    {kView, "类型", "View", PropertyKind::kChoice, &S::view, {0, ReportListStyle::kReportView}, &U::RebuildWhenChanged},
    {kIconAlignment, "对齐方式", "IconAlign", PropertyKind::kChoice, &S::iconAlignLeft, kFlag, &U::RebuildInIconViews},
    {kAutoArrange, "自动排列", "AutoArrange", PropertyKind::kLogical, &S::autoArrange, kFlag, &U::RebuildInIconViews},
    {kLabelWrap, "标签自动换行", "LabelWrap", PropertyKind::kLogical, &S::labelWrap, kFlag, &U::RestyleWhenChanged},
    {kColumns, "列", "Columns", PropertyKind::kBlob},
    {kNoColumnHeader, "隐藏列头", "NoColumnHeader", PropertyKind::kLogical, &S::noColumnHeader, kFlag,
     &U::RestyleWhenChanged},
    {kHeaderImages, "列头图片组", "HeaderImages", PropertyKind::kOtherBlob},
    {kHeaderClickable, "列头可点击", "HeaderButtons", PropertyKind::kLogical, &S::headerClickable, kFlag,
     &U::RebuildInReportView},
    {kFullRowSelect, "整行选择", "FullRowSelect", PropertyKind::kLogical, &S::fullRowSelect, kFlag,
     &U::RebuildInReportView},
    {kGridLines, "表格线", "GridLines", PropertyKind::kLogical, &S::gridLines, kFlag, &U::RebuildInReportView},
    {kHeaderDragDrop, "列头可拖动", "HeaderDragDrop", PropertyKind::kLogical, &S::headerDragDrop, kFlag,
     &U::RebuildInReportView},
    {kViewImages, "图片组", "Images", PropertyKind::kOtherBlob},
    {kStateImages, "状态图片组", "StateImages", PropertyKind::kOtherBlob},
    {kHotTracking, "热点跟踪", "HotTracking", PropertyKind::kLogical, &S::hotTracking, kFlag, &U::RebuildWhenChanged},
    {kHandCursor, "手形热点", "HandCursor", PropertyKind::kLogical, &S::handCursor, kFlag, &U::RebuildWithHotTracking},
    {kUnderlineCold, "冷点下划线", "UnderlineCold", PropertyKind::kLogical, &S::underlineCold, kFlag,
     &U::RebuildWithHotTracking},
    {kUnderlineHot, "热点下划线", "UnderlineHot", PropertyKind::kLogical, &S::underlineHot, kFlag,
     &U::RebuildWithHotTracking},
    {kEditLabels, "允许编辑", "EditLabels", PropertyKind::kLogical, &S::editLabels, kFlag, &U::RebuildWhenChanged},
    {kSortOrder, "排序方式", "SortOrder", PropertyKind::kChoice, &S::sortOrder, {0, 2}, &U::RebuildWhenChanged},
    {kCheckBoxes, "检查框", "CheckBoxes", PropertyKind::kLogical, &S::checkBoxes, kFlag, &U::RebuildWhenChanged},
    {kFlatScrollBars, "平面滚动条", "FlatScrollBars", PropertyKind::kLogical, &S::flatScrollBars, kFlag,
     &U::RebuildWhenChanged},
    {kSingleSelection, "单一选择", "SingleSelection", PropertyKind::kLogical, &S::singleSelection, kFlag,
     &U::RebuildWhenChanged},
    {kCurrentRow, "现行选中项", "CurrentRow", PropertyKind::kInteger},
    {kShowSelectionAlways, "始终显示选择", "ShowSelectionAlways", PropertyKind::kLogical, &S::showSelectionAlways, kFlag,
     &U::RebuildWhenChanged},
    {kRows, "初始项目", "Rows", PropertyKind::kBlob},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "report list properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

}  // namespace

bool ReportListUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  switch (property) {
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
    default: return ReadSettingWord(kTable, settings_, property, &out->low);
  }
}

WriteOutcome ReportListUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  switch (property) {
    case kFont: font_.Set(value.font); font_.ApplyTo(hwnd(), true); break;
    case kColumns: {
      std::vector<ColumnRecord> columns;
      if (!ParseColumnList(value.bytes, &columns) || WriteColumnList(columns) == WriteColumnList(settings_.columns)) {
        break;
      }
      settings_.columns = std::move(columns);
      return settings_.view == ReportListStyle::kReportView ? WriteOutcome::kRebuildWindow : WriteOutcome::kApplied;
    }
    case kHeaderImages: settings_.headerImages = value.bytes; ApplyHeaderImages(hwnd()); break;
    case kViewImages: settings_.viewImages = value.bytes; ApplyViewImages(hwnd()); break;
    case kStateImages: settings_.stateImages = value.bytes; ApplyStateImages(hwnd()); break;
    case kCurrentRow:
      settings_.selectedRow = std::max(static_cast<int32_t>(value.low), -1);
      ApplyCurrentRow(hwnd());
      break;
    case kRows: {
      std::vector<RowCellRecord> rows;
      if (!ParseRowList(value.bytes, &rows)) break;
      settings_.rows = std::move(rows);
      InsertRows(hwnd());
      break;
    }
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  return WriteOutcome::kApplied;
}

DataTypeRecord ReportListTypeRecord() {
  return MakeTypeRecord("超级列表框", "ListView", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<ReportListUnit, ReportListSettings>>);
}

}  // namespace klv
