#pragma once
#include "runtime/support_entries.h"

namespace klv::clicker {

constexpr uint32_t kMainWindowId = 0x52010001;

// The program's start routine, called by the runtime with its support table.
int ProgramStart(const SupportEntries* support);

}  // namespace klv::clicker
