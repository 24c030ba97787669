// The report list's notifications to its parent and its own messages, each
// to one typed handler.
#include <cstring>
#include <string>

#include "controls/report_list/list_view_items.h"
#include "controls/skeleton/picture_file.h"
#include "controls/report_list/report_list_unit.h"
#include "runtime/gb18030.h"
#include "runtime/private_messages.h"
#include "runtime/system_text.h"
#include "runtime/text_value.h"

namespace klv {
namespace {

bool Refused(bool dispatched, const HandlerResult& result) {
  return dispatched && result.hasValue && result.value == 0;
}

}  // namespace

const RowCellRecord* ReportListUnit::RowRecord(int row) const {
  int at = -1;
  for (const RowCellRecord& cell : settings_.rows) {
    if (cell.nextColumn == 0 && ++at == row) return &cell;
  }
  return nullptr;
}

// The tip of a row is the tip text of its first cell record, cut to the
// buffer the system offers.
void ReportListUnit::OnInfoTip(const NMLVGETINFOTIPA& tip) {
  const RowCellRecord* row = RowRecord(tip.iItem);
  if (row == nullptr || row->tip.empty() || tip.pszText == nullptr || tip.cchTextMax <= 0) return;
  std::string cut = gb18030::CutToWholeCharacters(row->tip, static_cast<size_t>(tip.cchTextMax - 1));
  std::memcpy(tip.pszText, cut.c_str(), cut.size() + 1);
}

void ReportListUnit::OnInfoTip(const NMLVGETINFOTIPW& tip) {
  const RowCellRecord* row = RowRecord(tip.iItem);
  if (row == nullptr || row->tip.empty() || tip.pszText == nullptr || tip.cchTextMax <= 0) return;
  CopyToSystemBuffer(row->tip, tip.pszText, tip.cchTextMax);
}

void ReportListUnit::OnItemChanged(const NMLISTVIEW& change) {
  if (!(change.uChanged & LVIF_STATE)) return;
  mirroring_.FollowSelection();
  if ((change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED)) RaiseEvent(ReportListEvent::kRowFocused);
}

// A handler's answer 0 refuses the edit (TRUE to the system).
LRESULT ReportListUnit::OnBeginLabelEdit(int row) {
  HandlerResult answer = {false, 0};
  bool dispatched = RaiseEvent(ReportListEvent::kLabelEditStarts, {static_cast<uint32_t>(row)}, &answer);
  return Refused(dispatched, answer) ? TRUE : FALSE;
}

// A handler's answer 0 refuses the new text (FALSE to the system); an
// accepted one goes to the mirror.
LRESULT ReportListUnit::OnEndLabelEdit(const NMHDR* header, int row) {
  HandlerResult answer = {false, 0};
  bool dispatched = RaiseEvent(ReportListEvent::kLabelEditEnds, {static_cast<uint32_t>(row)}, &answer);
  if (Refused(dispatched, answer)) return FALSE;
  mirroring_.FollowLabelEdit(header);
  return TRUE;
}

// The one dispatcher of the list's notifications: the record is decoded
// here once, and each notification goes to its handler or its event.
bool ReportListUnit::HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_NOTIFY) return false;
  const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
  const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
  const auto* label = reinterpret_cast<const NMLVDISPINFOA*>(lParam);  // the row index sits alike in A and W
  *result = 0;
  switch (header->code) {
    case LVN_ITEMCHANGED: OnItemChanged(change); return true;
    case LVN_ITEMACTIVATE: RaiseEvent(ReportListEvent::kRowActivated); return true;
    case LVN_COLUMNCLICK: RaiseEvent(ReportListEvent::kColumnClicked, {static_cast<uint32_t>(change.iSubItem)}); return true;
    case LVN_HOTTRACK: RaiseEvent(ReportListEvent::kHotTracked, {static_cast<uint32_t>(change.iItem)}); return true;
    case NM_CLICK: RaiseEvent(ReportListEvent::kClicked); return true;
    case NM_RCLICK: RaiseEvent(ReportListEvent::kRightClicked); return true;
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW: *result = OnBeginLabelEdit(label->item.iItem); return true;
    case LVN_ENDLABELEDITA:
    case LVN_ENDLABELEDITW: *result = OnEndLabelEdit(header, label->item.iItem); return true;
    case LVN_GETINFOTIPA: OnInfoTip(*reinterpret_cast<const NMLVGETINFOTIPA*>(lParam)); return true;
    case LVN_GETINFOTIPW: OnInfoTip(*reinterpret_cast<const NMLVGETINFOTIPW*>(lParam)); return true;
    case NM_SETFOCUS: RaiseEvent(CommonEvent::kGotFocus); return true;
    case NM_KILLFOCUS: RaiseEvent(CommonEvent::kLostFocus); return true;
    default: return false;
  }
}

void ReportListUnit::NoteCheckBoxClick(HWND hwnd, LPARAM position) {
  if (!settings_.checkBoxes) return;
  LVHITTESTINFO hit = {};
  // Signed client coordinates (the system's windowsx.h macros would clash
  // with names of the control helpers).
  hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  int row = static_cast<int>(SendMessageA(hwnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)) PostMessageA(hwnd, kCheckBoxClickedMessage, static_cast<WPARAM>(row), 0);
}

void ReportListUnit::NoteSpaceKey(HWND hwnd) {
  if (!settings_.checkBoxes) return;
  int row = FirstRowWith({hwnd}, LVNI_FOCUSED);
  if (row >= 0) PostMessageA(hwnd, kCheckBoxClickedMessage, static_cast<WPARAM>(row), 0);
}

void ReportListUnit::OnCheckBoxClicked(HWND hwnd, int row) {
  UINT state = static_cast<UINT>(SendMessageA(hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  RaiseEvent(ReportListEvent::kCheckBoxChanged, {static_cast<uint32_t>(row), StateImageIndex(state)});
}

// The list view's own procedure in front of the system's: it notes clicks
// and the space key that toggle a check box, raises the check-box event
// once the toggle is done, and has the mirror follow every change.
LRESULT ReportListUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: NoteCheckBoxClick(hwnd, lParam); break;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) NoteSpaceKey(hwnd);
      break;
    case kCheckBoxClickedMessage: OnCheckBoxClicked(hwnd, static_cast<int>(wParam)); return 0;
    default: break;
  }
  LRESULT result = CallPreviousProcedure(hwnd, message, wParam, lParam);
  mirroring_.FollowChange(message, wParam, lParam, result);
  return result;
}

}  // namespace klv
