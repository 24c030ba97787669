// Names, flags and property counts of the control types. None of them can be
// created yet: they hand out no operations and describe no properties.
#include "controls/type_records.h"

namespace klv {
namespace {

DataTypeRecord BasicType(const char* displayName, const char* englishName, uint32_t flags,
                         uint32_t propertyCount) {
  DataTypeRecord record = {};
  record.displayName = displayName;
  record.englishName = englishName;
  record.description = "";
  record.typeFlags = flags;
  record.propertyCount = propertyCount;
  return record;
}

}  // namespace

DataTypeRecord ComboBoxTypeRecord() { return BasicType("组合框", "ComboBox", 0x04, 25); }
DataTypeRecord ReportListTypeRecord() { return BasicType("超级列表框", "ListView", 0x04, 39); }

}  // namespace klv
