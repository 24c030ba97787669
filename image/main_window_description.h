// The description of MainWindow, the program's one window: every unit with
// its identifier, stored name, type, geometry, state, event bindings and
// setting block. The image generator writes it out as the template block.
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/window_template.h"

namespace klv {

// trayIcon: the .ico file image the tray icon shows.
WindowDescription MainWindowDescription(const std::vector<uint8_t>& trayIcon);

}  // namespace klv
