#include "controls/skeleton/control_skeleton.h"

#include "runtime/system_text.h"
#include "runtime/window_table.h"

namespace klv {
namespace {

WindowTable<UnitObject*>& Parts() {
  static WindowTable<UnitObject*> table;
  return table;
}

}  // namespace

void NotePart(HWND part, UnitObject* owner) { Parts().Set(part, owner); }
UnitObject* PartOwner(HWND part) { return Parts().Get(part); }
void ForgetPart(HWND part) { Parts().Remove(part); }

// Every window is made, and every class registered, with the wide
// functions: a window is Unicode only when all of its links are.
HWND MakeSystemWindow(const SystemWindowDesign& design) {
  const int width = design.rect.right - design.rect.left, height = design.rect.bottom - design.rect.top;
  HMENU menuOrId = design.menu ? design.menu : reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.childId));
  const std::wstring windowClass = ToSystemText(design.windowClass);
  return CreateWindowExW(design.extendedStyle, windowClass.c_str(), ToSystemText(design.text).c_str(), design.style,
                         design.rect.left, design.rect.top, width, height, design.parent, menuOrId,
                         GetModuleHandleW(nullptr), nullptr);
}

bool RegisterOwnClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background) {
  const std::wstring className = ToSystemText(name);
  WNDCLASSW windowClass = {};
  if (GetClassInfoW(GetModuleHandleW(nullptr), className.c_str(), &windowClass)) return true;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className.c_str();
  return RegisterClassW(&windowClass) != 0;
}

}  // namespace klv
