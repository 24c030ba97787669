// What an operator does with the loaded main window, done with real input
// (clicks through the system's input queue), plus the few set-up steps that
// have no operator equivalent. Everything runs on the test's (the window's)
// thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace klvtest {

// A real click on the middle of a control.
void PressButton(uint32_t unitId);
// Opens a combo box's list with a real click (a refresh handler runs then)
// and clicks the item with exactly that text; false when it is not listed.
bool PickComboItem(uint32_t unitId, const std::string& itemText);
// Picks the item only when another one is shown.
bool EnsureComboShows(uint32_t unitId, const std::string& itemText);

// "后台点击" picked in the mode box, then the title picked in the freshly
// refreshed title box; false when the title is not listed.
bool ChooseBackgroundTarget(const std::string& title);
// The same, with the item whose item data is that window picked, so that
// one of two windows with one title can be chosen.
bool ChooseBackgroundWindow(HWND window);
// "前台点击" picked in the mode box.
void ChooseForegroundMode();

// X, Y and the delay typed into their fields, then a real click on "添加".
void AddPlanRow(int x, int y, int delay);
// A real click on the row.
void SelectPlanRow(int row);
// The row's menu opened with a real right click, and "删除" chosen with keys.
void DeletePlanRowWithRowMenu(int row);
int PlanRowCount();
// Set-up only: every row removed through the list command.
void ClearPlan();

// A plan file in Klikvane's folder aimed at the title, in background or
// foreground mode, loaded with a real click on "读取" (or, while a
// foreground run owns the cursor, with the button's event) and removed again.
enum class Press { kRealClick, kEvent };
void LoadPlanFile(const std::string& title, const std::string& rows, int count, bool background = true,
                  Press press = Press::kRealClick);
// The title box's edit field (it has one after a background-mode load).
HWND TitleEditField();
// Types ASCII letters and digits into the title's edit field with real keys,
// replacing its text.
void TypeTitle(const std::string& text);
// Types the text into the title's edit field as an input method delivers
// it, one UTF-16 unit after another (both halves of a surrogate pair),
// replacing its text; true once the box shows the same text.
bool TypeTitleAsCharacters(const std::wstring& text);

// The button's clicked event, raised through the runtime's dispatch as the
// button raises it, without input.
void RaiseClickedEvent(uint32_t unitId);

// The cursor put on a spot far from the target and from the main window.
POINT ParkCursor();
POINT CursorNow();

// Buttons as an idle window shows them, and no runner thread.
bool ShowsIdle();
// Buttons as a running window shows them.
bool ShowsRunning();

// Counts the plan's row-count reads that another thread (the runner, once
// per pass) makes while it lives. Made and ended while no run goes on.
class RowCountReads {
 public:
  RowCountReads();
  ~RowCountReads();
  RowCountReads(const RowCountReads&) = delete;
  RowCountReads& operator=(const RowCountReads&) = delete;
  long count() const;
};

}  // namespace klvtest
