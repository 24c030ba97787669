// The commands of the extended controls library (the report list), in table
// order; the table is append-only. The first argument of each is the report
// list.
#pragma once
#include "runtime/interface/command_values.h"

namespace klv::reportlist {

enum ReportListCommandNumber {
  kListRowCount = 0,
  kListCellText = 1,
  kListDeleteRow = 2,
  kListSetCellText = 3,
  kListInsertRow = 4,
  kListDeleteAllRows = 5,
  kListRowTexts = 6,
  kListRowNumbers = 7,
  kReportListCommandCount  // not a command: the number of commands
};

void ListRowCount(CommandResult* result, int count, const CommandArgument* arguments);
void ListCellText(CommandResult* result, int count, const CommandArgument* arguments);
void ListDeleteRow(CommandResult* result, int count, const CommandArgument* arguments);
void ListSetCellText(CommandResult* result, int count, const CommandArgument* arguments);
void ListInsertRow(CommandResult* result, int count, const CommandArgument* arguments);
void ListDeleteAllRows(CommandResult* result, int count, const CommandArgument* arguments);
// list, row -> an array of the row's cell texts, column 0 first; no
// elements for a row outside the rows.
void ListRowTexts(CommandResult* result, int count, const CommandArgument* arguments);
// list, row, the address of `wanted` 32-bit integers, wanted -> logical:
// whether the list holds the row. The integers become the row's first cells,
// each read as ToInteger reads a text (a cell the row lacks as 0), all from
// one state of the list; with no heap value to hand back and free.
void ListRowNumbers(CommandResult* result, int count, const CommandArgument* arguments);

}  // namespace klv::reportlist
