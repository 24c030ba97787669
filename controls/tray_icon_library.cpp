// The tray icon library: one data type, no commands.
#include <iterator>

#include "controls/libraries.h"
#include "controls/library_record.h"
#include "controls/type_records.h"

namespace klv {

namespace {
struct TrayTypeTable {
  DataTypeRecord types[1] = {};
  TrayTypeTable() { types[0] = TrayIconTypeRecord(); }
};
const TrayTypeTable kTrayTypes;
}  // namespace

const LibraryRecord kTrayIconLibrary = [] {
  LibraryRecord record = LibraryRecordNamed("TrayIconLibrary", "托盘图标支持库", 2, 0);
  record.dataTypeCount = std::size(kTrayTypes.types);
  record.dataTypes = kTrayTypes.types;
  return record;
}();

}  // namespace klv
