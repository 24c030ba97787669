// The core commands that take the window or one of its controls, against
// the loaded main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/commands/libraries.h"
#include "runtime/app_runtime.h"
#include "runtime/heap.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

using namespace klv::clicker;

klv::CommandResult Core(int command, std::initializer_list<klv::CommandArgument> arguments) {
  std::vector<klv::CommandArgument> list(arguments);
  return klv::SupportTable().CallCoreCommand(klv::kCoreCommands[command], static_cast<int>(list.size()), list.data());
}

klv::CommandArgument Combo(uint32_t unit) { return {0x52010001, unit, 0x0001000E}; }
klv::CommandArgument Integer(int32_t value) { return {static_cast<uint32_t>(value), 0, 0x80000301}; }
klv::CommandArgument Text(const char* text) {
  return {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(text)), 0, 0x80000004};
}

std::string TakeText(const klv::CommandResult& result) {
  char* text = reinterpret_cast<char*>(static_cast<uintptr_t>(result.low));
  std::string copy = text ? text : "";
  klv::FreeMemory(text);
  return copy;
}

TEST(WindowCommands, GetWindowHandleOfTheWindowAndOfAControl) {
  EXPECT_EQ(MainWindowHandle(),
            reinterpret_cast<HWND>(static_cast<uintptr_t>(Core(klv::core::kGetWindowHandle, {{0x52010001, 0, 0x00010001}}).low)));
  EXPECT_EQ(UnitHandle(Unit::kButtonAdd),
            reinterpret_cast<HWND>(static_cast<uintptr_t>(
                Core(klv::core::kGetWindowHandle, {{0x52010001, Unit::kButtonAdd, 0x0001000B}}).low)));
}

TEST(WindowCommands, ComboCommandsOnTheMouseButtonList) {
  klv::CommandArgument combo = Combo(Unit::kComboMouseButton);
  EXPECT_EQ("左键", TakeText(Core(klv::core::kComboItemText, {combo, Integer(0)})));
  EXPECT_EQ("右键", TakeText(Core(klv::core::kComboItemText, {combo, Integer(1)})));
  EXPECT_EQ("", TakeText(Core(klv::core::kComboItemText, {combo, Integer(2)})));
  EXPECT_EQ("", TakeText(Core(klv::core::kComboItemText, {combo, Integer(-1)})));
}

TEST(WindowCommands, ClearAndAddOnTheTitleList) {
  klv::CommandArgument combo = Combo(Unit::kComboWindowTitle);
  Core(klv::core::kComboClear, {combo});
  EXPECT_EQ(0xFFFFFFFFu, static_cast<uint32_t>(ReadUnit(Unit::kComboWindowTitle, Property::kComboSelection)));
  EXPECT_EQ(0u, Core(klv::core::kComboAddItem, {combo, Text("甲"), Integer(77)}).low);
  EXPECT_EQ(1u, Core(klv::core::kComboAddItem, {combo, Text("乙")}).low);
  EXPECT_EQ(77, SendMessageA(UnitHandle(Unit::kComboWindowTitle), CB_GETITEMDATA, 0, 0));
  EXPECT_EQ(0, SendMessageA(UnitHandle(Unit::kComboWindowTitle), CB_GETITEMDATA, 1, 0));
  EXPECT_EQ("乙", TakeText(Core(klv::core::kComboItemText, {combo, Integer(1)})));
  Core(klv::core::kComboClear, {combo});
}

}  // namespace
}  // namespace klvtest
