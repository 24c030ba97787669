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

void CloseOptionsOnEscape(uint32_t key) {
  if (key == VirtualKey::kEscape) CloseOptionsWindow();
}

}  // namespace klv::clicker
