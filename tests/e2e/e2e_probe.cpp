// Looks at a running Klikvane from outside, as another program on the same
// desktop can, for the end-to-end driver (run_e2e.sh). It never clicks or
// types: the driver does that with real input. The only messages it posts
// are the foreign ones of "foreign". Output is "key=value" lines; texts are
// given as the hex of their GBK bytes, so the shell compares bytes.
//   e2e_probe.exe window              where the main window is and how it shows
//   e2e_probe.exe state               the main window's controls: plan rows, combo
//                                     texts and items, edit texts, enabled states
//   e2e_probe.exe tray                the taskbar's rectangle and its buttons
//   e2e_probe.exe menu                the open pop-up menu's rectangle, if any
//   e2e_probe.exe foreign             posts messages Klikvane never issued itself
//                                     to its windows (see PostToWindow)
//   e2e_probe.exe tree                every child window of the main window
// The main window is the top-level window with the program's caption; its
// controls are found by their units, as the shared driver finds them. Exit
// code 0 when the windows asked about were found, 1 when not, 2 on bad use.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "image/main_window_units.h"
#include "runtime/private_messages.h"
#include "tests/support/other_plan_list.h"
#include "tests/support/program_window.h"
#include "tests/support/remote_block.h"
#include "tests/support/ui_driver.h"

namespace {

namespace Unit = klv::MainWindowUnit;

constexpr DWORD kSendTimeoutMs = 5000;

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) {
    hex.push_back(digits[c >> 4]);
    hex.push_back(digits[c & 15]);
  }
  return hex;
}

unsigned long Handle(HWND window) { return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)); }

void Print(const char* key, const std::string& value) { std::printf("%s=%s\n", key, value.c_str()); }
void Print(const char* key, long value) { std::printf("%s=%ld\n", key, value); }
void PrintPoint(const char* key, POINT p) { std::printf("%s=%ld,%ld\n", key, p.x, p.y); }
void PrintRect(const char* key, RECT r) { std::printf("%s=%ld,%ld,%ld,%ld\n", key, r.left, r.top, r.right, r.bottom); }

// A message sent to another process's window, never waiting for ever on a
// window that hangs.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::string ClassOf(HWND window) {
  char name[128] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The main window by its title, with found=1 or found=0 printed first, as
// every answer about the window starts.
HWND FoundMainWindow() {
  HWND window = FindWindowA(nullptr, klvtest::kProgramWindowTitle);
  Print("found", window ? 1 : 0);
  return window;
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

// The first point (stepping from `from` by `step`) where the window's
// non-client hit test answers `wanted`, moved to the middle of that run.
bool FindHitArea(HWND window, POINT from, POINT step, int steps, LRESULT wanted, POINT* found) {
  int first = -1, last = -1;
  for (int i = 0; i < steps; ++i) {
    POINT p = {from.x + step.x * i, from.y + step.y * i};
    bool hit = Send(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)) == wanted;
    if (hit && first < 0) first = i;
    if (hit) last = i;
    if (!hit && first >= 0) break;
  }
  if (first < 0) return false;
  int middle = (first + last) / 2;
  *found = {from.x + step.x * middle, from.y + step.y * middle};
  return true;
}

