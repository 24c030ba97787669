// The combo box tests' fixture: combo boxes made on the form from their
// settings, and their items and parts read back.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "controls/commands/core_commands.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/interface/command_values.h"
#include "tests/support/control_harness.h"

namespace ctltest {

inline const klv::DataTypeRecord& ComboType() {
  static const klv::DataTypeRecord type = klv::ComboBoxTypeRecord();
  return type;
}

constexpr uint32_t kComboUnit = 0x16011A42;

inline klv::ComboBoxSettings ClickModeSettings() {
  klv::ComboBoxSettings settings;
  settings.style = 2;
  settings.items = {"前台点击", "后台点击"};
  settings.selectedItem = 0;
  return settings;
}

// The words as item data: each little-endian, one after another.
inline std::vector<uint8_t> DataOf(std::initializer_list<uint32_t> values) {
  std::vector<uint8_t> bytes;
  for (uint32_t value : values) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
  }
  return bytes;
}

class ComboBoxTest : public testing::Test {
 protected:
  std::unique_ptr<TestUnit> Make(const klv::ComboBoxSettings& settings, RECT rect = {20, 20, 180, 40}) {
    auto unit = std::make_unique<TestUnit>(ComboType(), kComboUnit + made_++, form_, klv::WriteSettings(settings), rect,
                                           100, false, klv::TypeCode::kComboBox);
    EXPECT_NE(nullptr, unit->hwnd());
    unit->Show();
    return unit;
  }
  int Count(const TestUnit& combo) { return static_cast<int>(SendMessageA(combo.hwnd(), CB_GETCOUNT, 0, 0)); }
  std::string ItemText(const TestUnit& combo, int32_t index) {
    return TakeText(CallCore(klv::core::ComboItemText, {combo.Argument(), Integer(index)}));
  }
  DWORD Style(const TestUnit& combo) { return static_cast<DWORD>(GetWindowLongA(combo.hwnd(), GWL_STYLE)); }
  static COMBOBOXINFO Parts(const TestUnit& combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GetComboBoxInfo(combo.hwnd(), &info));
    return info;
  }

  HWND form_ = Form();
  uint32_t made_ = 0;
};

}  // namespace ctltest
