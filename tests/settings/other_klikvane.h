// A Klikvane.exe running in another process, looked at from outside: its
// main window and controls found by class, text and place, and the rows of
// its plan read from its own memory.
#pragma once
#include <windows.h>

#include <string>

#include "tests/settings/settings_harness.h"
#include "tests/support/remote_block.h"

namespace klvtest {

class OtherKlikvane {
 public:
  explicit OtherKlikvane(DWORD processId) : processId_(processId) {}

  // Waits for the shown main window; false on time-out.
  bool WaitForMainWindow(DWORD milliseconds);
  HWND mainWindow() const { return main_; }

  // A control by class name and top-left corner in the main window's client
  // area (the title field is rebuilt when its kind changes: look it up anew).
  HWND ControlAt(const char* className, int left, int top) const;
  HWND ButtonNamed(const std::string& text) const;

  HWND PlanList() const { return ControlAt("SysListView32", 10, 99); }
  HWND ClickModeCombo() const { return ControlAt("ComboBox", 9, 42); }
  HWND TitleCombo() const { return ControlAt("ComboBox", 85, 42); }

  int RowCount() const;
  Plan Rows() const;

 private:
  DWORD processId_;
  HWND main_ = nullptr;
};

}  // namespace klvtest
