#include "controls/report_list/report_list_styles.h"

#include <commctrl.h>

#include <algorithm>

namespace klv {
namespace ReportListStyle {

bool InIconView(const ReportListSettings& s) { return s.view == kLargeIcons || s.view == kSmallIcons; }

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
