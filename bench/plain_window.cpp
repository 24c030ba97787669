// The baseline for the start-up benchmark: a plain Win32 program that
// creates a window with the same caption, size and controls as Klikvane's
// main window directly, without any runtime, template or handlers.
#include <windows.h>
#include <commctrl.h>

namespace {

struct Control {
  const char* className;
  const char* text;
  DWORD style;
  int x, y, w, h;
};

const Control kControls[] = {
    {"STATIC", "此软件为免费软件 禁止任何人出售", 0, 8, 328, 256, 32},
    {"EDIT", "", ES_MULTILINE | WS_BORDER, -10, 296, 276, 76},
    {"BUTTON", "记事本", BS_GROUPBOX, 8, 280, 268, 100},
    {"BUTTON", "添加", BS_PUSHBUTTON, 226, 66, 48, 24},
    {"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 167, 70, 48, 160},
    {"EDIT", "1000", ES_CENTER | WS_BORDER, 113, 70, 40, 20},
    {"EDIT", "", ES_CENTER | WS_BORDER, 61, 70, 40, 20},
    {"EDIT", "", ES_CENTER | WS_BORDER, 9, 70, 40, 20},
    {"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_DISABLED, 85, 42, 190, 160},
    {"STATIC", "", SS_CENTER, 244, 239, 24, 18},
    {"STATIC", "", SS_CENTER, 244, 256, 24, 18},
    {"STATIC", "", SS_CENTER, 244, 185, 24, 18},
    {"STATIC", "", SS_CENTER, 244, 202, 24, 18},
    {"STATIC", "X:", SS_CENTER, 222, 239, 24, 18},
    {"STATIC", "Y:", SS_CENTER, 222, 256, 24, 18},
    {"STATIC", "X:", SS_CENTER, 222, 185, 24, 18},
    {"STATIC", "Y:", SS_CENTER, 222, 202, 24, 18},
    {"BUTTON", "窗口", BS_GROUPBOX, 220, 227, 56, 52},
    {"BUTTON", "屏幕", BS_GROUPBOX, 220, 173, 56, 52},
    {"STATIC", "F1", 0, 260, 120, 16, 12},
    {"STATIC", "在你需要点击的地方按下  按键即可获取对应的坐标", 0, 224, 96, 48, 80},
    {WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER, 10, 99, 204, 180},
    {"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 9, 42, 72, 160},
    {"BUTTON", "保存", BS_PUSHBUTTON, 233, 8, 40, 24},
    {"BUTTON", "读取", BS_PUSHBUTTON, 185, 8, 40, 24},
    {"BUTTON", "单步调试", BS_PUSHBUTTON, 122, 8, 56, 24},
    {"BUTTON", "停止/F7", BS_PUSHBUTTON | WS_DISABLED, 65, 8, 50, 24},
    {"BUTTON", "开始/F6", BS_PUSHBUTTON, 8, 8, 50, 24},
};

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

void FillLists(HWND list, HWND modeCombo, HWND buttonCombo) {
  const char* captions[] = {"坐标X", "坐标Y", "延迟", "模式"};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 50;
    column.pszText = const_cast<char*>(captions[i]);
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  SendMessageA(modeCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("前台点击"));
  SendMessageA(modeCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("后台点击"));
  SendMessageA(modeCombo, CB_SETCURSEL, 0, 0);
  SendMessageA(buttonCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("左键"));
  SendMessageA(buttonCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("右键"));
  SendMessageA(buttonCombo, CB_SETCURSEL, 0, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX common = {sizeof common, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "PlainKlikvane";
  RegisterClassA(&windowClass);
  int x = (GetSystemMetrics(SM_CXSCREEN) - 290) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - 412) / 2;
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Klikvane",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, x, y, 290,
                                412, nullptr, nullptr, instance, nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HWND made[sizeof kControls / sizeof kControls[0]];
  int id = 100;
  for (size_t i = 0; i < sizeof kControls / sizeof kControls[0]; ++i) {
    const Control& c = kControls[i];
    made[i] = CreateWindowExA(0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.w, c.h, window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id += 10)), instance, nullptr);
    SendMessageA(made[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  }
  FillLists(made[21], made[22], made[4]);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
