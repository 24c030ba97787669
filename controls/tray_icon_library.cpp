// The tray icon library: one data type, no commands.
#include "controls/host.h"
#include "controls/libraries.h"
#include "controls/type_records.h"

namespace klv {

namespace {
struct TrayTypeTable {
  DataTypeRecord types[1] = {};
  TrayTypeTable() { types[0] = TrayIconTypeRecord(); }
};
const TrayTypeTable kTrayTypes;
}  // namespace

const LibraryRecord kTrayIconLibrary = {
    kLibraryFormatWord, "TrayIconLibrary", 2, 0, 0, 5, 0, 5, 0, "托盘图标支持库", 1, 0, 0,
    {"", "", "", "", "", "", "", ""}, 1, kTrayTypes.types, 0, 0, 0, 0, nullptr, 0, 0,
    ProcessNotifyLibrary, {0, 0, 0, 0, 0},
};

}  // namespace klv
