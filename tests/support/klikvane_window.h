// The real Klikvane's main window in another process, worked as an operator
// works it: the one driver of the real program that the tests and benches
// share. Units are found by their place in the window template, anew at
// every use (the title box is built anew when its kind changes). Real mouse
// and keys go where Klikvane's behaviour depends on them: the drop-down
// lists, the plan's rows and their menu, the title typed, the hotkeys.
// Buttons are pressed with BM_CLICK and fields filled with WM_SETTEXT.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "image/main_window_units.h"
#include "tests/support/program_window.h"
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

  // The control of a unit of the window (klv::MainWindowUnit).
  HWND Unit(uint32_t unitId) const { return ProgramUnit(main_, unitId); }
  HWND StartButton() const { return Unit(klv::MainWindowUnit::kButtonStart); }
  HWND StopButton() const { return Unit(klv::MainWindowUnit::kButtonStop); }
  HWND StepButton() const { return Unit(klv::MainWindowUnit::kButtonDebug); }
  HWND LoadButton() const { return Unit(klv::MainWindowUnit::kButtonLoad); }
  HWND SaveButton() const { return Unit(klv::MainWindowUnit::kButtonSave); }
  HWND AddButton() const { return Unit(klv::MainWindowUnit::kButtonAdd); }
  HWND ModeBox() const { return Unit(klv::MainWindowUnit::kComboClickMode); }
  HWND TitleBox() const { return Unit(klv::MainWindowUnit::kComboWindowTitle); }
  HWND ButtonBox() const { return Unit(klv::MainWindowUnit::kComboMouseButton); }
  HWND FieldX() const { return Unit(klv::MainWindowUnit::kEditX); }
  HWND FieldY() const { return Unit(klv::MainWindowUnit::kEditY); }
  HWND FieldDelay() const { return Unit(klv::MainWindowUnit::kEditDelay); }
  HWND PlanList() const { return Unit(klv::MainWindowUnit::kPlanList); }
  HWND ScreenXLabel() const { return Unit(klv::MainWindowUnit::kLabelScreenX); }
  HWND ScreenYLabel() const { return Unit(klv::MainWindowUnit::kLabelScreenY); }

  // A button's own click handling (BM_CLICK): Press returns once the
  // program has handled it, PostPress at once.
  void Press(HWND button) const;
  void PostPress(HWND button) const;
  // A real left click at the middle of a unit.
  void ClickOn(HWND unit) const;
  // A run goes on while the start button is disabled.
  bool Running() const { return !IsWindowEnabled(StartButton()); }
  // Without input: drops the title list down (the program refills it),
  // selects the item that carries the window and closes the list; false
  // when the window is not listed.
  bool SelectTitleOf(HWND window) const;

  // Activates the window with a real click on the lowest part of the plan
  // list, below the rows of a short plan, so that hotkeys and keys reach it.
  void ClickInto() const;
  // Gives the window the keyboard, so that the hotkeys fire.
  void Activate() const;
  void PressHotkey(WORD key, bool control = false) const;
  // Opens a drop-down list with a real click on its arrow; false when it
  // did not open.
  bool OpenList(HWND box) const;
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
  // Chooses the n-th entry (1-based: 显示, 选项…, 打开配置…, 配置另存为…,
  // 退出) of the menu the tray icon pops up on a right click, with keys;
  // false when the menu did not show and close.
  bool ChooseFromTrayMenu(int entry) const;
  // Opens the options window from the tray menu; null when it did not show.
  HWND OpenOptions() const;
  // A control of the shown options window; null when none.
  HWND OptionsUnit(uint32_t unitId) const;

  int RowCount() const;
  Plan Rows() const;
  ShownState Shown() const;

 private:
  void StepAside() const;
  bool RowPoint(int row, POINT* screen);

  HWND main_;
  DWORD processId_;
  // Each click on a row lands beside the one before, so that two clicks in
  // a row never make a double click.
  int rowClicks_ = 0;
};

}  // namespace klvtest
