#include "tests/support/operator_actions.h"

#include <commctrl.h>

#include <cctype>
#include <functional>

#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "controls/report_list/report_list_commands.h"
#include "runtime/events.h"
#include "runtime/system_text.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/program_window.h"
#include "tests/support/real_input.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using klv::clicker::Unit::kButtonAdd;
using klv::clicker::Unit::kButtonStart;
using klv::clicker::Unit::kButtonStop;
using klv::clicker::Unit::kComboClickMode;
using klv::clicker::Unit::kComboWindowTitle;
using klv::clicker::Unit::kEditDelay;
using klv::clicker::Unit::kEditX;
using klv::clicker::Unit::kEditY;
using klv::clicker::Unit::kPlanList;

using klv::clicker::Property::kComboText;
using klv::clicker::Property::kDisabled;
using klv::clicker::Property::kEditText;
using klv::clicker::Property::kListSelection;

POINT Centre(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND DroppedList(HWND combo) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

// Where a click drops the closed combo box's list: its own field, not the
// 160 pixels it is created with; the button of a box with a text field,
// where a click on the field only places the caret.
POINT ComboFieldCentre(HWND combo) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  const RECT& field = info.hwndItem && info.hwndItem != combo ? info.rcButton : info.rcItem;
  POINT point = {(field.left + field.right) / 2, (field.top + field.bottom) / 2};
  ClientToScreen(combo, &point);
  return point;
}

int32_t Signed(uint64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }



// The runner's calls of the plan's row-count command: the clicker's support
// table is replaced by a copy whose library-command entry counts them.
klv::SupportEntries g_countingSupport;
const klv::SupportEntries* g_realSupport = nullptr;
DWORD g_countingThread = 0;
volatile long g_rowCountReads = 0;

klv::CommandResult CountingLibraryCommand(int library, klv::CommandFunction command, int count,
                                          const klv::CommandArgument* arguments) {
  if (command == &klv::reportlist::ListRowCount && GetCurrentThreadId() != g_countingThread) {
    InterlockedIncrement(&g_rowCountReads);
  }
  return g_realSupport->CallLibraryCommand(library, command, count, arguments);
}

}  // namespace

void PressButton(uint32_t unitId) {
  POINT point = Centre(UnitHandle(unitId));
  ClickAt(point.x, point.y);
}

namespace {

// Opens the list with a real click and clicks the item that the finder
// names once the list is refreshed; false when it names none.
bool PickItemFound(uint32_t unitId, const std::function<int(HWND combo)>& find) {
  HWND combo = UnitHandle(unitId);
  POINT field = ComboFieldCentre(combo);
  ClickAt(field.x, field.y);
  HWND list = DroppedList(combo);
  if (!list || !PumpUntil([list] { return IsWindowVisible(list) != FALSE; })) return false;
  int index = find(combo);
  if (index < 0) {
    PressKey(VK_ESCAPE);
    return false;
  }
  std::string itemText = ComboItemText(combo, index);
  SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  RECT item;
  SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  POINT point = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &point);
  ClickAt(point.x, point.y);
  bool picked = PumpUntil([&] { return ReadUnitText(unitId, kComboText) == itemText && !IsWindowVisible(list); });
  // The selection event arrives through a message the combo box posts itself.
  Pump(50);
  return picked;
}

}  // namespace

bool PickComboItem(uint32_t unitId, const std::string& itemText) {
  return PickItemFound(unitId, [&itemText](HWND combo) {
    return FindComboItem(combo, itemText);
  });
}

bool ChooseBackgroundWindow(HWND window) {
  if (!EnsureComboShows(kComboClickMode, "后台点击")) return false;
  if (!PumpUntil([] { return ReadUnit(kComboWindowTitle, kDisabled) == 0; })) return false;
  return PickItemFound(kComboWindowTitle, [window](HWND combo) {
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      if (SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == reinterpret_cast<LRESULT>(window)) return i;
    }
    return -1;
  });
}

bool EnsureComboShows(uint32_t unitId, const std::string& itemText) {
  return ReadUnitText(unitId, kComboText) == itemText || PickComboItem(unitId, itemText);
}

bool ChooseBackgroundTarget(const std::string& title) {
  if (!EnsureComboShows(kComboClickMode, "后台点击")) return false;
  if (!PumpUntil([] { return ReadUnit(kComboWindowTitle, kDisabled) == 0; })) return false;
  return PickComboItem(kComboWindowTitle, title);
}

void ChooseForegroundMode() { EnsureComboShows(kComboClickMode, "前台点击"); }

