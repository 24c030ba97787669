// The system window of a live report list, as its commands reach it.
#pragma once
#include <windows.h>

#include <cstdint>

namespace klv {

// The list-view window of the report list named by window and unit UnitIds.
// A missing unit raises the runtime's unit error (the call does not return);
// a unit of another type gives null.
HWND ReportListWindow(uint32_t windowId, uint32_t unitId);

}  // namespace klv
