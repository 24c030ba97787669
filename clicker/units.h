// The main window's units and the property indices the clicker uses.
#pragma once
#include <cstdint>

#include "runtime/interface/type_properties.h"
#include "image/main_window_units.h"
#include "runtime/interface/command_values.h"
#include "runtime/interface/property_indices.h"

namespace klv::clicker {

namespace Unit = ::klv::MainWindowUnit;

namespace Property {
constexpr int kVisible = CommonProperty::kVisible;
constexpr int kDisabled = CommonProperty::kDisabled;
// Type properties: the type's own number after the common ones.
constexpr int TypeProperty(int k) { return CommonProperty::kFirstTypeProperty + k; }
constexpr int kEditText = TypeProperty(EditBoxProperty::kContent);
constexpr int kLabelText = TypeProperty(LabelProperty::kText);
constexpr int kComboStyle = TypeProperty(ComboBoxProperty::kStyle);
constexpr int kComboText = TypeProperty(ComboBoxProperty::kContent);
constexpr int kComboSelection = TypeProperty(ComboBoxProperty::kCurrentItem);
constexpr int kListSelection = TypeProperty(ReportListProperty::kCurrentRow);
constexpr int kWindowState = TypeProperty(WindowProperty::kWindowState);  // the window's own unit
constexpr int kAlwaysOnTop = TypeProperty(WindowProperty::kAlwaysOnTop);
constexpr int kTrayInNotificationArea = TypeProperty(TrayIconProperty::kInNotificationArea);
}  // namespace Property

}  // namespace klv::clicker
