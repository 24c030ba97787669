// The live report list as its commands reach it: its system window, which
// the changing commands send to, and the mirror of its content, which the
// reading commands answer from (the owner thread from its own view, another
// thread from the published copy, never waiting for the owner).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/report_list/report_list_row_mirror.h"

namespace klv {

struct ReportListAccess {
  // Null for a unit of another type, and for a moment while the list's
  // window is built anew; the mirror is there all the same.
  HWND window = nullptr;
  const ListMirror* mirror = nullptr;  // null for a unit of another type
};

// The report list named by window and unit UnitIds. A missing unit raises
// the runtime's unit error (the call does not return); a list whose window
// is being built anew is not missing.
ReportListAccess FindReportList(uint32_t windowId, uint32_t unitId);

}  // namespace klv
