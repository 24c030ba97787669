#include "clicker/main_window_created.h"

#include "clicker/capture.h"
#include "clicker/hotkeys.h"
#include "clicker/plan_files.h"
#include "clicker/runner.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_file.h"
#include "clicker/system_numbers.h"
#include "clicker/tray_menu.h"
#include "clicker/units.h"
#include "clicker/window_list.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

// Hotkey routines are called like window procedures and ignore the message.
long __stdcall CaptureHotkey(void*, unsigned, unsigned, long) {
  CaptureCoordinates();
  return 0;
}
long __stdcall QuitHotkey(void*, unsigned, unsigned, long) {
  Support().ExitProgram(0);
  return 0;
}
long __stdcall StartHotkey(void*, unsigned, unsigned, long) {
  StartRun();
  return 0;
}
long __stdcall StopHotkey(void*, unsigned, unsigned, long) {
  StopRun();
  return 0;
}

uint32_t MainWindowHandle() { return CallCore(core::kGetWindowHandle, {WindowArgument()}).low; }

}  // namespace

void OnMainWindowCreated() {
  FormSettingsPath();
  // Registration results are not examined: a combination another program
  // holds is simply skipped, and the buttons keep working.
  const uint32_t control = HotkeyModifier::kControl;
  RegisterWindowHotkey(MainWindowHandle(), control, VirtualKey::kDigit1, CaptureHotkey, kConstants.hotkeyCapture);
  RegisterWindowHotkey(MainWindowHandle(), control, VirtualKey::kQ, QuitHotkey, kConstants.hotkeyQuit);
  RegisterWindowHotkey(MainWindowHandle(), 0, VirtualKey::kF6, StartHotkey, kConstants.hotkeyStart);
  RegisterWindowHotkey(MainWindowHandle(), 0, VirtualKey::kF7, StopHotkey, kConstants.hotkeyStop);
  AddFunctionsToSystemMenu();
  AcceptDropsFromLowerLevels(MainWindowHandle());
  RefreshWindowTitles();
}

}  // namespace klv::clicker
