// Another program for the pointing and hotkey tests, in one of two roles:
//   pointing_helper.exe <ready file> hold <modifiers> <virtual key>
//     registers that global hotkey on a hidden window of its own, as another
//     program holding the key would, and appends "hotkey <id>" to
//     "<ready file>.log" for every WM_HOTKEY it receives;
//   pointing_helper.exe <ready file> window <title> <left> <top> <width> <height>
//                       [<child left> <child top> <child width> <child height>]
//     shows a captioned top-level window there, optionally with a bordered
//     button child at that place of its client area.
// When ready, "<ready file>" gets one line:
//   "hwnd originX originY child childOriginX childOriginY registered"
// (client origins on the screen; registered is 1 when the hotkey was taken).
// WM_CLOSE ends the program.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kHeldHotkeyId = 0x2A;
std::string g_logPath;

void AppendLine(const std::string& path, const std::string& line) {
  if (FILE* log = std::fopen(path.c_str(), "ab")) {
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
  }
}

LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) AppendLine(g_logPath, "hotkey " + std::to_string(wParam));
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHelperWindow(const char* title, DWORD extendedStyle, DWORD style, const RECT& place) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = HelperProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "KlikvanePointingHelper";
  RegisterClassA(&windowClass);
  return CreateWindowExA(extendedStyle, windowClass.lpszClassName, title, style, place.left, place.top, place.right,
                         place.bottom, nullptr, nullptr, windowClass.hInstance, nullptr);
}

POINT ClientOrigin(HWND window) {
  POINT origin = {0, 0};
  if (window) ClientToScreen(window, &origin);
  return origin;
}

unsigned long Handle(HWND window) { return static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)); }

// Written under another name first, so that a reader never sees half a line.
void ReportReady(const std::string& path, HWND window, HWND child, bool registered) {
  POINT origin = ClientOrigin(window), childOrigin = ClientOrigin(child);
  char line[160];
  std::snprintf(line, sizeof line, "%lu %ld %ld %lu %ld %ld %d", Handle(window), origin.x, origin.y, Handle(child),
                childOrigin.x, childOrigin.y, registered ? 1 : 0);
  AppendLine(path + ".tmp", line);
  MoveFileA((path + ".tmp").c_str(), path.c_str());
}

int Argument(int argc, char** argv, int index) { return index < argc ? std::atoi(argv[index]) : 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string readyPath = argv[1];
  std::string role = argv[2];
  g_logPath = readyPath + ".log";
  HWND window = nullptr, child = nullptr;
  bool registered = false;
  if (role == "hold" && argc >= 5) {
    window = CreateHelperWindow("", 0, WS_OVERLAPPED, {0, 0, 100, 100});
    registered = RegisterHotKey(window, kHeldHotkeyId, std::strtoul(argv[3], nullptr, 0),
                                std::strtoul(argv[4], nullptr, 0)) != 0;
  } else if (role == "window" && argc >= 8) {
    RECT place = {Argument(argc, argv, 4), Argument(argc, argv, 5), Argument(argc, argv, 6), Argument(argc, argv, 7)};
    // A tool window: the system draws its caption itself even where no
    // window manager runs, so the caption is part of the window on screen.
    window = CreateHelperWindow(argv[3], WS_EX_TOOLWINDOW, WS_OVERLAPPEDWINDOW | WS_VISIBLE, place);
    if (argc >= 12) {
      child = CreateWindowExA(0, "BUTTON", "child", WS_CHILD | WS_VISIBLE | WS_BORDER, Argument(argc, argv, 8),
                              Argument(argc, argv, 9), Argument(argc, argv, 10), Argument(argc, argv, 11), window,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    UpdateWindow(window);
  } else {
    return 2;
  }
  if (!window) return 3;
  ReportReady(readyPath, window, child, registered);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
