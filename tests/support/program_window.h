// Finding the real program's windows from outside, in any process: its main
// window, and each control by its unit in the window template (the runtime
// numbers the controls' child windows in creation order), never by caption
// or place; and the names the program itself uses, taken from its constants.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "runtime/window_template.h"

namespace klvtest {

// The main window's caption.
constexpr char kProgramWindowTitle[] = "Klikvane";

// The main window as the program's template block describes it: its units
// in template order, unit 0 the window itself.
const klv::WindowDescription& MainWindowTemplate();
// The child-window identifier the runtime gives a control of the main
// window; 0 for a unit that is no control (a menu entry, the window).
int ChildIdOf(uint32_t unitId);
// The control of that unit (klv::MainWindowUnit) in a main window of any
// process, looked up anew at every call: a control rebuilt when its kind
// changes keeps its identifier but not its handle. Null when none.
HWND ProgramUnit(HWND mainWindow, uint32_t unitId);
// The command a menu entry of the main window sends when chosen: the first
// menu command plus the entry's place among the window's menu entries; 0
// for a unit that is no menu entry.
UINT MenuCommandOf(uint32_t unitId);

// The first top-level window of that process for which matches holds.
HWND FindTopLevelWindow(DWORD processId, const std::function<bool(HWND)>& matches);
// The process's shown main window, or null.
HWND ShownProgramWindow(DWORD processId);
// The same, waited for until it shows, the time is up or gone() holds.
HWND WaitForProgramWindow(DWORD processId, DWORD milliseconds = 20000,
                          const std::function<bool()>& gone = [] { return false; });
// A visible message box (class "#32770") of that process, or null.
HWND ShownMessageBox(DWORD processId);
bool MessageBoxShown(DWORD processId);
// The first descendant of that class, and the deepest visible window under
// a client point.
HWND FindChildOfClass(HWND parent, const std::string& className);
HWND DeepestChildAt(HWND window, POINT clientPoint);

// The settings file's name as the program spells it, and its path in a
// folder (no separator at the folder's end).
std::string SettingsFileName();
std::string SettingsFileIn(const std::string& folder);
// The settings file of the program running in this process: beside the
// test program, where the creation handler puts it.
std::string SettingsPathHere();

}  // namespace klvtest
