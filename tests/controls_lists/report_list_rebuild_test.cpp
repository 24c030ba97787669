// The report list's rebuilding properties, its rows property, its label
// edit events and its image list.
#include <cstring>

#include "tests/controls_lists/report_list_fixture.h"

namespace ctltest {
namespace {

using namespace klv::ReportListProperty;  // type property k of the report list, by name

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
