#include "controls/control_skeleton.h"

#include "runtime/system_text.h"

namespace klv {

HWND MakeSystemWindow(const SystemWindowSpec& spec) {
  const int width = spec.rect.right - spec.rect.left, height = spec.rect.bottom - spec.rect.top;
  HMENU menuOrId = spec.menu ? spec.menu : reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.childId));
  if (spec.wide) {
    std::wstring windowClass = ToSystemText(spec.windowClass);
    return CreateWindowExW(spec.extendedStyle, windowClass.c_str(), ToSystemText(spec.text).c_str(), spec.style,
                           spec.rect.left, spec.rect.top, width, height, spec.parent, menuOrId,
                           GetModuleHandleA(nullptr), nullptr);
  }
  return CreateWindowExA(spec.extendedStyle, spec.windowClass, spec.text.c_str(), spec.style, spec.rect.left,
                         spec.rect.top, width, height, spec.parent, menuOrId, GetModuleHandleA(nullptr), nullptr);
}

bool RegisterOwnClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background) {
  WNDCLASSA windowClass = {};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass)) return true;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}

}  // namespace klv
