// The window classes of the tests' own windows (parents, loggers, probes).
#pragma once
#include <windows.h>

namespace klvtest {

// Registers a window class of this module with the arrow cursor, once: a
// second call with the same name leaves the first registration in place.
// background is a system colour index (COLOR_BTNFACE, ...), or -1 for none.
// Returns the class name, for CreateWindowExA.
const char* RegisterTestWindowClass(const char* name, WNDPROC procedure, UINT style = 0, int background = -1);

}  // namespace klvtest
