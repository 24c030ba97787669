// The report list made through its type record on a real window: creation
// from its setting block, its rows and cells, and its six commands (also
// from a second thread).
#include <cstring>
#include <thread>

#include "tests/controls_lists/report_list_fixture.h"

namespace ctltest {
namespace {

using namespace klv::ReportListProperty;  // type property k of the report list, by name

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

}  // namespace
}  // namespace ctltest
