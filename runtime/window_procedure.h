// The one pair through which the program puts a procedure in front of a
// window's and hands messages on to the one it replaced, and the system's
// default handling. The system treats a window as Unicode only when every
// link of its chain was set with the wide functions, so every link is set
// and called through here, and all of them are wide.
#pragma once
#include <windows.h>

namespace klv {

// Makes `procedure` the window's procedure; answers the one it replaces.
WNDPROC SetWindowProcedure(HWND window, WNDPROC procedure);
// Hands a message to a procedure that was replaced.
LRESULT CallWindowProcedure(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The system's default handling of a message to one of the program's windows.
LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace klv
