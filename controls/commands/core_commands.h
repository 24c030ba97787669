// The commands of the core library by number. The command table
// (core_library.cpp) names each row's number, and the build fails when a row
// is out of place; the table is append-only. Every command shares the one
// calling convention: (result record, argument count, arguments).
#pragma once
#include "runtime/interface/command_values.h"

namespace klv::core {

enum CoreCommandNumber {
  kGetRunDirectory = 0,
  kWriteIniItem = 1,
  kToText = 2,
  kToInteger = 3,
  kComboItemText = 4,
  kPopupMenu = 5,
  kFileExists = 6,
  kReadIniItem = 7,
  kSplitText = 8,
  kShowMessageBox = 9,
  kComboClear = 10,
  kBitOr = 11,
  kBitAnd = 12,
  kComboAddItem = 13,
  kCharText = 14,
  kBlankText = 15,
  kProcessPendingMessages = 16,
  kGetWindowHandle = 17,
  kTrimSpaces = 18,
  kFindText = 19,
  kTextAtAddress = 20,
  kComboItemData = 21,
  kComboShownChoice = 22,
  kCoreCommandCount  // not a command: the number of commands
};

void GetRunDirectory(CommandResult* result, int count, const CommandArgument* arguments);
void WriteIniItem(CommandResult* result, int count, const CommandArgument* arguments);
void ToText(CommandResult* result, int count, const CommandArgument* arguments);
void ToInteger(CommandResult* result, int count, const CommandArgument* arguments);
void ComboItemText(CommandResult* result, int count, const CommandArgument* arguments);
void PopupMenu(CommandResult* result, int count, const CommandArgument* arguments);
void FileExists(CommandResult* result, int count, const CommandArgument* arguments);
void ReadIniItem(CommandResult* result, int count, const CommandArgument* arguments);
void SplitText(CommandResult* result, int count, const CommandArgument* arguments);
void ShowMessageBox(CommandResult* result, int count, const CommandArgument* arguments);
void ComboClear(CommandResult* result, int count, const CommandArgument* arguments);
void BitOr(CommandResult* result, int count, const CommandArgument* arguments);
void BitAnd(CommandResult* result, int count, const CommandArgument* arguments);
void ComboAddItem(CommandResult* result, int count, const CommandArgument* arguments);
void CharText(CommandResult* result, int count, const CommandArgument* arguments);
void BlankText(CommandResult* result, int count, const CommandArgument* arguments);
void ProcessPendingMessages(CommandResult* result, int count, const CommandArgument* arguments);
void GetWindowHandle(CommandResult* result, int count, const CommandArgument* arguments);
void TrimSpaces(CommandResult* result, int count, const CommandArgument* arguments);
void FindText(CommandResult* result, int count, const CommandArgument* arguments);
void TextAtAddress(CommandResult* result, int count, const CommandArgument* arguments);
// combo box, item index -> the item's 32-bit data; 0 outside the items.
void ComboItemData(CommandResult* result, int count, const CommandArgument* arguments);
// combo box, address of a 32-bit place (may be omitted) -> the shown text;
// the data word of the item selected at that same moment goes to the place
// (0 with no item selected).
void ComboShownChoice(CommandResult* result, int count, const CommandArgument* arguments);

}  // namespace klv::core
