// The extended controls library: five data type slots (the report list is
// entry 4) and the report list's six commands.
#include "controls/host.h"
#include "controls/libraries.h"
#include "controls/report_list_commands.h"
#include "controls/type_records.h"

namespace klv {

const CommandFunction kReportListCommands[6] = {
    reportlist::ListRowCount,    reportlist::ListCellText,  reportlist::ListDeleteRow,
    reportlist::ListSetCellText, reportlist::ListInsertRow, reportlist::ListDeleteAllRows,
};

namespace {
struct ExtendedTypeTable {
  DataTypeRecord types[5] = {};
  ExtendedTypeTable() { types[3] = ReportListTypeRecord(); }
};
const ExtendedTypeTable kExtendedTypes;
}  // namespace

const LibraryRecord kExtendedControlsLibrary = {
    kLibraryFormatWord, "ExtendedControlsLibrary", 2, 0, 0, 5, 0, 5, 0, "扩展界面支持库", 1, 0, 0,
    {"", "", "", "", "", "", "", ""}, 5, kExtendedTypes.types, 0, 0, 6, 0, kReportListCommands, 0, 0,
    ProcessNotifyLibrary, {0, 0, 0, 0, 0},
};

}  // namespace klv
