// The tray icon library: one data type, no commands.
#include "controls/commands/libraries.h"
#include "controls/commands/library_record.h"
#include "controls/skeleton/type_records.h"

namespace klv {

namespace {
const TypeSlots<1> kTrayTypes({{0, TrayIconTypeRecord}});
}  // namespace

const LibraryRecord kTrayIconLibrary =
    WithContents(LibraryRecordNamed("TrayIconLibrary", "托盘图标支持库", 2, 0), kTrayTypes);

}  // namespace klv
