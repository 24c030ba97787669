#include "runtime/window_procedure.h"

namespace klv {

WNDPROC SetWindowProcedure(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT CallWindowProcedure(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(procedure, window, message, wParam, lParam);
}

}  // namespace klv
