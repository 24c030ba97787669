// Commands not built yet: each leaves its result record zeroed (an empty
// result). Removed command by command as the real ones land.
#include "controls/core_commands.h"
#include "controls/report_list_commands.h"

namespace klv::core {
void ComboItemText(CommandResult*, int, const CommandArgument*) {}
void PopupMenu(CommandResult*, int, const CommandArgument*) {}
void ComboClear(CommandResult*, int, const CommandArgument*) {}
void ComboAddItem(CommandResult*, int, const CommandArgument*) {}
void GetWindowHandle(CommandResult*, int, const CommandArgument*) {}
}  // namespace klv::core

namespace klv::reportlist {
void ListRowCount(CommandResult*, int, const CommandArgument*) {}
void ListCellText(CommandResult*, int, const CommandArgument*) {}
void ListDeleteRow(CommandResult*, int, const CommandArgument*) {}
void ListSetCellText(CommandResult*, int, const CommandArgument*) {}
void ListInsertRow(CommandResult*, int, const CommandArgument*) {}
void ListDeleteAllRows(CommandResult*, int, const CommandArgument*) {}
}  // namespace klv::reportlist
