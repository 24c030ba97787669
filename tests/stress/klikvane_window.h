// The real Klikvane's main window in another process, worked as an operator
// works it. Units are found where the window template places them, anew at
// every use (the title box is built anew when its kind changes). Real mouse
// and keys go where Klikvane's behaviour depends on them: the drop-down
// lists, the plan's rows and their menu, the title typed, the hotkeys.
// Buttons are pressed with BM_CLICK and fields filled with WM_SETTEXT.
#pragma once
#include <windows.h>

#include <string>

#include "tests/support/settings_text.h"

namespace klvtest {

// What the window shows, read from outside.
struct ShownState {
  int modeItem = -1, buttonItem = -1;
  bool titleEditable = false, titleEnabled = false;
  std::string title;
  HWND titleItemWindow = nullptr;  // the window the selected title item carries; null: none selected
  std::string x, y, delay;
  Plan plan;
  bool running = false;
};

class KlikvaneWindow {
 public:
  KlikvaneWindow(HWND main, DWORD processId) : main_(main), processId_(processId) {}
  HWND main() const { return main_; }
  DWORD processId() const { return processId_; }

  HWND StartButton() const { return UnitAt({33, 20}); }
  HWND StopButton() const { return UnitAt({90, 20}); }
  HWND StepButton() const { return UnitAt({150, 20}); }
  HWND LoadButton() const { return UnitAt({205, 20}); }
  HWND SaveButton() const { return UnitAt({253, 20}); }
  HWND AddButton() const { return UnitAt({250, 78}); }
  HWND ModeBox() const { return UnitAt({45, 52}); }
  HWND TitleBox() const { return UnitAt({180, 52}); }
  HWND ButtonBox() const { return UnitAt({191, 80}); }
  HWND FieldX() const { return UnitAt({29, 80}); }
  HWND FieldY() const { return UnitAt({81, 80}); }
  HWND FieldDelay() const { return UnitAt({133, 80}); }
  HWND PlanList() const;

  // Gives the window the keyboard, so that the hotkeys fire.
  void Activate() const;
  void PressHotkey(WORD key, bool control = false) const;
  // Opens a drop-down list with a click on its arrow and clicks the item;
  // false when the list did not open or the item was not chosen.
  bool PickItem(HWND box, int index) const;
  // The title list's item that carries the window, picked.
  bool PickTitleOf(HWND window) const;
  // Replaces the editable title box's text with real keys.
  bool TypeTitle(const std::string& text) const;
  bool SelectRow(int row);
  bool DoubleClickRow(int row);
  // Selects the row, opens its menu with a right click and chooses the
  // entry (1 删除, 2 编辑, 3 执行) with keys.
  bool ChooseFromRowMenu(int row, int entry);
  // Control+1 with the cursor at that screen point, held there until the X
  // and Y fields show the pair given (the hotkey is handled later) or a
  // while has passed.
  void CaptureAt(POINT screen, const std::string& x, const std::string& y) const;
  void SetField(HWND field, const std::string& text) const;
  // Puts the cursor where a click hits no window of the test (every real
  // input ends so: a foreground run puts the cursor back where it found it,
  // and now and then clicks there), and waits until it stays there: after a
  // foreground run, Wine goes on setting the cursor back to the run's
  // earlier places for a while.
  bool ParkCursor() const;
  bool MinimiseToTray() const;
  bool RestoreFromTray() const;

  int RowCount() const;
  ShownState Shown() const;

 private:
  HWND UnitAt(POINT clientPoint) const;
  void StepAside() const;
  bool RowPoint(int row, POINT* screen);

  HWND main_;
  DWORD processId_;
  // Each click on a row lands beside the one before, so that two clicks in
  // a row never make a double click.
  int rowClicks_ = 0;
};

}  // namespace klvtest
