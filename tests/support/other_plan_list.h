// The rows of a plan list (a list view of four columns) in another process,
// read with list-view messages through a block of that process's memory.
#pragma once
#include <windows.h>

#include "tests/support/settings_text.h"

namespace klvtest {

int RowCountOf(HWND list);
Plan RowsOf(HWND list, DWORD processId);

}  // namespace klvtest