// True when no visible window that is not always-on-top lies above it.
bool OnTopOfTheNormalWindows(HWND window) {
  for (HWND w = GetWindow(window, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (IsWindowVisible(w) && !(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST)) return false;
  }
  return true;
}

int DescribeWindow() {
  HWND window = FoundMainWindow();
  if (!window) return 1;
  DWORD processId = ProcessOf(window);
  Print("hwnd", static_cast<long>(Handle(window)));
  Print("pid", static_cast<long>(processId));
  Print("visible", IsWindowVisible(window) ? 1 : 0);
  Print("iconic", IsIconic(window) ? 1 : 0);
  Print("topmost", (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
  Print("ontop", OnTopOfTheNormalWindows(window) ? 1 : 0);
  Print("foreground", GetForegroundWindow() == window ? 1 : 0);
  RECT rect;
  GetWindowRect(window, &rect);
  PrintRect("rect", rect);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  PrintPoint("client", origin);
  // The caption: straight down from the top edge a third of the way across;
  // the minimise box: leftwards along the caption from the right edge.
  POINT caption;
  if (FindHitArea(window, {rect.left + (rect.right - rect.left) / 3, rect.top}, {0, 1}, 60, HTCAPTION, &caption)) {
    PrintPoint("caption", caption);
    POINT minimise;
    if (FindHitArea(window, {rect.right - 1, caption.y}, {-1, 0}, 120, HTMINBUTTON, &minimise)) {
      PrintPoint("minbox", minimise);
    }
  }
  return 0;
}

// The main window's controls the script reads, by their units.
enum class Shows { kText, kItems, kRows };

struct ControlUnit {
  const char* name;
  uint32_t unitId;
  Shows shows;
};

const ControlUnit kControls[] = {
    {"start", Unit::kButtonStart, Shows::kText},        {"stop", Unit::kButtonStop, Shows::kText},
    {"mode", Unit::kComboClickMode, Shows::kItems},     {"title", Unit::kComboWindowTitle, Shows::kItems},
    {"button", Unit::kComboMouseButton, Shows::kItems}, {"x", Unit::kEditX, Shows::kText},
    {"y", Unit::kEditY, Shows::kText},                  {"delay", Unit::kEditDelay, Shows::kText},
    {"plan", Unit::kPlanList, Shows::kRows},
};

POINT CornerInParent(HWND child, HWND parent) {
  RECT rect;
  GetWindowRect(child, &rect);
  POINT corner = {rect.left, rect.top};
  ScreenToClient(parent, &corner);
  return corner;
}

void DescribePlan(HWND list) {
  const klvtest::Plan plan = klvtest::RowsOf(list, ProcessOf(list));
  Print("rows", static_cast<long>(plan.size()));
  for (size_t row = 0; row < plan.size(); ++row) {
    const klvtest::PlanRow& cells = plan[row];
    Print(("row" + std::to_string(row)).c_str(),
          Hex(cells.x) + "|" + Hex(cells.y) + "|" + Hex(cells.delay) + "|" + Hex(cells.button));
  }
}

void DescribeCombo(const std::string& name, HWND combo) {
  Print(name.c_str(), Hex(klvtest::AskedText(combo)));
  Print((name + "_selected").c_str(), static_cast<long>(Send(combo, CB_GETCURSEL, 0, 0)));
  Print((name + "_dropped").c_str(), Send(combo, CB_GETDROPPEDSTATE, 0, 0) ? 1 : 0);
  Print((name + "_editable").c_str(), (GetWindowLongA(combo, GWL_STYLE) & 3) == CBS_DROPDOWN ? 1 : 0);
  int count = static_cast<int>(Send(combo, CB_GETCOUNT, 0, 0));
  Print((name + "_items").c_str(), count);
  for (int i = 0; i < count; ++i) {
    Print((name + "_item" + std::to_string(i)).c_str(), Hex(klvtest::ComboItemText(combo, i)));
  }
}

int DescribeState() {
  HWND main = FoundMainWindow();
  if (!main) return 1;
  for (const ControlUnit& unit : kControls) {
    HWND control = klvtest::ProgramUnit(main, unit.unitId);
    std::string name = unit.name;
    Print((name + "_found").c_str(), control ? 1 : 0);
    if (!control) continue;
    Print((name + "_enabled").c_str(), IsWindowEnabled(control) ? 1 : 0);
    if (unit.shows == Shows::kRows) {
      DescribePlan(control);
    } else if (unit.shows == Shows::kItems) {
      DescribeCombo(name, control);
    } else {
      Print(name.c_str(), Hex(klvtest::AskedText(control)));
    }
  }
  return 0;
}

int DescribeTray() {
  HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
  Print("found", tray ? 1 : 0);
  if (!tray) return 1;
  RECT rect;
  GetWindowRect(tray, &rect);
  PrintRect("tray", rect);
  // The taskbar's buttons, one per shown top-level window; Wine's taskbar
  // gives each the handle of its window as control identifier.
  for (HWND child = GetWindow(tray, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    GetWindowRect(child, &rect);
    PrintRect(("button_" + std::to_string(static_cast<unsigned long>(GetDlgCtrlID(child)))).c_str(), rect);
  }
  return 0;
}

int DescribeMenu() {
  HWND menu = FindWindowA("#32768", nullptr);
  bool shown = menu && IsWindowVisible(menu);
  Print("found", shown ? 1 : 0);
  if (!shown) return 1;
  RECT rect;
  GetWindowRect(menu, &rect);
  PrintRect("menu", rect);
  return 0;
}

void Post(const char* what, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  BOOL posted = PostMessageA(window, message, wParam, lParam);
  std::printf("posted=%s %04X %08lX %08lX %d\n", what, message, static_cast<unsigned long>(wParam),
              static_cast<unsigned long>(lParam), posted ? 1 : 0);
}

// The runtime's hidden message window of Klikvane's own process, looked for
// among the message-only windows first, then among the top-level ones.
HWND FindRuntimeWindow(DWORD processId) {
  for (HWND parent : {HWND_MESSAGE, HWND{nullptr}}) {
    for (HWND w = FindWindowExA(parent, nullptr, "KlikvaneRuntimeMessages", nullptr); w;
         w = FindWindowExA(parent, w, "KlikvaneRuntimeMessages", nullptr)) {
      if (ProcessOf(w) == processId) return w;
    }
  }
  return nullptr;
}

// Messages that no one but Klikvane itself should send it, with values it
// never issued: hotkeys by identifiers it did not register (below, at and
// above the range it uses, and numbers that look like addresses), the tray
// icon's callback with mouse messages other than the left button's release,
// and the runtime's private exit request without its secret. Klikvane
// should neither end nor do anything it does for the real thing.
void PostToWindow(const char* what, HWND window) {
  const WPARAM hotkeyIds[] = {0, 1, 0x2A, 0xFF, 0x104, 0x1FF, 0xBFFF, 0xC000, 0x00401000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
  for (WPARAM id : hotkeyIds) Post(what, window, WM_HOTKEY, id, MAKELPARAM(MOD_CONTROL, 0x31));
  const LPARAM trayEvents[] = {0, WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONUP, 0x12345, -1};
  for (LPARAM event : trayEvents) Post(what, window, klv::kTrayCallbackMessage, 0xFFFFFFFF, event);
  const WPARAM exitCodes[] = {0, 1, 0xFFFFFFFF};
  for (WPARAM code : exitCodes) {
    Post(what, window, klv::kExitRequestMessage, code, 0);
    Post(what, window, klv::kExitRequestMessage, code, static_cast<LPARAM>(klv::kExitRequestMessage));  // the number as its own secret
    Post(what, window, klv::kExitRequestMessage, code, -1);
  }
}

int PostForeignMessages() {
  HWND main = FoundMainWindow();
  if (!main) return 1;
  DWORD processId = ProcessOf(main);
  HWND runtime = FindRuntimeWindow(processId);
  Print("runtime_window", static_cast<long>(Handle(runtime)));
  HWND tray = klvtest::ProgramUnit(main, Unit::kTray);
  Print("tray_window", static_cast<long>(Handle(tray)));
  PostToWindow("main", main);
  if (runtime) PostToWindow("runtime", runtime);
  if (tray) PostToWindow("tray", tray);
  return runtime && tray ? 0 : 1;
}

void DumpChildren(HWND parent, int depth) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect;
    GetWindowRect(child, &rect);
    POINT corner = CornerInParent(child, parent);
    std::printf("%*s%s at %ld,%ld (screen %ld,%ld,%ld,%ld) visible=%d enabled=%d text=%s\n", depth * 2, "",
                ClassOf(child).c_str(), corner.x, corner.y, rect.left, rect.top, rect.right, rect.bottom,
                IsWindowVisible(child) ? 1 : 0, IsWindowEnabled(child) ? 1 : 0, Hex(klvtest::AskedText(child)).c_str());
    DumpChildren(child, depth + 1);
  }
}

int DumpTree() {
  HWND main = FoundMainWindow();
  if (!main) return 1;
  DumpChildren(main, 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  int status = 2;
  if (command == "window") status = DescribeWindow();
  if (command == "state") status = DescribeState();
  if (command == "tray") status = DescribeTray();
  if (command == "menu") status = DescribeMenu();
  if (command == "foreign") status = PostForeignMessages();
  if (command == "tree") status = DumpTree();
  std::fflush(stdout);
  return status;
}
