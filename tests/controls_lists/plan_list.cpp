#include "tests/controls_lists/plan_list.h"

#include <string>

#include "controls/skeleton/type_records.h"

namespace ctltest {

const klv::DataTypeRecord& ListType() {
  static const klv::DataTypeRecord type = klv::ReportListTypeRecord();
  return type;
}

klv::ColumnRecord Column(const char* title) {
  klv::ColumnRecord column;
  column.title = title;
  return column;
}

klv::RowCellRecord RowCell(uint8_t nextColumn, const char* text, const char* tip) {
  klv::RowCellRecord cell;
  cell.nextColumn = nextColumn;
  cell.text = text;
  cell.tip = tip;
  return cell;
}

klv::ReportListSettings PlanSettings(int rows) {
  klv::ReportListSettings settings;
  settings.borderStyle = 1;
  settings.view = 3;
  settings.columns = {Column("坐标X"), Column("坐标Y"), Column("延迟"), Column("模式")};
  settings.fullRowSelect = 1;
  settings.gridLines = 1;
  settings.singleSelection = 1;
  settings.showSelectionAlways = 1;
  for (int i = 0; i < rows; ++i) settings.rows.push_back(RowCell(0, std::to_string(100 + i).c_str()));
  return settings;
}

std::unique_ptr<TestUnit> MakeList(const klv::ReportListSettings& settings, uint32_t unit, RECT rect) {
  auto list = std::make_unique<TestUnit>(ListType(), unit, Form(), klv::WriteSettings(settings), rect, 100, false,
                                         klv::TypeCode::kReportList);
  EXPECT_NE(nullptr, list->hwnd());
  list->Show();
  return list;
}

POINT RowClientPoint(HWND list, int row, int part) {
  RECT rect = {};
  rect.left = part;
  SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace ctltest
