#include "controls/report_list/report_list_styles.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/interface/type_properties.h"

namespace klv {
namespace ReportListStyle {
namespace {

using namespace ReportListProperty;

const SettingRule kSettingRules[] = {
    {kView, &ReportListSettings::view, kReportView, Effect::kRebuild, Applies::kAlways},
    {kIconAlignment, &ReportListSettings::iconAlignLeft, 1, Effect::kRebuild, Applies::kInIconViews},
    {kAutoArrange, &ReportListSettings::autoArrange, 1, Effect::kRebuild, Applies::kInIconViews},
    {kLabelWrap, &ReportListSettings::labelWrap, 1, Effect::kStyleInPlace, Applies::kAlways},
    {kNoColumnHeader, &ReportListSettings::noColumnHeader, 1, Effect::kStyleInPlace, Applies::kAlways},
    {kHeaderClickable, &ReportListSettings::headerClickable, 1, Effect::kRebuild, Applies::kInReportView},
    {kFullRowSelect, &ReportListSettings::fullRowSelect, 1, Effect::kRebuild, Applies::kInReportView},
    {kGridLines, &ReportListSettings::gridLines, 1, Effect::kRebuild, Applies::kInReportView},
    {kHeaderDragDrop, &ReportListSettings::headerDragDrop, 1, Effect::kRebuild, Applies::kInReportView},
    {kHotTracking, &ReportListSettings::hotTracking, 1, Effect::kRebuild, Applies::kAlways},
    {kHandCursor, &ReportListSettings::handCursor, 1, Effect::kRebuild, Applies::kWithHotTracking},
    {kUnderlineCold, &ReportListSettings::underlineCold, 1, Effect::kRebuild, Applies::kWithHotTracking},
    {kUnderlineHot, &ReportListSettings::underlineHot, 1, Effect::kRebuild, Applies::kWithHotTracking},
    {kEditLabels, &ReportListSettings::editLabels, 1, Effect::kRebuild, Applies::kAlways},
    {kSortOrder, &ReportListSettings::sortOrder, 2, Effect::kRebuild, Applies::kAlways},
    {kCheckBoxes, &ReportListSettings::checkBoxes, 1, Effect::kRebuild, Applies::kAlways},
    {kFlatScrollBars, &ReportListSettings::flatScrollBars, 1, Effect::kRebuild, Applies::kAlways},
    {kSingleSelection, &ReportListSettings::singleSelection, 1, Effect::kRebuild, Applies::kAlways},
    {kShowSelectionAlways, &ReportListSettings::showSelectionAlways, 1, Effect::kRebuild, Applies::kAlways},
};

bool InIconView(const ReportListSettings& s) { return s.view == kLargeIcons || s.view == kSmallIcons; }

}  // namespace

const SettingRule* RuleFor(int k) {
  for (const SettingRule& rule : kSettingRules) {
    if (rule.property == k) return &rule;
  }
  return nullptr;
}

uint32_t ClampSetting(uint32_t value, uint32_t highest) {
  int32_t number = static_cast<int32_t>(value);
  return number < 0 ? 0 : std::min(static_cast<uint32_t>(number), highest);
}

bool RuleApplies(Applies when, const ReportListSettings& s) {
  switch (when) {
    case Applies::kInIconViews: return InIconView(s);
    case Applies::kInReportView: return s.view == kReportView;
    case Applies::kWithHotTracking: return s.hotTracking != 0;
    default: return true;
  }
}

DWORD ListStyle(const ReportListSettings& s) {
  static const DWORD kViewBits[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  DWORD style = kViewBits[std::min<uint32_t>(s.view, kReportView)];
  if (InIconView(s)) {
    if (s.iconAlignLeft) style |= LVS_ALIGNLEFT;
    if (s.autoArrange) style |= LVS_AUTOARRANGE;
    if (!s.labelWrap) style |= LVS_NOLABELWRAP;
  }
  if (s.view == kReportView) {
    if (s.noColumnHeader) style |= LVS_NOCOLUMNHEADER;
    if (!s.headerClickable) style |= LVS_NOSORTHEADER;
  }
  if (s.editLabels) style |= LVS_EDITLABELS;
  if (s.sortOrder == 1) style |= LVS_SORTASCENDING;
  if (s.sortOrder == 2) style |= LVS_SORTDESCENDING;
  if (s.singleSelection) style |= LVS_SINGLESEL;
  if (s.showSelectionAlways) style |= LVS_SHOWSELALWAYS;
  return style;
}

DWORD ExtendedListStyle(const ReportListSettings& s) {
  DWORD style = LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP;
  if (s.view == kReportView) {
    if (s.fullRowSelect) style |= LVS_EX_FULLROWSELECT;
    if (s.gridLines) style |= LVS_EX_GRIDLINES;
    if (s.headerDragDrop) style |= LVS_EX_HEADERDRAGDROP;
  }
  if (s.hotTracking) {
    style |= LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE;
    if (s.underlineCold) style |= LVS_EX_UNDERLINECOLD;
    if (s.underlineHot) style |= LVS_EX_UNDERLINEHOT;
  }
  if (s.checkBoxes) style |= LVS_EX_CHECKBOXES;
  if (s.flatScrollBars) style |= LVS_EX_FLATSB;
  return style;
}

}  // namespace ReportListStyle
}  // namespace klv