void AddPlanRow(int x, int y, int delay) {
  int before = PlanRowCount();
  WriteUnitText(kEditX, kEditText, std::to_string(x));
  WriteUnitText(kEditY, kEditText, std::to_string(y));
  WriteUnitText(kEditDelay, kEditText, std::to_string(delay));
  PressButton(kButtonAdd);
  PumpUntil([before] { return PlanRowCount() == before + 1; });
}

namespace {

POINT RowPoint(int row) {
  HWND list = UnitHandle(kPlanList);
  RECT rect = {};
  rect.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  POINT point = {rect.left + 12, (rect.top + rect.bottom) / 2};
  ClientToScreen(list, &point);
  return point;
}

}  // namespace

void SelectPlanRow(int row) {
  POINT point = RowPoint(row);
  ClickAt(point.x, point.y);
  PumpUntil([row] { return Signed(ReadUnit(kPlanList, kListSelection)) == row; });
}

void DeletePlanRowWithRowMenu(int row) {
  const int before = PlanRowCount();
  SelectPlanRow(row);
  POINT point = RowPoint(row);
  ChoosePopupEntryLater(1);  // 删除
  ClickAt(point.x, point.y, true);
  PumpUntil([before] { return PlanRowCount() == before - 1; });
}

int PlanRowCount() { return static_cast<int>(SendMessageA(UnitHandle(kPlanList), LVM_GETITEMCOUNT, 0, 0)); }

void ClearPlan() {
  klv::clicker::CallReportList(klv::reportlist::kListDeleteAllRows,
                               {klv::clicker::UnitArgument(kPlanList, klv::TypeCode::kReportList)});
}

void LoadPlanFile(const std::string& title, const std::string& rows, int count, bool background, Press press) {
  const std::string path = SettingsPathHere();
  WriteWholeFile(path, std::string("[Configuration]\r\n前后台=") + (background ? "1" : "0") + "\r\n窗口标题=" + title +
                           "\r\n坐标个数=" + std::to_string(count) + "\r\n[Coordinate]\r\n" + rows);
  if (press == Press::kRealClick) {
    PressButton(klv::clicker::Unit::kButtonLoad);
  } else {
    RaiseClickedEvent(klv::clicker::Unit::kButtonLoad);
  }
  PumpUntil([count, background, &title] {
    return PlanRowCount() == count && (!background || ReadUnitText(kComboWindowTitle, kComboText) == title);
  });
  DeleteFileA(path.c_str());
}

HWND TitleEditField() {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  GetComboBoxInfo(UnitHandle(kComboWindowTitle), &info);
  return info.hwndItem != info.hwndCombo ? info.hwndItem : nullptr;
}

void TypeTitle(const std::string& text) {
  HWND edit = TitleEditField();
  RECT rect;
  GetWindowRect(edit, &rect);
  ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PressKey(VK_END);
  for (int i = 0; i < 40; ++i) PressKey(VK_BACK);
  for (char c : text) PressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(c))));
  PumpUntil([&text] { return ReadUnitText(kComboWindowTitle, kComboText) == text; });
}

bool TypeTitleAsCharacters(const std::wstring& text) {
  HWND edit = TitleEditField();
  RECT rect;
  GetWindowRect(edit, &rect);
  ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t unit : text) SendTypedCharacter(unit);
  const std::string expected = klv::ToProgramText(text);
  return PumpUntil([&expected] { return ReadUnitText(kComboWindowTitle, kComboText) == expected; });
}

void RaiseClickedEvent(uint32_t unitId) {
  RaiseUnitEvent(klv::clicker::Unit::kMainWindow, unitId, klv::ButtonEvent::kClicked);
}

POINT ParkCursor() {
  POINT parked = {1010, 750};
  MoveCursor(parked.x, parked.y);
  return parked;
}

POINT CursorNow() {
  POINT point = {};
  GetCursorPos(&point);
  return point;
}

bool ShowsIdle() {
  return ReadUnit(kButtonStart, kDisabled) == 0 && ReadUnit(kButtonStop, kDisabled) == 1 &&
         klv::clicker::Globals().runnerThread == 0;
}

bool ShowsRunning() { return ReadUnit(kButtonStart, kDisabled) == 1 && ReadUnit(kButtonStop, kDisabled) == 0; }

RowCountReads::RowCountReads() {
  g_rowCountReads = 0;
  g_countingThread = GetCurrentThreadId();
  g_realSupport = &klv::clicker::Support();
  g_countingSupport = *g_realSupport;
  g_countingSupport.CallLibraryCommand = &CountingLibraryCommand;
  klv::clicker::SetSupport(&g_countingSupport);
}

RowCountReads::~RowCountReads() { klv::clicker::SetSupport(g_realSupport); }

long RowCountReads::count() const { return g_rowCountReads; }

}  // namespace klvtest
