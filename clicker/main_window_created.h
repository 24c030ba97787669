#pragma once

namespace klv::clicker {

// Runs while the main window is still invisible: forms the settings path,
// registers the hotkeys and fills the target window list.
void OnMainWindowCreated();

}  // namespace klv::clicker
