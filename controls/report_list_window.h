// The live report list as its commands reach it: its system window, which
// the changing commands send to, and the mirror of its content, which the
// reading commands answer from (another thread never waits for the owner).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/control_mirror.h"

namespace klv {

struct ReportListAccess {
  HWND window = nullptr;               // null for a unit of another type
  const ListMirror* mirror = nullptr;  // set with window
  bool onOwnerThread = false;          // the calling thread owns the window
};

// The report list named by window and unit UnitIds. A missing unit raises
// the runtime's unit error (the call does not return).
ReportListAccess FindReportList(uint32_t windowId, uint32_t unitId);

}  // namespace klv
