#include "tests/settings/other_klikvane.h"

#include <commctrl.h>

#include <vector>

#include "tests/support/klikvane_session.h"
#include "tests/support/other_plan_list.h"

namespace klvtest {
namespace {


// The shown top-level window titled "Klikvane" that the process owns.
HWND ShownMainWindowOf(DWORD processId) {
  for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, "Klikvane"); window;
       window = FindWindowExA(nullptr, window, nullptr, "Klikvane")) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

struct ChildSearch {
  HWND parent;
  const char* className;
  int left, top;
  const std::string* text;  // when given, the window text must match instead of the place
  HWND found;
};

BOOL CALLBACK FindControl(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<ChildSearch*>(context);
  char className[64] = "";
  GetClassNameA(child, className, sizeof className);
  if (GetParent(child) != search->parent || lstrcmpiA(className, search->className) != 0) return TRUE;
  if (search->text) {
    if (AskedText(child) != *search->text) return TRUE;
  } else {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, search->parent, reinterpret_cast<POINT*>(&rect), 2);
    if (rect.left != search->left || rect.top != search->top) return TRUE;
  }
  search->found = child;
  return FALSE;
}

}  // namespace

bool OtherKlikvane::WaitForMainWindow(DWORD milliseconds) {
  return PumpUntil([this] { return (main_ = ShownMainWindowOf(processId_)) != nullptr; }, milliseconds);
}

HWND OtherKlikvane::ControlAt(const char* className, int left, int top) const {
  ChildSearch search = {main_, className, left, top, nullptr, nullptr};
  EnumChildWindows(main_, FindControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OtherKlikvane::ButtonNamed(const std::string& text) const {
  ChildSearch search = {main_, "Button", 0, 0, &text, nullptr};
  EnumChildWindows(main_, FindControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int OtherKlikvane::RowCount() const { return RowCountOf(PlanList()); }

Plan OtherKlikvane::Rows() const { return RowsOf(PlanList(), processId_); }

}  // namespace klvtest
