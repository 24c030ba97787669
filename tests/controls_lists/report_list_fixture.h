// The report list tests' fixture: lists made on the form, and their rows,
// cells and states read through the list's commands and messages.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/report_list/report_list_commands.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/system_text.h"
#include "tests/controls_lists/plan_list.h"

namespace ctltest {

namespace rl = klv::reportlist;

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

}  // namespace ctltest
