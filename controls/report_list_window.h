// The live report list as its commands reach it: its system window, which
// the owner thread asks, and the mirror of its content, which every other
// thread reads instead (it sends nothing and never waits for the owner).
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

// A cell's text asked of the list view (through a buffer that grows while
// the text fills it); with direct given, through that window procedure
// called in place of a sent message (the owner thread only).
std::string ListViewCellText(HWND list, int row, int column, WNDPROC direct = nullptr);

}  // namespace klv
