#include "clicker/options_window.h"

#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"

namespace klv::clicker {

void OpenOptionsWindow() {
  Support().CallRuntimeService(RuntimeService::kLoadWindow, OptionsWindowUnit::kOptionsWindow,
                               MainWindowUnit::kMainWindow);
}

// Posted, so that the window goes after the handler that asked has returned.
void CloseOptionsWindow() {
  CallSystem(kPostMessageA, {WindowHandle(OptionsWindowUnit::kOptionsWindow), SystemMessage::kClose, 0, 0});
}

bool CloseOptionsOnEscape(uint32_t key) {
  if (key != VirtualKey::kEscape) return false;
  CloseOptionsWindow();
  return true;
}

}  // namespace klv::clicker
