#include "clicker/main_window_created.h"

#include "clicker/capture.h"
#include "clicker/hotkeys.h"
#include "clicker/runner.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_file.h"
#include "clicker/units.h"
#include "clicker/window_list.h"
#include "controls/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kControl = 2;
constexpr uint32_t kKeyDigit1 = 0x31;
constexpr uint32_t kKeyQ = 0x51;
constexpr uint32_t kKeyF6 = 0x75;
constexpr uint32_t kKeyF7 = 0x76;

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
  RegisterWindowHotkey(MainWindowHandle(), kControl, kKeyDigit1, CaptureHotkey, kConstants.hotkeyCapture);
  RegisterWindowHotkey(MainWindowHandle(), kControl, kKeyQ, QuitHotkey, kConstants.hotkeyQuit);
  RegisterWindowHotkey(MainWindowHandle(), 0, kKeyF6, StartHotkey, kConstants.hotkeyStart);
  RegisterWindowHotkey(MainWindowHandle(), 0, kKeyF7, StopHotkey, kConstants.hotkeyStop);
  RefreshWindowTitles();
}

}  // namespace klv::clicker
