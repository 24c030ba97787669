// The extended controls library: five data type slots (the report list is
// entry 4) and the report list's six commands.
#include <iterator>

#include "controls/libraries.h"
#include "controls/library_record.h"
#include "controls/report_list_commands.h"
#include "controls/type_records.h"
#include "runtime/numbered_table.h"

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
};
static_assert(std::size(kReportListCommandRows) == kReportListCommandCount, "one row per report list command");
static_assert(RowsInNumberOrder(kReportListCommandRows), "report list commands out of command-number order");

}  // namespace

const std::array<CommandFunction, kReportListCommandCount> kReportListCommands =
    ColumnOf(kReportListCommandRows, &ReportListCommandRow::command);

namespace {
struct ExtendedTypeTable {
  DataTypeRecord types[5] = {};
  ExtendedTypeTable() { types[3] = ReportListTypeRecord(); }
};
const ExtendedTypeTable kExtendedTypes;
}  // namespace

const LibraryRecord kExtendedControlsLibrary = [] {
  LibraryRecord record = LibraryRecordNamed("ExtendedControlsLibrary", "扩展界面支持库", 2, 0);
  record.dataTypeCount = std::size(kExtendedTypes.types);
  record.dataTypes = kExtendedTypes.types;
  record.commandCount = kReportListCommands.size();
  record.commands = kReportListCommands.data();
  return record;
}();

}  // namespace klv
