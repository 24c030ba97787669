// The report-list commands. The reading commands answer from the list's
// mirror, so the click runner's thread never waits for the owner thread, and
// the owner reads its own up-to-date view instead of asking the list view
// for every cell. The changing commands send messages to the list's system
// window, which the system hands to the owner thread.
#include "controls/report_list/report_list_commands.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "controls/commands/command_arguments.h"
#include "controls/commands/conversion_commands.h"
#include "controls/report_list/list_view_items.h"
#include "controls/report_list/report_list_unit.h"
#include "controls/skeleton/unit_lookup.h"
#include "runtime/system_text.h"
#include "runtime/text_value.h"

namespace klv {
namespace reportlist {

void ListRowCount(CommandResult* result, int count, const CommandArgument* arguments) {
  ReportListUnit* list = RequireUnit<ReportListUnit>(CommandArguments(count, arguments).At(0));
  int32_t rows = 0;
  if (list) rows = list->mirror().RowCount();
  SetIntegerResult(result, rows);
}

void ListCellText(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ReportListUnit* list = RequireUnit<ReportListUnit>(args.At(0));
  int32_t row = args.Integer(1, 0), column = args.Integer(2, 0);
  std::string text = list ? list->mirror().Cell(row, column) : std::string();
  SetTextResult(result, CopyText(text.c_str()));
}

void ListDeleteRow(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  HWND list = RequireUnitWindow<ReportListUnit>(args.At(0));
  SetLogicalResult(result, list && SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(args.Integer(1, 0)), 0));
}

void ListSetCellText(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  HWND list = RequireUnitWindow<ReportListUnit>(args.At(0));
  const char* text = args.Text(3, "");
  std::wstring cell = ToSystemText(text ? text : "");
  LVITEMW item = {};
  item.iSubItem = args.Integer(2, 0);
  item.pszText = &cell[0];
  SetLogicalResult(result, list && SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(args.Integer(1, 0)),
                                                reinterpret_cast<LPARAM>(&item)));
}

// Omitted or negative position: after the last row (the list view appends an
// index past its end). The state image goes into the state with a zero state
// mask.
void ListInsertRow(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  HWND list = RequireUnitWindow<ReportListUnit>(args.At(0));
  const char* text = args.Text(2, "");
  std::wstring cell = ToSystemText(text ? text : "");
  int32_t position = args.Integer(1, -1);
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
  item.iItem = position < 0 ? INT_MAX : position;
  item.pszText = &cell[0];
  item.iImage = std::max(args.Integer(3, -1), -1);
  item.state = StateImageState(args.Integer(4, -1));
  item.stateMask = 0;
  item.iIndent = std::max(args.Integer(5, 0), 0);
  item.lParam = static_cast<LPARAM>(args.Integer(6, 0));
  LRESULT inserted = list ? SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) : -1;
  SetIntegerResult(result, static_cast<int32_t>(inserted));
}

void ListDeleteAllRows(CommandResult* result, int count, const CommandArgument* arguments) {
  HWND list = RequireUnitWindow<ReportListUnit>(CommandArguments(count, arguments).At(0));
  if (list) SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
}

// Another thread gets every cell of the row from one state of the mirror,
// never cells from both sides of a change.
void ListRowTexts(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ReportListUnit* list = RequireUnit<ReportListUnit>(args.At(0));
  int32_t row = args.Integer(1, 0);
  ListMirror::Row cells;
  if (list) cells = list->mirror().RowAt(row);
  std::vector<char*> texts;
  texts.reserve(cells.size());
  for (const std::string& cell : cells) texts.push_back(CopyText(cell.c_str()));
  SetArrayResult(result, NewTextArray(texts), TypeCode::kText);
}

void ListRowNumbers(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ReportListUnit* list = RequireUnit<ReportListUnit>(args.At(0));
  ListMirror::Row cells;
  if (list) cells = list->mirror().RowAt(args.Integer(1, 0));
  auto* numbers = static_cast<int32_t*>(const_cast<void*>(args.Pointer(2)));
  const int32_t wanted = args.Integer(3, 0);
  for (int32_t column = 0; numbers != nullptr && column < wanted; ++column) {
    const auto at = static_cast<size_t>(column);
    numbers[column] = at < cells.size() ? TextToInteger(cells[at].c_str()) : 0;
  }
  SetLogicalResult(result, !cells.empty());
}

}  // namespace reportlist
}  // namespace klv
