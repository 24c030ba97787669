#include "tests/support/klikvane_window.h"

#include <commctrl.h>

#include "runtime/private_messages.h"
#include "runtime/system_text.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/other_plan_list.h"
#include "tests/support/remote_block.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

constexpr DWORD kAnswerTime = 5000;
// Where a click on a row lands, from the row's left edge: two places taken
// in turn (the four columns span 200 pixels).
constexpr int kRowClickOffsets[2] = {30, 120};
// Below the targets and left of Klikvane: the bare desktop.
constexpr POINT kParkingPlace = {500, 740};
constexpr DWORD kStillFor = 500;

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kAnswerTime, &answer);
  return static_cast<LRESULT>(answer);
}

bool Dropped(HWND box) { return Ask(box, CB_GETDROPPEDSTATE, 0, 0) != 0; }

POINT Middle(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

// The shown list of a dropped box belongs to the box's process.
HWND DroppedList(DWORD processId) {
  return FindTopLevelWindow(processId, [](HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "ComboLBox" && IsWindowVisible(window);
  });
}

// A click straight onto the item: the cursor jumps there, so no item on the
// way is ever hot and chosen by the run for a moment.
bool ClickItem(HWND box, DWORD processId, int index) {
  HWND list = DroppedList(processId);
  if (!list) return false;
  RECT client;
  GetClientRect(list, &client);
  int height = static_cast<int>(Ask(list, LB_GETITEMHEIGHT, 0, 0));
  int top = static_cast<int>(Ask(list, LB_GETTOPINDEX, 0, 0));
  if (height <= 0) return false;
  if (index < top || (index - top + 1) * height > client.bottom) {
    Ask(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    top = static_cast<int>(Ask(list, LB_GETTOPINDEX, 0, 0));
  }
  POINT at = {client.right / 2, (index - top) * height + height / 2};
  ClientToScreen(list, &at);
  ClickAt(at.x, at.y);
  return PumpUntil([box, index] { return !Dropped(box) && Ask(box, CB_GETCURSEL, 0, 0) == index; }, 3000);
}

int ItemCarrying(HWND box, HWND window) {
  int count = static_cast<int>(Ask(box, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (Ask(box, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == reinterpret_cast<LRESULT>(window)) return i;
  }
  return -1;
}

// The list is filled by the handler of its opening, which may still be at
// work when it shows: the item carrying the window, once the count of
// items has stopped changing.
int ItemOf(HWND box, HWND window) {
  int item = -1;
  LRESULT count = -1;
  PumpUntil(
      [&] {
        LRESULT before = count;
        count = Ask(box, CB_GETCOUNT, 0, 0);
        item = ItemCarrying(box, window);
        Pump(50);
        return count == before && item >= 0;
      },
      3000);
  return item;
}

void TypeCharacter(char c) {
  SHORT scan = VkKeyScanA(c);
  WORD key = LOBYTE(scan);
  bool shift = (HIBYTE(scan) & 1) != 0;
  SendKeyPress(key, shift ? VK_SHIFT : 0);
  Pump(15);
}

}  // namespace

void KlikvaneWindow::Press(HWND button) const { SendMessageA(button, BM_CLICK, 0, 0); }

void KlikvaneWindow::PostPress(HWND button) const { PostMessageA(button, BM_CLICK, 0, 0); }

void KlikvaneWindow::ClickOn(HWND unit) const {
  RECT rect;
  GetWindowRect(unit, &rect);
  POINT middle = Middle(rect);
  ClickAt(middle.x, middle.y);
}

void KlikvaneWindow::ClickInto() const {
  RECT rect;
  GetWindowRect(PlanList(), &rect);
  ClickAt(Middle(rect).x, rect.bottom - 20);
}

bool KlikvaneWindow::SelectTitleOf(HWND window) const {
  HWND box = TitleBox();
  if (!box) return false;
  SendMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
  int item = ItemCarrying(box, window);
  if (item >= 0) SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);
  return item >= 0;
}

// A drop-down list opens with a click on its arrow, at the box's right end.
bool KlikvaneWindow::OpenList(HWND box) const {
  RECT rect;
  GetWindowRect(box, &rect);
  ClickAt(rect.right - 8, Middle(rect).y);
  return PumpUntil([box] { return Dropped(box); }, 3000);
}

void KlikvaneWindow::Activate() const {
  SetForegroundWindow(main_);
  PumpUntil([this] { return GetForegroundWindow() == main_; }, 5000);
}

void KlikvaneWindow::PressHotkey(WORD key, bool control) const {
  Activate();
  PressKey(key, control);
}

bool KlikvaneWindow::PickItem(HWND box, int index) const {
  bool picked = OpenList(box) && ClickItem(box, processId_, index);
  StepAside();
  return picked;
}

bool KlikvaneWindow::PickTitleOf(HWND window) const {
  HWND box = TitleBox();
  int item = -1;
  bool picked = OpenList(box) && (item = ItemOf(box, window)) >= 0 && ClickItem(box, processId_, item);
  if (item < 0) PressKey(VK_ESCAPE);
  StepAside();
  return picked;
}

bool KlikvaneWindow::TypeTitle(const std::string& text) const {
  HWND box = TitleBox();
  RECT rect;
  GetWindowRect(box, &rect);
  ClickAt(rect.left + 20, Middle(rect).y);  // into its text field
  Ask(box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  PressKey(VK_DELETE);
  for (char c : text) TypeCharacter(c);
  StepAside();
  return PumpUntil([this, &text] { return AskedText(TitleBox()) == text; }, 3000);
}

bool KlikvaneWindow::RowPoint(int row, POINT* screen) {
  HWND list = PlanList();
  Ask(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  RemoteBlock block(processId_, sizeof(RECT));
  RECT rect = {LVIR_BOUNDS, 0, 0, 0};
  if (!block.ok() || !block.Write(0, &rect, sizeof rect)) return false;
  if (!Ask(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.address()))) return false;
  if (!block.Read(0, &rect, sizeof rect)) return false;
  *screen = {rect.left + kRowClickOffsets[rowClicks_++ % 2], Middle(rect).y};
  ClientToScreen(list, screen);
  return true;
}

bool KlikvaneWindow::SelectRow(int row) {
  POINT at;
  if (!RowPoint(row, &at)) return false;
  ClickAt(at.x, at.y);
  StepAside();
  HWND list = PlanList();
  return PumpUntil([list, row] { return Ask(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == row; },
                   3000);
}

bool KlikvaneWindow::DoubleClickRow(int row) {
  POINT at;
  if (!RowPoint(row, &at)) return false;
  DoubleClickAt(at.x, at.y);
  StepAside();
  return true;
}

bool KlikvaneWindow::ChooseFromRowMenu(int row, int entry) {
  POINT at;
  if (!SelectRow(row) || !RowPoint(row, &at)) return false;
  ChoosePopupEntryLater(entry);
  ClickAt(at.x, at.y, true);
  bool shown = PumpUntil([] { return VisiblePopupMenu() != nullptr; }, 5000);
  bool closed = PumpUntil([] { return VisiblePopupMenu() == nullptr; }, 5000);
  Pump(300);  // the chooser's last button release
  StepAside();
  return shown && closed;
}

void KlikvaneWindow::CaptureAt(POINT screen, const std::string& x, const std::string& y) const {
  Activate();
  MoveCursor(screen.x, screen.y);
  PressKey('1', true);
  PumpUntil([&] { return AskedText(FieldX()) == x && AskedText(FieldY()) == y; }, 5000);
  StepAside();
}

void KlikvaneWindow::SetField(HWND field, const std::string& text) const {
  const std::wstring shown = klv::ToSystemText(text);
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()), SMTO_NORMAL, kAnswerTime, &answer);
}

bool KlikvaneWindow::MinimiseToTray() const {
  PostMessageA(main_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  return PumpUntil([this] { return !IsWindowVisible(main_); });
}

bool KlikvaneWindow::RestoreFromTray() const {
  HWND tray = Unit(klv::MainWindowUnit::kTray);
  PostMessageA(tray, klv::kTrayCallbackMessage, 0, WM_LBUTTONUP);
  return PumpUntil([this] { return IsWindowVisible(main_) && !IsIconic(main_); });
}

bool KlikvaneWindow::ChooseFromTrayMenu(int entry) const {
  ChoosePopupEntryLater(entry);
  PostMessageA(Unit(klv::MainWindowUnit::kTray), klv::kTrayCallbackMessage, 0, WM_RBUTTONUP);
  bool shown = PumpUntil([] { return VisiblePopupMenu() != nullptr; }, 5000);
  bool closed = PumpUntil([] { return VisiblePopupMenu() == nullptr; }, 5000);
  Pump(300);  // the chooser's last button release
  return shown && closed;
}

HWND KlikvaneWindow::OpenOptions() const {
  constexpr int kOptionsEntry = 2;
  if (!ChooseFromTrayMenu(kOptionsEntry)) return nullptr;
  PumpUntil([this] { return ShownOptionsWindow(main_) != nullptr; }, 5000);
  return ShownOptionsWindow(main_);
}

HWND KlikvaneWindow::OptionsUnit(uint32_t unitId) const {
  return ProgramUnit(ShownOptionsWindow(main_), unitId, klv::OptionsWindowUnit::kOptionsWindow);
}

void KlikvaneWindow::StepAside() const { MoveCursor(kParkingPlace.x, kParkingPlace.y); }

bool KlikvaneWindow::ParkCursor() const {
  DWORD stillSince = GetTickCount();
  return PumpUntil(
      [&stillSince] {
        POINT now;
        GetCursorPos(&now);
        if (now.x == kParkingPlace.x && now.y == kParkingPlace.y) return GetTickCount() - stillSince >= kStillFor;
        SetCursorPos(kParkingPlace.x, kParkingPlace.y);
        stillSince = GetTickCount();
        return false;
      },
      10000);
}

int KlikvaneWindow::RowCount() const { return RowCountOf(PlanList()); }

Plan KlikvaneWindow::Rows() const { return RowsOf(PlanList(), processId_); }

ShownState KlikvaneWindow::Shown() const {
  ShownState shown;
  shown.modeItem = static_cast<int>(Ask(ModeBox(), CB_GETCURSEL, 0, 0));
  shown.buttonItem = static_cast<int>(Ask(ButtonBox(), CB_GETCURSEL, 0, 0));
  HWND title = TitleBox();
  shown.titleEditable = (GetWindowLongA(title, GWL_STYLE) & 3) == CBS_DROPDOWN;
  shown.titleEnabled = IsWindowEnabled(title) != FALSE;
  shown.title = AskedText(title);
  LRESULT item = Ask(title, CB_GETCURSEL, 0, 0);
  if (item >= 0) shown.titleItemWindow = reinterpret_cast<HWND>(Ask(title, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
  shown.x = AskedText(FieldX());
  shown.y = AskedText(FieldY());
  shown.delay = AskedText(FieldDelay());
  shown.plan = Rows();
  shown.running = !IsWindowEnabled(StartButton());
  return shown;
}

}  // namespace klvtest
