#pragma once
#include "image/main_window_units.h"
#include "runtime/interface/support_entries.h"

namespace klv::clicker {

constexpr uint32_t kMainWindowId = MainWindowUnit::kMainWindow;

// The program's start routine, called by the runtime with its support table.
int ProgramStart(const SupportEntries* support);

}  // namespace klv::clicker
