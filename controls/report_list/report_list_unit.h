// The report list: a system list view built from the control's stored
// settings, with a mirror of its rows and selected row for other threads
// (report_list_mirror.h). Its window is built in report_list.cpp, its
// properties are in report_list_properties.cpp, its notifications and
// messages in report_list_messages.cpp.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/picture_handles.h"
#include "controls/report_list/report_list_mirror.h"
#include "controls/report_list/report_list_styles.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/events.h"

namespace klv {

class ReportListUnit
    : public ControlUnit<ReportListUnit, ReportListProperty::kFirstSpare, ReportListProperty::kPropertyCount> {
 public:
  ReportListUnit(const CreateRequest& request, const ReportListSettings& settings)
      : ControlUnit(request), settings_(settings), mirroring_(*this) {
    font_.LoadStored(settings.font);
  }

  // Makes the system window, on creation and again on a rebuild.
  bool Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle);
  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  void Rebuild() override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void HandleLoadNotice(UINT notice) override {
    if (notice != LoadNotice::kApplyFont || !font_.NamesFace()) return;
    font_.Refresh();
    font_.ApplyTo(hwnd(), true);
  }
  // Messages to the list view, in front of the system's procedure.
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // What other threads read of the list instead of asking its window.
  const ListMirror& mirror() const { return mirroring_.mirror(); }

  // Effects of property writes, named by the property table. A changed
  // style that the list view reads only when it is made needs a new window;
  // one it reads only in some views, or with hot tracking, only there.
  void ApplyBorderStyle() { ApplyBorder(hwnd(), settings_.borderStyle); }
  void ApplyLiveColours() { ApplyColours(hwnd()); }
  WriteOutcome RestyleWhenChanged(WordChange change) {
    if (change.changed()) ApplyStyleInPlace();
    return WriteOutcome::kApplied;
  }
  WriteOutcome RebuildWhenChanged(WordChange change) { return RebuildWhen(change.changed()); }
  WriteOutcome RebuildInIconViews(WordChange change) {
    return RebuildWhen(change.changed() && ReportListStyle::InIconView(settings_));
  }
  WriteOutcome RebuildInReportView(WordChange change) {
    return RebuildWhen(change.changed() && settings_.view == ReportListStyle::kReportView);
  }
  WriteOutcome RebuildWithHotTracking(WordChange change) {
    return RebuildWhen(change.changed() && settings_.hotTracking != 0);
  }

 private:
  static WriteOutcome RebuildWhen(bool needed) {
    return needed ? WriteOutcome::kRebuildWindow : WriteOutcome::kApplied;
  }
  void ApplyColours(HWND list) const;
  void ApplyViewImages(HWND list) const;
  void ApplyStateImages(HWND list) const;
  void ApplyHeaderImages(HWND list);
  void InsertRows(HWND list) const;
  void ApplyCurrentRow(HWND list) const;
  void ApplyStyleInPlace() {
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_STYLE));
    SetWindowLongA(hwnd(), GWL_STYLE, static_cast<LONG>((style & 0xFFFF0000u) | ReportListStyle::ListStyle(settings_)));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  const RowCellRecord* RowRecord(int row) const;
  // Notifications to the parent, one typed handler each.
  void OnItemChanged(const NMLISTVIEW& change);
  LRESULT OnBeginLabelEdit(int row);
  LRESULT OnEndLabelEdit(const NMHDR* header, int row);
  void OnInfoTip(const NMLVGETINFOTIPA& tip);
  void OnInfoTip(const NMLVGETINFOTIPW& tip);
  // Messages to the list's own procedure.
  void NoteCheckBoxClick(HWND hwnd, LPARAM position);
  void NoteSpaceKey(HWND hwnd);
  void OnCheckBoxClicked(HWND hwnd, int row);

  ReportListSettings settings_;
  ReportListMirror mirroring_;
  ControlFont font_;
  OwnedHandle<HIMAGELIST, ImageList_Destroy> headerImages_;  // the header never frees its list
};

}  // namespace klv
