// The main window's units and the property indices the clicker uses.
#pragma once
#include <cstdint>

#include "image/main_window_units.h"
#include "runtime/command_values.h"
#include "runtime/property_indices.h"

namespace klv::clicker {

namespace Unit = ::klv::MainWindowUnit;

namespace Property {
constexpr int kVisible = CommonProperty::kVisible;
constexpr int kDisabled = CommonProperty::kDisabled;
// Type properties: the type's own number after the common ones.
constexpr int kEditText = CommonProperty::kFirstTypeProperty + 0;         // edit boxes
constexpr int kLabelText = CommonProperty::kFirstTypeProperty + 0;        // labels
constexpr int kComboStyle = CommonProperty::kFirstTypeProperty + 0;       // combo boxes
constexpr int kComboText = CommonProperty::kFirstTypeProperty + 1;
constexpr int kComboSelection = CommonProperty::kFirstTypeProperty + 11;
constexpr int kListSelection = CommonProperty::kFirstTypeProperty + 27;   // the report list
constexpr int kWindowState = CommonProperty::kFirstTypeProperty + 10;     // the window's own unit
constexpr int kAlwaysOnTop = CommonProperty::kFirstTypeProperty + 21;
}  // namespace Property

}  // namespace klv::clicker
