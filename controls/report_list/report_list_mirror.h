// The report list's mirror kept up to date with its list view. Every message
// that changes the content passes through the control's own procedure, which
// hands it here once the list view has handled it; label edits by the user
// are taken from their end notification. The list view is asked directly,
// past the control's own procedure, on the owner thread only.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls/skeleton/child_window.h"
#include "controls/report_list/list_mirror.h"
#include "runtime/unit_object.h"

namespace klv {

class ReportListMirror {
 public:
  // unit: the report list, whose current window is the list view asked.
  explicit ReportListMirror(const UnitObject& unit) : unit_(unit) {}
  ReportListMirror(const ReportListMirror&) = delete;
  ReportListMirror& operator=(const ReportListMirror&) = delete;

  const ListMirror& mirror() const { return mirror_; }

  // A freshly built list view, with the system's own procedure: the calling
  // thread (the one that made it) becomes the mirror's owner, and every row
  // is read.
  void Attach(WNDPROC listViewProcedure);
  // After the list view has handled a message that may have changed rows.
  void FollowChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT result);
  // After a row's state changed.
  void FollowSelection();
  // An accepted label edit (its end notification, A or W).
  void FollowLabelEdit(const NMHDR* header);

 private:
  SystemWindowAsker Ask() const { return {unit_.hwnd(), listViewProcedure_}; }
  int ColumnCount() const;
  std::string Cell(int row, int column) const;
  ListMirror::Row WholeRow(int row) const;
  ListMirror::Row InsertedRow(int row) const;
  void Everything();
  void FollowCell(int row, int column) { mirror_.ReplaceCell(row, column, Cell(row, column)); }

  const UnitObject& unit_;
  WNDPROC listViewProcedure_ = nullptr;
  ListMirror mirror_;
};

}  // namespace klv
