// The data type records of the control types, one per type file.
#pragma once
#include "runtime/interface/image_format.h"

namespace klv {

DataTypeRecord WindowTypeRecord();
DataTypeRecord MenuTypeRecord();
DataTypeRecord EditBoxTypeRecord();
DataTypeRecord GroupBoxTypeRecord();
DataTypeRecord LabelTypeRecord();
DataTypeRecord ButtonTypeRecord();
DataTypeRecord ComboBoxTypeRecord();
DataTypeRecord ReportListTypeRecord();
DataTypeRecord HotkeyBoxTypeRecord();
DataTypeRecord TrayIconTypeRecord();

}  // namespace klv
