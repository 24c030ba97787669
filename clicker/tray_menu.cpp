#include "clicker/tray_menu.h"

#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "clicker/units.h"
#include "controls/commands/core_commands.h"

namespace klv::clicker {
namespace {

// The system-menu entries, in menu order; 0 stands for the separator.
constexpr uint32_t kSystemMenuEntries[] = {0, Unit::kMenuOptions, Unit::kMenuOpenPlan, Unit::kMenuSavePlanAs,
                                           Unit::kMenuQuit};

}  // namespace

// A menu popped up for a notification-area icon closes on a click elsewhere
// only when its owner is the foreground window while it shows, and the
// message posted after it lets a second pop-up work the first time.
void ShowTrayMenu() {
  const uint32_t window = WindowHandle();
  CallSystem(kSetForegroundWindow, {window});
  CallCore(core::kPopupMenu, {WindowArgument(), UnitArgument(Unit::kMenuFunctions, TypeCode::kMenu)});
  CallSystem(kPostMessageA, {window, SystemMessage::kNull, 0, 0});
}

void AddFunctionsToSystemMenu() {
  for (uint32_t entry : kSystemMenuEntries) {
    Support().CallRuntimeService(RuntimeService::kAddSystemMenuEntry, Unit::kMainWindow, entry);
  }
}

}  // namespace klv::clicker
