#include "clicker/main_window_created.h"

#include "clicker/hotkey_choices.h"
#include "clicker/plan_files.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_file.h"
#include "clicker/tray_menu.h"
#include "clicker/window_list.h"

namespace klv::clicker {

void OnMainWindowCreated() {
  FormSettingsPath();
  // A combination another program holds is left out, the buttons keep
  // working, and the start and stop buttons no longer name it.
  RegisterChosenHotkeys();
  AddFunctionsToSystemMenu();
  AcceptDropsFromLowerLevels(WindowHandle());
  RefreshWindowTitles();
}

}  // namespace klv::clicker
