// Klikvane's runtime and main window, started inside the test process: the
// real program image, the real template, the real handlers. Tests drive the
// window with real input and read it through the runtime's property access.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "image/main_window_units.h"
#include "runtime/events.h"
#include "tests/support/event_log.h"

namespace klvtest {

// Starts the runtime and loads the main window once per process (the
// creation handler runs, as in the program). Runtime errors are printed and
// fail the process.
void StartKlikvaneInProcess();

// Pumps this thread's messages through the runtime (with its pre-translation
// of input) for the given time.
void Pump(DWORD milliseconds);
// Pumps until the condition holds; false on time-out.
bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);
// Pumps until no message of that number posted to the window waits any
// more (every one has been handled); false on time-out.
bool PumpUntilTaken(HWND window, UINT message, DWORD milliseconds = 5000);

HWND MainWindowHandle();
// The system window of a loaded unit (of the main window unless another
// window is named); null when there is none.
HWND UnitHandle(uint32_t unitId, uint32_t windowId = klv::MainWindowUnit::kMainWindow);

uint64_t ReadUnit(uint32_t unitId, int index, int element = -1);
void WriteUnit(uint32_t unitId, int index, uint64_t value, int element = -1);
std::string ReadUnitText(uint32_t unitId, int index);  // frees the runtime's text
void WriteUnitText(uint32_t unitId, int index, const std::string& text);

// Real input, through the system's input queue.
void MoveCursor(int x, int y);
void ClickAt(int x, int y, bool right = false);
void DoubleClickAt(int x, int y);
void PressKey(WORD key, bool control = false);
// The screen point at (x, y) of a unit's client area.
POINT ScreenPointOf(uint32_t unitId, int x, int y);
// Brings the main window to the front so that input reaches it.
void BringMainWindowToFront();

}  // namespace klvtest

namespace klvtest {

// A visible pop-up menu window (class "#32768") of any thread, or null.
HWND VisiblePopupMenu();
// The entries of a menu as program text, a separator as "-".
std::vector<std::string> MenuEntryTexts(HMENU menu);
// From another thread: waits for a pop-up menu of this process to show,
// reads its entries, then chooses the n-th entry (1-based) with real Down
// and Enter key presses, or dismisses the menu with Escape when entry is 0.
// The entries read are kept in *entries, which must outlive the thread.
std::thread ReadAndChoosePopupEntryLater(int entry, std::vector<std::string>* entries);
// From another thread: waits for a pop-up menu to show, releases the right
// button (menus opened by a right press track it), and chooses the n-th
// entry (1-based) with real Down and Enter key presses.
void ChoosePopupEntryLater(int entry);

}  // namespace klvtest
