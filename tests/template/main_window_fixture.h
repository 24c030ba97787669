// The program's MainWindow template block read once per test, and the
// units and setting blocks looked up in it, for the template tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "controls/skeleton/unit_settings.h"
#include "image/window_template_data.h"
#include "runtime/window_template.h"

namespace templatetest {

using namespace klv;

// The group boxes' UnitIds.
constexpr uint32_t kGroup1 = 0x16011a46, kGroup2 = 0x16011a47, kGroup3 = 0x160135a7;

// The program's windows, as its template block holds them: the main window
// first, then the options window.
inline std::vector<WindowDescription> ProgramWindows() {
  std::vector<WindowDescription> windows;
  if (!ReadTemplateBlock(kMainWindowTemplate, kMainWindowTemplateLength, &windows)) windows.clear();
  return windows;
}

// The block of the main window alone, in the stored format: the tests of
// the format's bytes work on it.
inline std::vector<uint8_t> Block() {
  std::vector<WindowDescription> windows = ProgramWindows();
  if (!windows.empty()) windows.resize(1);
  return WriteTemplateBlock(windows);
}

class MainWindowTemplate : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<WindowDescription> windows = ProgramWindows();
    ASSERT_EQ(2u, windows.size());
    window_ = windows[0];
    ASSERT_EQ(42u, window_.units.size());
  }

  // The units in template order without the menu entries: the window, then the controls.
  std::vector<const UnitDescription*> WindowAndControls() const {
    std::vector<const UnitDescription*> units;
    for (const UnitDescription& unit : window_.units) {
      if (!unit.isMenuEntry) units.push_back(&unit);
    }
    return units;
  }

  const ControlRecord& Control(uint32_t unitId) const {
    for (const UnitDescription& unit : window_.units) {
      if (unit.unitId == unitId && !unit.isMenuEntry) return unit.control;
    }
    throw std::runtime_error("no such control");
  }

  template <class Settings>
  Settings SettingsOf(uint32_t unitId) const {
    Settings settings;
    EXPECT_TRUE(ParseSettings(Control(unitId).settings, &settings)) << std::hex << unitId;
    return settings;
  }

  WindowDescription window_;
};

}  // namespace templatetest
