// The report list's system window: a list view built from the stored
// settings. Rows added at run time live only in the list view; a rebuild
// starts again from the stored rows.
#include <algorithm>
#include <vector>

#include "controls/skeleton/control_paint.h"
#include "controls/report_list/image_list_blob.h"
#include "controls/report_list/list_view_items.h"
#include "controls/report_list/report_list_unit.h"
#include "runtime/system_text.h"

namespace klv {
namespace {

using namespace ReportListStyle;

void RegisterListViewClass() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
  registered = InitCommonControlsEx(&classes) != FALSE;
}

HCURSOR HandCursor() {
  if (HCURSOR hand = LoadCursorA(nullptr, IDC_HAND)) return hand;
  if (HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), "HAND")) return own;
  return LoadCursorA(nullptr, IDC_ARROW);
}

int ColumnFormat(const ColumnRecord& column) {
  static const int kAlignments[] = {LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};
  int format = kAlignments[std::min<uint32_t>(column.alignment, 2)];
  if (column.imageIndex >= 0) {
    format |= LVCFMT_IMAGE;
    if (column.imageOnRight) format |= LVCFMT_BITMAP_ON_RIGHT;
  }
  return format;
}

void InsertColumns(HWND list, const std::vector<ColumnRecord>& columns) {
  for (size_t i = 0; i < columns.size(); ++i) {
    std::wstring title = ToSystemText(columns[i].title);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = ColumnFormat(columns[i]);
    column.cx = columns[i].width;
    column.pszText = &title[0];
    column.iSubItem = static_cast<int>(i);
    if (columns[i].imageIndex >= 0) {
      column.mask |= LVCF_IMAGE;
      column.iImage = columns[i].imageIndex;
    }
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

HIMAGELIST ListImages(HWND list, int which) {
  return reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, static_cast<WPARAM>(which), 0));
}


}  // namespace

// Creation: window and list-view styles, font, image lists, colours, hot
// cursor, columns, rows and the current row. The window is tagged only at
// the end, so none of these steps raises an event.
bool ReportListUnit::Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle) {
  RegisterListViewClass();
  BorderStyle border = BorderFor(settings_.borderStyle);
  DWORD style = commonStyle | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | border.style | ListStyle(settings_);
  HWND list = MakeSystemWindow({WC_LISTVIEWA, "", style, border.extended, rect, parent, childId});
  if (!list) return false;
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(ExtendedListStyle(settings_)));
  font_.ApplyTo(list, false);
  ApplyViewImages(list);
  ApplyStateImages(list);
  ApplyHeaderImages(list);
  ApplyColours(list);
  if (settings_.hotTracking && settings_.handCursor) {
    SendMessageA(list, LVM_SETHOTCURSOR, 0, reinterpret_cast<LPARAM>(HandCursor()));
  }
  if (settings_.view == kReportView) InsertColumns(list, settings_.columns);
  InsertRows(list);
  ApplyCurrentRow(list);
  mirroring_.Attach(Adopt(list, true));
  return true;
}

void ReportListUnit::ApplyColours(HWND list) const {
  // The text colour goes to the system as stored; the others may name the
  // system's button-face colour.
  SendMessageA(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(settings_.textColour));
  SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ResolveColour(settings_.textBackgroundColour)));
  SendMessageA(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ResolveColour(settings_.backgroundColour)));
  InvalidateRect(list, nullptr, TRUE);
}

// The list view owns the image lists it is given and frees them with its
// window; one it hands back when replaced is freed here.
void SetOwnedImageList(HWND list, int which, HIMAGELIST images) {
  if (images == nullptr && ListImages(list, which) == nullptr) return;
  HIMAGELIST previous = reinterpret_cast<HIMAGELIST>(
      SendMessageA(list, LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images)));
  if (previous && previous != images) ImageList_Destroy(previous);
}

void ReportListUnit::ApplyViewImages(HWND list) const {
  HIMAGELIST images = MakeImageList(settings_.viewImages);
  SetOwnedImageList(list, settings_.view == kLargeIcons ? LVSIL_NORMAL : LVSIL_SMALL, images);
}

void ReportListUnit::ApplyStateImages(HWND list) const {
  // With check boxes and no list of its own the control keeps the system's
  // check-box images.
  HIMAGELIST images = MakeImageList(settings_.stateImages);
  if (images == nullptr && settings_.checkBoxes) return;
  SetOwnedImageList(list, LVSIL_STATE, images);
}

void ReportListUnit::ApplyHeaderImages(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  HIMAGELIST images = settings_.view == kReportView ? MakeImageList(settings_.headerImages) : nullptr;
  if (images) ImageList_SetBkColor(images, ResolveColour(settings_.backgroundColour));
  if (header) SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  headerImages_.Reset(images);
}

// An image index the list's images do not have counts as none.
int ValidImage(HWND list, int which, int32_t index) {
  return index >= 0 && index < ImageCount(ListImages(list, which)) ? index : -1;
}

void ReportListUnit::InsertRows(HWND list) const {
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  const int which = settings_.view == kLargeIcons ? LVSIL_NORMAL : LVSIL_SMALL;
  int row = -1, column = 0;
  for (const RowCellRecord& cell : settings_.rows) {
    std::wstring text = ToSystemText(cell.text);
    LVITEMW item = {};
    item.pszText = &text[0];
    item.iImage = ValidImage(list, which, cell.imageIndex);
    if (cell.nextColumn == 0) {
      item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
      item.iItem = row + 1;
      item.lParam = static_cast<LPARAM>(cell.rowData);
      if (ValidImage(list, LVSIL_STATE, cell.stateImageIndex) >= 0) {
        item.mask |= LVIF_STATE;
        item.state = StateImageState(cell.stateImageIndex);
        item.stateMask = LVIS_STATEIMAGEMASK;
      }
      if (settings_.view == kReportView) {
        item.mask |= LVIF_INDENT;
        item.iIndent = std::max(cell.indent, 0);
      }
      int inserted = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
      if (inserted >= 0) row = inserted;
      column = 0;
    } else if (row >= 0) {
      item.mask = LVIF_TEXT | LVIF_IMAGE;
      item.iItem = row;
      item.iSubItem = ++column;
      SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
  }
}

void SetRowStates(HWND list, int row, UINT states) {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = states;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// Only a single-selection list shows the stored current row.
void ReportListUnit::ApplyCurrentRow(HWND list) const {
  if (!settings_.singleSelection) return;
  if (settings_.selectedRow >= 0) {
    SetRowStates(list, settings_.selectedRow, LVIS_SELECTED | LVIS_FOCUSED);
  } else if (int selected = FirstRowWith({list}, LVNI_SELECTED); selected >= 0) {
    SetRowStates(list, selected, 0);
  }
}

void ReportListUnit::Rebuild() {
  HWND old = hwnd();
  if (old == nullptr) return;
  ChildPlacement placement = CapturePlacement(old);
  headerImages_.Reset();
  DestroyOwnWindow();
  BuildInPlace(this, &ReportListUnit::Build, placement);
}

}  // namespace klv
