#include "controls/report_list/report_list_mirror.h"
#include "runtime/system_text.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "controls/skeleton/control_text.h"
#include "controls/report_list/list_view_items.h"

namespace klv {
namespace {

constexpr size_t kFirstTextBuffer = 512;
// Beyond any cell the list view keeps; stops the doubling should the system
// ever answer nonsense.
constexpr size_t kLargestTextBuffer = size_t{1} << 26;

// Whether an item given to an insert or a change may select its row; an
// insert may take the state bits without regard to the state mask.
bool MaySelect(const LVITEMA* item) {
  return item != nullptr && (item->mask & LVIF_STATE) != 0 && ((item->state | item->stateMask) & LVIS_SELECTED) != 0;
}

}  // namespace

void ReportListMirror::Attach(WNDPROC listViewProcedure) {
  listViewProcedure_ = listViewProcedure;
  mirror_.ClaimOwner();
  Everything();
}

// The cell's text through a buffer that doubles while the text fills it:
// an answer one character short of the buffer may have been cut.
std::string ReportListMirror::Cell(int row, int column) const {
  for (size_t size = kFirstTextBuffer;; size *= 2) {
    std::vector<wchar_t> buffer(size, L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    LRESULT length = Ask()(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    buffer[size - 1] = L'\0';
    if (length < static_cast<LRESULT>(size) - 1 || size >= kLargestTextBuffer) {
      return ToProgramText(std::wstring(buffer.data(), wcsnlen(buffer.data(), size)));
    }
  }
}

int ReportListMirror::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(Ask()(LVM_GETHEADER, 0, 0));
  int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  return std::max(columns, 1);
}

ListMirror::Row ReportListMirror::WholeRow(int row) const {
  ListMirror::Row cells;
  for (int column = 0, columns = ColumnCount(); column < columns; ++column) cells.push_back(Cell(row, column));
  return cells;
}

// A row just inserted: only its first cell can hold a text yet.
ListMirror::Row ReportListMirror::InsertedRow(int row) const {
  ListMirror::Row cells(static_cast<size_t>(ColumnCount()));
  cells[0] = Cell(row, 0);
  return cells;
}

void ReportListMirror::FollowSelection() { mirror_.SetSelected(FirstRowWith(Ask(), LVNI_SELECTED)); }

void ReportListMirror::Everything() {
  int count = static_cast<int>(Ask()(LVM_GETITEMCOUNT, 0, 0));
  std::vector<ListMirror::Row> rows;
  rows.reserve(static_cast<size_t>(std::max(count, 0)));
  for (int row = 0; row < count; ++row) rows.push_back(WholeRow(row));
  mirror_.Reset(std::move(rows), -1);
  FollowSelection();
}

// What the list view changed of the rows, and the selected row where the
// change can move it. Asking the list view for its selected row walks its
// rows until it finds one, so with no row selected it walks them all: it is
// asked only when a row is selected, or when the change itself may select
// one.
void ReportListMirror::FollowChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) {
  const auto* item = reinterpret_cast<const LVITEMA*>(lParam);  // iItem and iSubItem sit alike in A and W
  bool selectionMayMove = false;
  switch (message) {
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
      if (result < 0) return;
      mirror_.InsertRow(static_cast<int32_t>(result), InsertedRow(static_cast<int>(result)));
      selectionMayMove = MaySelect(item);
      break;
    case LVM_SETITEMA:
    case LVM_SETITEMW:
      if (!result || item == nullptr) return;
      if (item->mask & LVIF_TEXT) FollowCell(item->iItem, item->iSubItem);
      selectionMayMove = MaySelect(item);
      break;
    case LVM_SETITEMTEXTA:
    case LVM_SETITEMTEXTW:
      if (result && item) FollowCell(static_cast<int>(wParam), item->iSubItem);
      return;
    case LVM_DELETEITEM:
      if (!result) return;
      mirror_.EraseRow(static_cast<int32_t>(wParam));
      break;
    case LVM_DELETEALLITEMS:
      if (result) mirror_.Reset({}, -1);
      return;
    case LVM_SORTITEMS:
    case LVM_SORTITEMSEX:
    case LVM_INSERTCOLUMNA:
    case LVM_INSERTCOLUMNW:
    case LVM_DELETECOLUMN: Everything(); return;
    default: return;
  }
  if (selectionMayMove || mirror_.Selected() >= 0) FollowSelection();
}

// The list view stores the new text of column 0 once the notification has
// returned, without a message of its own.
void ReportListMirror::FollowLabelEdit(const NMHDR* header) {
  const auto* label = reinterpret_cast<const NMLVDISPINFOA*>(header);
  if (label->item.pszText == nullptr) return;  // the edit was cancelled
  if (header->code == LVN_ENDLABELEDITA) {
    mirror_.ReplaceCell(label->item.iItem, 0, label->item.pszText);
    return;
  }
  const auto* wide = reinterpret_cast<const NMLVDISPINFOW*>(header);
  mirror_.ReplaceCell(wide->item.iItem, 0, ToProgramText(wide->item.pszText));
}

}  // namespace klv
