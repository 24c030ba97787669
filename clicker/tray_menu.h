// The functions' menu: popped up from the tray icon, and its entries after
// "显示" also in the main window's system menu.
#pragma once

namespace klv::clicker {

// Pops up the functions' menu at the cursor.
void ShowTrayMenu();
// Appends a separator and the functions' entries, "显示" left out, to the
// main window's system menu.
void AddFunctionsToSystemMenu();

}  // namespace klv::clicker
