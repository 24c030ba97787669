// A desk of the test's making for Klikvane's cursor calls: the program's
// GetCursorPos, SetCursorPos, mouse_event, FindWindowA and GetWindowRect
// are stand-ins (tests/support/bound_functions.h) that pass every call on
// to the system until a FakedDesk lives. While one lives, the cursor is the
// desk's own: GetCursorPos reads it, SetCursorPos moves it, and mouse_event
// is logged where it stands, never passed on, so no real input is made;
// the shell's desktop window ("Progman") stands at the desk's corner, which
// a monitor left of or above the main one makes negative.
#pragma once
#include <windows.h>

#include <ostream>
#include <vector>

namespace klvtest {

// Installs the stand-ins (once per process); before the runtime binds them.
void InterceptDeskCalls();

// One call the program made on the desk: a cursor move, or a synthesised
// press and release (the mouse_event flags) where the cursor stood.
struct DeskCall {
  bool input;
  POINT at;
  DWORD flags;
  bool operator==(const DeskCall& o) const {
    return input == o.input && at.x == o.at.x && at.y == o.at.y && flags == o.flags;
  }
};
DeskCall CursorMoveTo(int x, int y);
DeskCall InputAt(int x, int y, DWORD flags);
void PrintTo(const DeskCall& call, std::ostream* out);

class FakedDesk {
 public:
  FakedDesk(RECT desktopWindow, POINT cursor);
  ~FakedDesk();
  FakedDesk(const FakedDesk&) = delete;
  FakedDesk& operator=(const FakedDesk&) = delete;
  // Every move and input so far, in order.
  std::vector<DeskCall> calls() const;
  // Where each synthesised input happened, in order.
  std::vector<POINT> inputPoints() const;
};

}  // namespace klvtest
