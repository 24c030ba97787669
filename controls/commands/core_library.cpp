// The core library: its data type slots (those of the window, menu, edit
// box, group box, label, button and combo box filled) and its commands, one
// row per command number (core_commands.h).
#include <iterator>

#include "controls/commands/core_commands.h"
#include "controls/commands/libraries.h"
#include "controls/commands/library_record.h"
#include "controls/skeleton/type_records.h"
#include "runtime/interface/numbered_table.h"

namespace klv {

namespace {

using CoreCommandRow = CommandRow<core::CoreCommandNumber>;

constexpr CoreCommandRow kCoreCommandRows[] = {
    // Files and ini items.
    {core::kGetRunDirectory, core::GetRunDirectory},
    {core::kWriteIniItem, core::WriteIniItem},
    // Conversions.
    {core::kToText, core::ToText},
    {core::kToInteger, core::ToInteger},
    // Combo box and pop-up menu.
    {core::kComboItemText, core::ComboItemText},
    {core::kPopupMenu, core::PopupMenu},
    // Files, ini items and texts.
    {core::kFileExists, core::FileExists},
    {core::kReadIniItem, core::ReadIniItem},
    {core::kSplitText, core::SplitText},
    // Message box; combo box.
    {core::kShowMessageBox, core::ShowMessageBox},
    {core::kComboClear, core::ComboClear},
    // Bit operations.
    {core::kBitOr, core::BitOr},
    {core::kBitAnd, core::BitAnd},
    // Combo box; texts.
    {core::kComboAddItem, core::ComboAddItem},
    {core::kCharText, core::CharText},
    {core::kBlankText, core::BlankText},
    // Messages and windows.
    {core::kProcessPendingMessages, core::ProcessPendingMessages},
    {core::kGetWindowHandle, core::GetWindowHandle},
    // Texts.
    {core::kTrimSpaces, core::TrimSpaces},
    {core::kFindText, core::FindText},
    {core::kTextAtAddress, core::TextAtAddress},
    // Combo box: an item's data; the shown text with the picked item's data.
    {core::kComboItemData, core::ComboItemData},
    {core::kComboShownChoice, core::ComboShownChoice},
};
static_assert(std::size(kCoreCommandRows) == core::kCoreCommandCount, "one row per core command");
static_assert(RowsInNumberOrder(kCoreCommandRows), "core commands out of command-number order");

}  // namespace

const std::array<CommandFunction, core::kCoreCommandCount> kCoreCommands =
    ColumnOf(kCoreCommandRows, &CoreCommandRow::command);

namespace {
const TypeSlots<51> kCoreTypes({
    {0, WindowTypeRecord},
    {2, MenuTypeRecord},
    {4, EditBoxTypeRecord},
    {8, GroupBoxTypeRecord},
    {9, LabelTypeRecord},
    {10, ButtonTypeRecord},
    {13, ComboBoxTypeRecord},
});
}  // namespace

const LibraryRecord kCoreLibrary =
    WithContents(LibraryRecordNamed("CoreLibrary", "核心支持库", 5, 0), kCoreTypes, &kCoreCommands);

}  // namespace klv
