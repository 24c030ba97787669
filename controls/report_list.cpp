// The report list: a system list view ("SysListView32") built from the
// control's stored settings: view, styles, colours, font, image lists,
// columns and initial rows. Rows added at run time live only in the system
// control; a rebuild of the system window starts again from the stored rows.
// The control keeps a mirror of the rows' texts and of the selected row for
// other threads (controls/report_list_mirror.h): every message that changes
// the content passes through the control's own procedure, which brings the
// mirror up to date before it returns.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "controls/child_window.h"
#include "controls/control_font.h"
#include "controls/control_paint.h"
#include "controls/host.h"
#include "controls/image_list_blob.h"
#include "controls/list_view_items.h"
#include "controls/picture_file.h"
#include "controls/picture_handles.h"
#include "controls/property_table.h"
#include "controls/report_list_mirror.h"
#include "controls/report_list_styles.h"
#include "controls/report_list_window.h"
#include "controls/type_properties.h"
#include "controls/type_records.h"
#include "controls/unit_creation.h"
#include "controls/unit_procedure.h"
#include "controls/unit_settings.h"
#include "controls/word_properties.h"
#include "runtime/events.h"
#include "runtime/private_messages.h"

namespace klv {
namespace {

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
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = ColumnFormat(columns[i]);
    column.cx = columns[i].width;
    column.pszText = const_cast<char*>(columns[i].title.c_str());
    column.iSubItem = static_cast<int>(i);
    if (columns[i].imageIndex >= 0) {
      column.mask |= LVCF_IMAGE;
      column.iImage = columns[i].imageIndex;
    }
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

HIMAGELIST ListImages(HWND list, int which) {
  return reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, static_cast<WPARAM>(which), 0));
}

class ReportListUnit : public UnitObject {
 public:
  ReportListUnit(const CreateRequest& request, const ReportListSettings& settings)
      : UnitObject(request.windowId, request.unitId), settings_(settings), mirroring_(*this) {
    font_.LoadStored(settings.font);
  }

  bool Create(const CreateRequest& request) {
    return Build(request.parent, request.childId, RequestedRect(request), CommonChildStyle(request)) != nullptr;
  }

  bool ReadTypeProperty(int k, int element, PropertyValue* out) override;
  int WriteTypeProperty(int k, int element, const PropertyValue& value) override;
  void Rebuild() override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void HandleLoadNotice(UINT notice) override {
    if (notice != LoadNotice::kApplyFont || !font_.NamesFace()) return;
    font_.Refresh();
    font_.ApplyTo(hwnd(), true);
  }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // What other threads read of the list instead of asking its window.
  const ListMirror& mirror() const { return mirroring_.mirror(); }

 private:
  HWND Build(HWND parent, int childId, RECT rect, DWORD commonStyle);
  void ApplyColours(HWND list) const;
  void ApplyViewImages(HWND list) const;
  void ApplyStateImages(HWND list) const;
  void ApplyHeaderImages(HWND list);
  void InsertRows(HWND list) const;
  void ApplyCurrentRow(HWND list) const;
  void ApplyStyleInPlace() {
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_STYLE));
    SetWindowLongA(hwnd(), GWL_STYLE, static_cast<LONG>((style & 0xFFFF0000u) | ListStyle(settings_)));
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  int WriteRuledSetting(const SettingRule& rule, uint32_t value);
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
  SpareProperties<kPropertyCount - kFirstSpare> spare_{kFirstSpare};  // held, without effect
};

// Creation: window and list-view styles, font, image lists, colours, hot
// cursor, columns, rows and the current row. The window is tagged only at
// the end, so none of these steps raises an event.
HWND ReportListUnit::Build(HWND parent, int childId, RECT rect, DWORD commonStyle) {
  RegisterListViewClass();
  BorderStyle border = BorderFor(settings_.borderStyle);
  DWORD style = commonStyle | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | border.style | ListStyle(settings_);
  HWND list = CreateWindowExA(border.extended, WC_LISTVIEWA, "", style, rect.left, rect.top, rect.right - rect.left,
                              rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!list) return nullptr;
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
  AttachWindow(list);
  WNDPROC listViewProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(list, GWLP_WNDPROC));
  SubclassWindow(list, &UnitProcedure<ReportListUnit>);
  mirroring_.Attach(listViewProcedure);
  return list;
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
    LVITEMA item = {};
    item.pszText = const_cast<char*>(cell.text.c_str());
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
      int inserted = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
      if (inserted >= 0) row = inserted;
      column = 0;
    } else if (row >= 0) {
      item.mask = LVIF_TEXT | LVIF_IMAGE;
      item.iItem = row;
      item.iSubItem = ++column;
      SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
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
  std::string cut = CutAtCharacterBoundary(row->tip, static_cast<size_t>(tip.cchTextMax - 1));
  std::memcpy(tip.pszText, cut.c_str(), cut.size() + 1);
}

void ReportListUnit::OnInfoTip(const NMLVGETINFOTIPW& tip) {
  const RowCellRecord* row = RowRecord(tip.iItem);
  if (row == nullptr || row->tip.empty() || tip.pszText == nullptr || tip.cchTextMax <= 0) return;
  int written = MultiByteToWideChar(CP_ACP, 0, row->tip.c_str(), -1, tip.pszText, tip.cchTextMax);
  if (written == 0) tip.pszText[tip.cchTextMax - 1] = L'\0';
}

bool Refused(bool dispatched, const HandlerResult& result) {
  return dispatched && result.hasValue && result.value == 0;
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

}  // namespace

DataTypeRecord ReportListTypeRecord() {
  return MakeTypeRecord("超级列表框", "ListView", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<ReportListUnit, ReportListSettings>>);
}

ReportListAccess FindReportList(uint32_t windowId, uint32_t unitId) {
  auto* unit = reinterpret_cast<UnitObject*>(
      static_cast<uintptr_t>(Host(HostNotifyCode::kRequireUnitObject, windowId, unitId)));
  auto* list = dynamic_cast<ReportListUnit*>(unit);
  if (list == nullptr) return {};
  return {list->hwnd(), &list->mirror()};
}

}  // namespace klv
