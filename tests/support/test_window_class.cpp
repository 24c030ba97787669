#include "tests/support/test_window_class.h"

namespace klvtest {

const char* RegisterTestWindowClass(const char* name, WNDPROC procedure, UINT style, int background) {
  WNDCLASSA windowClass = {};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass)) return name;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  if (background >= 0) windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
  return name;
}

}  // namespace klvtest
