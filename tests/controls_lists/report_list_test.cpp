// The report list made through its type record on a real window: creation
// from its setting block, its properties and rebuilds, its six commands (also
// from a second thread), and its events under real mouse and keyboard input.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>

#include "controls/report_list/report_list_commands.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/system_text.h"
#include "tests/controls_lists/plan_list.h"

namespace ctltest {
namespace {

namespace rl = klv::reportlist;

using namespace klv::ReportListProperty;  // type property k of the report list, by name

constexpr uint32_t kListUnit = 0x16011A43;

class ReportListTest : public testing::Test {
 protected:
  std::unique_ptr<TestUnit> Make(const klv::ReportListSettings& settings, RECT rect = {10, 10, 214, 190}) {
    return MakeList(settings, kListUnit + made_++, rect);
  }
  static int32_t RowCount(const TestUnit& list) { return IntegerOf(CallList(rl::ListRowCount, {list.Argument()})); }
  static std::string Cell(const TestUnit& list, int32_t row, klv::CommandArgument column = Omitted()) {
    return TakeText(CallList(rl::ListCellText, {list.Argument(), Integer(row), column}));
  }
  static bool SetCell(const TestUnit& list, int32_t row, int32_t column, const char* text) {
    return LogicalOf(CallList(rl::ListSetCellText, {list.Argument(), Integer(row), Integer(column), Text(text)}));
  }
  static int32_t AppendRow(const TestUnit& list) { return IntegerOf(CallList(rl::ListInsertRow, {list.Argument()})); }
  static LVITEMA Item(const TestUnit& list, int row, UINT mask) {
    LVITEMA item = {};
    item.mask = mask;
    item.iItem = row;
    item.stateMask = ~0u;
    EXPECT_TRUE(SendMessageA(list.hwnd(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    return item;
  }
  static POINT RowPoint(const TestUnit& list, int row, int part = LVIR_LABEL) {
    POINT at = RowClientPoint(list.hwnd(), row, part);
    return ScreenPoint(list.hwnd(), at.x, at.y);
  }
  static UINT RowStates(const TestUnit& list, int row) {
    return static_cast<UINT>(SendMessageA(list.hwnd(), LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED));
  }

  uint32_t made_ = 0;
};

TEST_F(ReportListTest, CreatesThePlanListsStylesAndColumns) {
  CreationSpy created;
  auto list = Make(PlanSettings());
  std::vector<CreatedWindow> lists = created.OfClass("SysListView32");
  ASSERT_EQ(1u, lists.size());
  EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                               LVS_SHOWSELALWAYS),
            lists[0].style);
  EXPECT_EQ(204, lists[0].width);
  EXPECT_EQ(180, lists[0].height);
  EXPECT_TRUE(GetWindowLongA(list->hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(static_cast<LRESULT>(LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
            SendMessageA(list->hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_EQ(0x00FFFFFF, SendMessageA(list->hwnd(), LVM_GETBKCOLOR, 0, 0));
  EXPECT_EQ(0, SendMessageA(list->hwnd(), LVM_GETTEXTCOLOR, 0, 0));
  const char* titles[] = {"坐标X", "坐标Y", "延迟", "模式"};
  for (int i = 0; i < 4; ++i) {
    char title[32] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = title;
    column.cchTextMax = sizeof title;
    ASSERT_TRUE(SendMessageA(list->hwnd(), LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(std::string(titles[i]), title);
    EXPECT_EQ(50, column.cx);
    EXPECT_EQ(LVCFMT_LEFT, column.fmt & LVCFMT_JUSTIFYMASK);
  }
  EXPECT_EQ(0, RowCount(*list));
  EXPECT_EQ(-1, list->ReadNumber(kCurrentRow));
  EXPECT_EQ(klv::WriteColumnList(PlanSettings().columns), list->Read(kColumns).bytes);
  EXPECT_EQ(39u, ListType().propertyCount);
}

TEST_F(ReportListTest, InitialRowsGiveTextsRowDataAndTips) {
  klv::ReportListSettings settings = PlanSettings();
  settings.rows = {RowCell(0, "10", "第一行的提示"), RowCell(1, "20"), RowCell(1, "1000"), RowCell(1, "左键"), RowCell(0, "30"),
                   RowCell(1, "40")};
  settings.rows[0].rowData = 0xABCD;
  settings.rows[0].indent = 2;
  settings.selectedRow = 1;
  auto list = Make(settings);
  ASSERT_EQ(2, RowCount(*list));
  EXPECT_EQ("10", Cell(*list, 0));
  EXPECT_EQ("20", Cell(*list, 0, Integer(1)));
  EXPECT_EQ("1000", Cell(*list, 0, Integer(2)));
  EXPECT_EQ("左键", Cell(*list, 0, Integer(3)));
  EXPECT_EQ("40", Cell(*list, 1, Integer(1)));
  EXPECT_EQ("", Cell(*list, 1, Integer(2)));
  LVITEMA first = Item(*list, 0, LVIF_PARAM | LVIF_INDENT | LVIF_IMAGE);
  EXPECT_EQ(0xABCD, first.lParam);
  EXPECT_EQ(2, first.iIndent);
  // The stored current row is shown: selected and focused.
  EXPECT_EQ(1, list->ReadNumber(kCurrentRow));
  EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED), RowStates(*list, 1));
  EXPECT_EQ(klv::WriteRowList(settings.rows), list->Read(kRows).bytes);

  // The info tip of a row comes from its first cell record, cut to the
  // buffer offered without splitting a character.
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  NMLVGETINFOTIPA tip = {};
  tip.hdr.hwndFrom = list->hwnd();
  tip.hdr.code = LVN_GETINFOTIPA;
  tip.pszText = buffer;
  tip.cchTextMax = 8;
  tip.iItem = 0;
  SendMessageA(Form(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ("第一行", std::string(buffer));
  tip.cchTextMax = 7;
  SendMessageA(Form(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ("第一行", std::string(buffer));
  tip.cchTextMax = 6;
  SendMessageA(Form(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ("第一", std::string(buffer));
  // A row without a tip keeps what the system offered.
  std::strcpy(buffer, "30");
  tip.iItem = 1;
  tip.cchTextMax = 8;
  SendMessageA(Form(), WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ("30", std::string(buffer));
}

TEST_F(ReportListTest, InsertRowWithOnlyTheListAppendsEmptyRows) {
  auto list = Make(PlanSettings());
  EXPECT_EQ(0, AppendRow(*list));
  EXPECT_EQ(1, AppendRow(*list));
  EXPECT_EQ(2, RowCount(*list));
  EXPECT_EQ("", Cell(*list, 1));
  LVITEMA row = Item(*list, 1, LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT | LVIF_STATE);
  EXPECT_EQ(-1, row.iImage);
  EXPECT_EQ(0, row.lParam);
  EXPECT_EQ(0, row.iIndent);
  EXPECT_EQ(0u, row.state & LVIS_STATEIMAGEMASK);
  // A negative position appends too; a position inside the rows inserts there.
  EXPECT_EQ(2, IntegerOf(CallList(rl::ListInsertRow, {list->Argument(), Integer(-4), Text("last")})));
  EXPECT_EQ(0, IntegerOf(CallList(rl::ListInsertRow, {list->Argument(), Integer(0), Text("first")})));
  EXPECT_EQ("first", Cell(*list, 0));
  EXPECT_EQ("last", Cell(*list, 3));
}

// What the system does with a state under a zero mask is its own affair;
// the test checks the row the command hands it.
TEST_F(ReportListTest, InsertRowClampsImageAndIndentAndLeavesTheStateMaskZero) {
  auto list = Make(PlanSettings());
  MessageSpy spy(list->hwnd(), {LVM_INSERTITEMW});
  std::vector<LVITEMW> sent;
  std::vector<std::string> texts;
  spy.OnMessage([&](const SeenMessage& seen) {
    sent.push_back(*reinterpret_cast<const LVITEMW*>(seen.lParam));
    texts.push_back(sent.back().pszText ? klv::ToProgramText(sent.back().pszText) : "(null)");
  });
  EXPECT_EQ(0, IntegerOf(CallList(rl::ListInsertRow, {list->Argument(), Omitted(), Text("行"), Integer(-9), Integer(2),
                                                      Integer(-3), Integer(0x7777)})));
  EXPECT_EQ(1, IntegerOf(CallList(rl::ListInsertRow, {list->Argument(), Integer(-1), Omitted(), Integer(3), Integer(-8),
                                                      Integer(4)})));
  EXPECT_EQ(2, IntegerOf(CallList(rl::ListInsertRow, {list->Argument()})));
  ASSERT_EQ(3u, sent.size());
  const UINT kMask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
  const struct {
    int image;
    UINT state;
    int indent;
    LPARAM data;
    const char* text;
  } expected[] = {{-1, 3u << 12, 0, 0x7777, "行"}, {3, 0, 4, 0, ""}, {-1, 0, 0, 0, ""}};
  for (size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(kMask, sent[i].mask) << i;
    EXPECT_EQ(expected[i].image, sent[i].iImage) << i;
    EXPECT_EQ(expected[i].state, sent[i].state) << i;
    EXPECT_EQ(0u, sent[i].stateMask) << i;
    EXPECT_EQ(expected[i].indent, sent[i].iIndent) << i;
    EXPECT_EQ(expected[i].data, sent[i].lParam) << i;
    EXPECT_EQ(expected[i].text, texts[i]) << i;
  }
  LVITEMA row = Item(*list, 0, LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT);
  EXPECT_EQ(-1, row.iImage);
  EXPECT_EQ(0x7777, row.lParam);
  EXPECT_EQ(0, row.iIndent);
  row = Item(*list, 1, LVIF_IMAGE | LVIF_INDENT);
  EXPECT_EQ(3, row.iImage);
  EXPECT_EQ(4, row.iIndent);
}

TEST_F(ReportListTest, CellsAreStoredVerbatim) {
  auto list = Make(PlanSettings());
  ASSERT_EQ(0, AppendRow(*list));
  std::string longCell;
  for (int i = 0; i < 250; ++i) longCell += "坐a";  // 750 bytes, characters of one and two bytes
  longCell += std::string(250, '7');               // 1,000 bytes
  const std::string cells[] = {"", "   ", "坐标X 延迟", longCell};
  for (int column = 0; column < 4; ++column) {
    EXPECT_TRUE(SetCell(*list, 0, column, cells[column].c_str()));
  }
  for (int column = 0; column < 4; ++column) {
    EXPECT_EQ(Escaped(cells[column]), Escaped(Cell(*list, 0, Integer(column)))) << "column " << column;
  }
  // Around the first buffer's size: 510, 511 and 512 bytes come back whole,
  // also when a two-byte character straddles the buffer's end.
  for (size_t length : {510u, 511u, 512u, 1023u}) {
    std::string ascii(length, 'x');
    std::string wide = std::string(length % 2, 'y') + [&] {
      std::string pairs;
      while (pairs.size() + 2 <= length - length % 2) pairs += "标";
      return pairs;
    }();
    for (const std::string& text : {ascii, wide}) {
      ASSERT_TRUE(SetCell(*list, 0, 3, text.c_str()));
      EXPECT_EQ(text.size(), Cell(*list, 0, Integer(3)).size()) << Escaped(text.substr(0, 4)) << " " << length;
    }
  }
  // A missing row or column reads as the empty text.
  EXPECT_EQ("", Cell(*list, 1));
  EXPECT_EQ("", Cell(*list, -1));
  EXPECT_FALSE(SetCell(*list, 5, 0, "x"));
}

TEST_F(ReportListTest, DeleteRowAndDeleteAllRows) {
  auto list = Make(PlanSettings());
  for (const char* text : {"a", "b", "c"}) {
    int32_t at = AppendRow(*list);
    SetCell(*list, at, 0, text);
  }
  EXPECT_TRUE(LogicalOf(CallList(rl::ListDeleteRow, {list->Argument(), Integer(1)})));
  EXPECT_EQ("c", Cell(*list, 1));
  EXPECT_FALSE(LogicalOf(CallList(rl::ListDeleteRow, {list->Argument(), Integer(7)})));
  klv::CommandResult none = CallList(rl::ListDeleteAllRows, {list->Argument()});
  EXPECT_EQ(klv::TypeCode::kOmitted, none.type);
  EXPECT_EQ(0, RowCount(*list));
}

TEST_F(ReportListTest, CurrentRowProperty) {
  auto list = Make(PlanSettings());
  for (int i = 0; i < 3; ++i) AppendRow(*list);
  EXPECT_EQ(-1, list->ReadNumber(kCurrentRow));
  EventLog log;
  EXPECT_EQ(0, list->WriteNumber(kCurrentRow, 2));
  EXPECT_EQ(2, list->ReadNumber(kCurrentRow));
  EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED), RowStates(*list, 2));
  EXPECT_EQ(0, list->WriteNumber(kCurrentRow, -7));
  EXPECT_EQ(-1, list->ReadNumber(kCurrentRow));
  EXPECT_EQ(0u, RowStates(*list, 2));
  // Gaining the focused state is the row-focused event.
  EXPECT_TRUE(EventsFollow(log.Take(), {{klv::ReportListEvent::kRowFocused}}));

  // Without single selection the written row is only stored.
  klv::ReportListSettings multiple = PlanSettings();
  multiple.singleSelection = 0;
  auto other = Make(multiple, {220, 10, 400, 190});
  AppendRow(*other);
  other->WriteNumber(kCurrentRow, 0);
  EXPECT_EQ(-1, other->ReadNumber(kCurrentRow));
}

TEST_F(ReportListTest, RebuildingPropertiesRecreateTheListFromItsStoredRows) {
  klv::ReportListSettings settings = PlanSettings();
  settings.rows = {RowCell(0, "stored")};
  auto list = Make(settings);
  AppendRow(*list);
  ASSERT_EQ(2, RowCount(*list));
  HWND old = list->hwnd();
  EXPECT_EQ(0, list->WriteNumber(kSingleSelection, 1));  // unchanged
  EXPECT_EQ(0, list->WriteNumber(kHandCursor, 1));       // only with hot tracking
  EXPECT_EQ(1, list->WriteNumber(kGridLines, 0));
  ASSERT_NE(old, list->hwnd());
  EXPECT_EQ(1, RowCount(*list));
  EXPECT_EQ("stored", Cell(*list, 0));
  EXPECT_EQ(0, SendMessageA(list->hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES);
  EXPECT_EQ(100, GetDlgCtrlID(list->hwnd()));
  EXPECT_TRUE(IsWindowVisible(list->hwnd()));
  RECT rect;
  GetWindowRect(list->hwnd(), &rect);
  MapWindowPoints(nullptr, Form(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(10, rect.left);
  EXPECT_EQ(10, rect.top);
  EXPECT_EQ(204, rect.right - rect.left);
  EXPECT_EQ(180, rect.bottom - rect.top);

  // Hot tracking on: now the hand cursor rebuilds.
  EXPECT_EQ(1, list->WriteNumber(kHotTracking, 1));
  EXPECT_EQ(1, list->WriteNumber(kHandCursor, 0));
  EXPECT_EQ(static_cast<LRESULT>(LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE),
            SendMessageA(list->hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                (LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE));
  // Clamped choices: sort order 9 is descending.
  EXPECT_EQ(1, list->WriteNumber(kSortOrder, 9));
  EXPECT_EQ(2, list->ReadNumber(kSortOrder));
  EXPECT_TRUE(GetWindowLongA(list->hwnd(), GWL_STYLE) & LVS_SORTDESCENDING);
  // Label wrap and the column header change in place.
  old = list->hwnd();
  EXPECT_EQ(0, list->WriteNumber(kNoColumnHeader, 1));
  EXPECT_EQ(old, list->hwnd());
  EXPECT_TRUE(GetWindowLongA(list->hwnd(), GWL_STYLE) & LVS_NOCOLUMNHEADER);
  // Columns rebuild in report view only.
  klv::PropertyValue columns;
  columns.bytes = klv::WriteColumnList({Column("只有一列")});
  EXPECT_EQ(1, list->Write(kColumns, columns));
  HWND header = reinterpret_cast<HWND>(SendMessageA(list->hwnd(), LVM_GETHEADER, 0, 0));
  EXPECT_EQ(1, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(1, list->WriteNumber(kView, 2));
  EXPECT_EQ(0, list->Write(kColumns, klv::PropertyValue()));
  EXPECT_EQ(static_cast<DWORD>(LVS_LIST), GetWindowLongA(list->hwnd(), GWL_STYLE) & LVS_TYPEMASK);
  EXPECT_EQ(1, list->WriteNumber(kView, 77));
  EXPECT_EQ(3, list->ReadNumber(kView));
}

TEST_F(ReportListTest, RowsPropertyReplacesAllRowsAndBorderIsChangedInPlace) {
  auto list = Make(PlanSettings());
  AppendRow(*list);
  klv::PropertyValue rows;
  rows.bytes = klv::WriteRowList({RowCell(0, "一"), RowCell(0, "二"), RowCell(0, "三")});
  HWND old = list->hwnd();
  EXPECT_EQ(0, list->Write(kRows, rows));
  EXPECT_EQ(old, list->hwnd());
  EXPECT_EQ(3, RowCount(*list));
  EXPECT_EQ("三", Cell(*list, 2));
  EXPECT_EQ(0, list->WriteNumber(kBorder, 5));
  EXPECT_TRUE(GetWindowLongA(list->hwnd(), GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongA(list->hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(0, list->WriteNumber(kBorder, 12));
  EXPECT_EQ(5, list->ReadNumber(kBorder));
  EXPECT_EQ(0, list->WriteNumber(kBackground, 0xFF000000));
  EXPECT_EQ(static_cast<LRESULT>(GetSysColor(COLOR_BTNFACE)), SendMessageA(list->hwnd(), LVM_GETBKCOLOR, 0, 0));
  EXPECT_EQ(0, list->WriteNumber(kTextColour, 0x123456));
  EXPECT_EQ(0x123456, SendMessageA(list->hwnd(), LVM_GETTEXTCOLOR, 0, 0));
}

// A handler's false refuses a label edit (event 6) or its new text (event 7).
TEST_F(ReportListTest, LabelEditEventsFollowTheHandlersAnswer) {
  klv::ReportListSettings settings = PlanSettings();
  settings.editLabels = 1;
  settings.rows = {RowCell(0, "old")};
  auto list = Make(settings);
  EXPECT_TRUE(GetWindowLongA(list->hwnd(), GWL_STYLE) & LVS_EDITLABELS);
  SetFocus(list->hwnd());
  PumpUntilQuiet();
  EventLog log;
  using namespace klv::ReportListEvent;
  using klv::CommonEvent::kGotFocus;
  using klv::CommonEvent::kLostFocus;
  log.Answer(kLabelEditStarts, 0);
  EXPECT_EQ(nullptr, reinterpret_cast<HWND>(SendMessageA(list->hwnd(), LVM_EDITLABELA, 0, 0)));
  // The list focuses the row it is asked to edit.
  EXPECT_TRUE(EventsFollow(log.Take(), {{kRowFocused}, {kLabelEditStarts, {0}}}));

  auto editTo = [&](const char* text) {
    HWND edit = reinterpret_cast<HWND>(SendMessageA(list->hwnd(), LVM_EDITLABELA, 0, 0));
    if (edit == nullptr) return false;
    SetWindowTextA(edit, text);
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    PumpUntilQuiet();
    return true;
  };
  log.Answer(kLabelEditEnds, 0);
  ASSERT_TRUE(editTo("rejected"));
  EXPECT_EQ("old", Cell(*list, 0));
  log.Answer(kLabelEditEnds, 1);
  ASSERT_TRUE(editTo("new"));
  EXPECT_EQ("new", Cell(*list, 0));
  // The edit field takes the focus from the list while it is open.
  const EventSequence edit = {{kLabelEditStarts, {0}}, {kLostFocus}, {kLabelEditEnds, {0}}, {kGotFocus}};
  EventSequence twice = edit;
  twice.insert(twice.end(), edit.begin(), edit.end());
  EXPECT_TRUE(EventsFollow(log.Take(), twice));
}

// A bitmap strip of three 16-pixel squares.
std::vector<uint8_t> StripOfThree() {
  const int width = 48, height = 16, stride = width * 3;
  std::vector<uint8_t> file(14 + 40 + stride * height, 0);
  auto put32 = [&](size_t at, uint32_t value) { std::memcpy(&file[at], &value, 4); };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  file[26] = 1;
  file[28] = 24;
  for (size_t i = 54; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7);
  return file;
}

TEST_F(ReportListTest, ImageListBlobBecomesTheSmallImageList) {
  auto list = Make(PlanSettings());
  klv::PropertyValue images;
  images.bytes = StripOfThree();
  EXPECT_EQ(0, list->Write(kViewImages, images));
  auto small = reinterpret_cast<HIMAGELIST>(SendMessageA(list->hwnd(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(nullptr, small);
  EXPECT_EQ(3, ImageList_GetImageCount(small));
  EXPECT_EQ(images.bytes, list->Read(kViewImages).bytes);
  EXPECT_EQ(0, list->Write(kViewImages, klv::PropertyValue()));
  EXPECT_EQ(nullptr, reinterpret_cast<HIMAGELIST>(SendMessageA(list->hwnd(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
}

}  // namespace
}  // namespace ctltest
