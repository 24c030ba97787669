// The extended controls library: its data type slots, two of them the
// report list's and the hotkey box's, and the report list's commands.
#include <iterator>

#include "controls/commands/libraries.h"
#include "controls/commands/library_record.h"
#include "controls/report_list/report_list_commands.h"
#include "controls/skeleton/type_records.h"
#include "runtime/interface/numbered_table.h"

namespace klv {

namespace {

using ReportListCommandRow = CommandRow<reportlist::ReportListCommandNumber>;

constexpr ReportListCommandRow kReportListCommandRows[] = {
    // Reading rows.
    {reportlist::kListRowCount, reportlist::ListRowCount},
    {reportlist::kListCellText, reportlist::ListCellText},
    // Changing rows.
    {reportlist::kListDeleteRow, reportlist::ListDeleteRow},
    {reportlist::kListSetCellText, reportlist::ListSetCellText},
    {reportlist::kListInsertRow, reportlist::ListInsertRow},
    {reportlist::kListDeleteAllRows, reportlist::ListDeleteAllRows},
    // Reading a whole row.
    {reportlist::kListRowTexts, reportlist::ListRowTexts},
    {reportlist::kListRowNumbers, reportlist::ListRowNumbers},
};
static_assert(std::size(kReportListCommandRows) == reportlist::kReportListCommandCount,
              "one row per report list command");
static_assert(RowsInNumberOrder(kReportListCommandRows), "report list commands out of command-number order");

}  // namespace

const std::array<CommandFunction, reportlist::kReportListCommandCount> kReportListCommands =
    ColumnOf(kReportListCommandRows, &ReportListCommandRow::command);

namespace {
const TypeSlots<5> kExtendedTypes({{3, ReportListTypeRecord}, {4, HotkeyBoxTypeRecord}});
}  // namespace

const LibraryRecord kExtendedControlsLibrary = WithContents(
    LibraryRecordNamed("ExtendedControlsLibrary", "扩展界面支持库", 2, 0), kExtendedTypes, &kReportListCommands);

}  // namespace klv
