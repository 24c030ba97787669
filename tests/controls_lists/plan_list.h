// The report list as the main window defines its plan list, made on the
// form for the report list's tests, and the row points they click.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "controls/skeleton/unit_settings.h"
#include "tests/support/control_harness.h"

namespace ctltest {

const klv::DataTypeRecord& ListType();
klv::ColumnRecord Column(const char* title);
klv::RowCellRecord RowCell(uint8_t nextColumn, const char* text, const char* tip = "");
// The plan list's settings, with rows "100", "101", ... when asked.
klv::ReportListSettings PlanSettings(int rows = 0);
// A report list of those settings on the form, shown; unit ids count up
// from `unit`.
std::unique_ptr<TestUnit> MakeList(const klv::ReportListSettings& settings, uint32_t unit,
                                   RECT rect = {10, 10, 214, 190});
// The middle of a row's part (LVIR_LABEL, LVIR_ICON, ...) in the list's
// client area.
POINT RowClientPoint(HWND list, int row, int part = LVIR_LABEL);

}  // namespace ctltest
