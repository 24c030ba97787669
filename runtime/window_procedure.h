// The one pair through which the program puts a procedure in front of a
// window's and hands messages on to the one it replaced. The system treats
// a window by the kind of function its procedure was set with (ANSI or
// wide), so every link of every chain is set and called through here.
#pragma once
#include <windows.h>

namespace klv {

// Makes `procedure` the window's procedure; answers the one it replaces.
WNDPROC SetWindowProcedure(HWND window, WNDPROC procedure);
// Hands a message to a procedure that was replaced.
LRESULT CallWindowProcedure(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace klv
