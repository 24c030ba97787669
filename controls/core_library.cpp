// The core library: 51 data type slots (seven filled: window, menu, edit box,
// group box, label, button, combo box) and 22 commands.
#include "controls/core_commands.h"
#include "controls/host.h"
#include "controls/libraries.h"
#include "controls/type_records.h"

namespace klv {

const CommandFunction kCoreCommands[22] = {
    core::GetRunDirectory, core::WriteIniItem,  core::ToText,        core::ToInteger,
    core::ComboItemText,   core::PopupMenu,     core::FileExists,    core::ReadIniItem,
    core::SplitText,       core::ShowMessageBox, core::ComboClear,   core::BitOr,
    core::BitAnd,          core::ComboAddItem,  core::CharText,      core::BlankText,
    core::ProcessPendingMessages, core::GetWindowHandle, core::TrimSpaces, core::FindText,
    core::TextAtAddress,   core::ComboItemData,
};

namespace {

DataTypeRecord EmptyType() { return DataTypeRecord{}; }

struct CoreTypeTable {
  DataTypeRecord types[51];
  CoreTypeTable() {
    for (DataTypeRecord& type : types) type = EmptyType();
    types[0] = WindowTypeRecord();
    types[2] = MenuTypeRecord();
    types[4] = EditBoxTypeRecord();
    types[8] = GroupBoxTypeRecord();
    types[9] = LabelTypeRecord();
    types[10] = ButtonTypeRecord();
    types[13] = ComboBoxTypeRecord();
  }
};

const CoreTypeTable kCoreTypes;

}  // namespace

const LibraryRecord kCoreLibrary = {
    kLibraryFormatWord, "CoreLibrary", 5, 0, 0, 5, 0, 5, 0, "核心支持库", 1, 0, 0,
    {"", "", "", "", "", "", "", ""}, 51, kCoreTypes.types, 0, 0, 22, 0, kCoreCommands, 0, 0,
    ProcessNotifyLibrary, {0, 0, 0, 0, 0},
};

}  // namespace klv
