// A desk of the test's making for Klikvane's cursor calls: the program's
// GetCursorPos, SetCursorPos, mouse_event, SendInput, GetSystemMetrics,
// FindWindowA and GetWindowRect are stand-ins (tests/support/bound_functions.h)
// that pass every call on to the system until a FakedDesk lives. While one
// lives, the cursor is the desk's own: GetCursorPos reads it, SetCursorPos
// moves it, mouse_event is logged where it stands and SendInput's records
// are logged and followed, never passed on, so no real input is made; the
// shell's desktop window ("Progman") stands at the desk's corner, which a
// monitor left of or above the main one makes negative, and the virtual
// desk's metrics are that window's rectangle.
#pragma once
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace klvtest {

// Installs the stand-ins (once per process); before the runtime binds them.
void InterceptDeskCalls();

// One call the program made on the desk: a cursor move, or a synthesised
// press or release (the button flags) where the cursor stood. A record of
// SendInput names its batch (the calls counted from 1 while the desk
// lives); the other calls have batch 0.
struct DeskCall {
  bool input;
  POINT at;
  DWORD flags;
  int batch = 0;
  bool operator==(const DeskCall& o) const {
    return input == o.input && at.x == o.at.x && at.y == o.at.y && flags == o.flags && batch == o.batch;
  }
};
DeskCall CursorMoveTo(int x, int y, int batch = 0);
DeskCall InputAt(int x, int y, DWORD flags, int batch = 0);
void PrintTo(const DeskCall& call, std::ostream* out);

// One cursor call as a DeskWatch saw it: when (microseconds on the
// QueryPerformanceCounter clock the recording target stamps its messages
// with), and what, with its point.
struct WatchedCall {
  unsigned long long microseconds;
  std::string what;
};

// While one lives and no FakedDesk does, the cursor calls go to the system
// as usual and each is logged as it is made, from any thread.
class DeskWatch {
 public:
  DeskWatch();
  ~DeskWatch();
  DeskWatch(const DeskWatch&) = delete;
  DeskWatch& operator=(const DeskWatch&) = delete;
  std::vector<WatchedCall> calls() const;
};

class FakedDesk {
 public:
  FakedDesk(RECT desktopWindow, POINT cursor);
  ~FakedDesk();
  FakedDesk(const FakedDesk&) = delete;
  FakedDesk& operator=(const FakedDesk&) = delete;
  // Every move and input so far, in order.
  std::vector<DeskCall> calls() const;
  // Where each synthesised press happened, in order.
  std::vector<POINT> inputPoints() const;
};

}  // namespace klvtest
