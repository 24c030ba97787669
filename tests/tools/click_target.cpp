// A target window in its own process that records every mouse message it
// receives, for tests of click delivery.
//   click_target.exe <log file> <title as hex bytes> [left top width height] [child] [hang]
// Each message is appended to the log as "message wParam lParam" in hex, one
// line each, flushed at once, followed by how it came ("Q" taken from the
// queue, "S" sent or called while another message was handled, such as the
// context menu that the default handling of a right-button release sends)
// and when it was handled (QueryPerformanceCounter, in microseconds). When the window exists, "<log>.ready" gets
// "hwnd clientOriginX clientOriginY childHwnd". With "child", a button child
// control covers the client area's top-left 100x50 pixels. With "hang", the
// window is shown and painted, and then its thread stops taking messages for
// good: a program that no longer answers.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

FILE* g_log = nullptr;
// The message the loop is dispatching, and how deep the window procedure is.
const MSG* g_dispatching = nullptr;
int g_depth = 0;
LARGE_INTEGER g_frequency;

bool Recorded(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_CONTEXTMENU ||
         message == WM_MOUSEWHEEL;
}

unsigned long long Microseconds() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<unsigned long long>(now.QuadPart / g_frequency.QuadPart) * 1000000ull +
         static_cast<unsigned long long>(now.QuadPart % g_frequency.QuadPart) * 1000000ull /
             static_cast<unsigned long long>(g_frequency.QuadPart);
}

bool FromQueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const MSG* m = g_dispatching;
  return g_depth == 1 && m && m->hwnd == window && m->message == message && m->wParam == wParam && m->lParam == lParam;
}

void Record(UINT message, WPARAM wParam, LPARAM lParam, bool queued) {
  unsigned long long time = Microseconds();
  std::fprintf(g_log, "%04X %08lX %08lX %c %llu\n", message, static_cast<unsigned long>(wParam),
               static_cast<unsigned long>(lParam), queued ? 'Q' : 'S', time);
  std::fflush(g_log);
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++g_depth;
  if (Recorded(message)) Record(message, wParam, lParam, FromQueue(window, message, wParam, lParam));
  if (message == WM_DESTROY) PostQuitMessage(0);
  LRESULT result = DefWindowProcA(window, message, wParam, lParam);
  --g_depth;
  return result;
}

std::string FromHex(const char* hex) {
  std::string bytes;
  for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
    char pair[3] = {hex[i], hex[i + 1], 0};
    bytes.push_back(static_cast<char>(std::strtoul(pair, nullptr, 16)));
  }
  return bytes;
}

// Handles what showing the window queued (painting, activation), so that it
// stands on the screen as a window that worked until now.
void TakeWaitingMessages() {
  MSG message;
  for (int round = 0; round < 20; ++round) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  std::string logPath = argv[1];
  g_log = std::fopen(logPath.c_str(), "wb");
  if (!g_log) return 3;
  QueryPerformanceFrequency(&g_frequency);
  std::string title = FromHex(argv[2]);
  int left = argc > 6 ? std::atoi(argv[3]) : 200, top = argc > 6 ? std::atoi(argv[4]) : 150;
  int width = argc > 6 ? std::atoi(argv[5]) : 320, height = argc > 6 ? std::atoi(argv[6]) : 240;
  bool child = false, hang = false;
  for (int i = 3; i < argc; ++i) {
    child = child || std::string(argv[i]) == "child";
    hang = hang || std::string(argv[i]) == "hang";
  }

  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = TargetProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "KlikvaneClickTarget";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, left,
                                top, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
  HWND button = child ? CreateWindowExA(0, "BUTTON", "child", WS_CHILD | WS_VISIBLE, 0, 0, 100, 50, window, nullptr,
                                        windowClass.hInstance, nullptr)
                      : nullptr;
  UpdateWindow(window);
  if (hang) TakeWaitingMessages();
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  std::string readyPath = logPath + ".ready";
  if (FILE* ready = std::fopen((readyPath + ".tmp").c_str(), "wb")) {
    std::fprintf(ready, "%lu %ld %ld %lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)),
                 origin.x, origin.y, static_cast<unsigned long>(reinterpret_cast<uintptr_t>(button)));
    std::fclose(ready);
    MoveFileA((readyPath + ".tmp").c_str(), readyPath.c_str());
  }
  if (hang) Sleep(INFINITE);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    g_dispatching = &message;
    DispatchMessageA(&message);
    g_dispatching = nullptr;
  }
  std::fclose(g_log);
  return 0;
}
