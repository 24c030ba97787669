// A target window in its own process that records every mouse message it
// receives, for tests of click delivery.
//   recording_window.exe <log file> <title as hex bytes> [left top width height] [children] [hang]
//                        [awareness=<DPI awareness context>] [noactivate]
// Each message is appended to the log as "message wParam lParam" in hex, one
// line each, flushed at once, followed by how it came ("Q" taken from the
// queue, "S" sent or called while another message was handled, such as the
// context menu that the default handling of a right-button release sends)
// when it was handled (QueryPerformanceCounter, in microseconds) and its
// message time (GetMessageTime: when it was posted or the input happened);
// a child window's line ends with the child's name. When the window exists,
// "<log>.ready" gets "hwnd clientOriginX clientOriginY 0", then with
// "children" one line "name hwnd" per child of tests/support/target_children.h,
// which records its messages as the top-level window does. The parent's
// WM_COMMAND is recorded too, so a pressed push button shows.
// With "hang", the window is shown and painted, and then its thread stops
// taking messages for good: a program that no longer answers.
// With "awareness=", the thread takes that DPI awareness context (-1
// unaware, -2 system, -3 per monitor) before it makes its windows, so that
// places, sizes and the client origin it reports are in its own pixels;
// the program ends with code 4 when the system refuses it.
// Asked where the cursor is (kCursorQuestion of tests/support/recording_target.h),
// the target records the answer as its thread sees it.
// With "noactivate", a click does not activate the window (so a run of real
// clicks does not move the focus back and forth).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/system_text.h"
#include "tests/support/dpi_awareness.h"
#include "tests/support/recording_target.h"
#include "tests/support/target_children.h"

namespace {

FILE* g_log = nullptr;
// The message the loop is dispatching, and how deep the window procedure is.
const MSG* g_dispatching = nullptr;
int g_depth = 0;
LARGE_INTEGER g_frequency;

bool Recorded(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_CONTEXTMENU ||
         message == WM_MOUSEWHEEL || message == WM_COMMAND;
}

// Every recording child: its name and the procedure its class gave it.
struct ChildRecord {
  HWND window;
  const char* name;
  WNDPROC classProc;
};
ChildRecord g_children[sizeof klvtest::kTargetChildren / sizeof klvtest::kTargetChildren[0]];
size_t g_childCount = 0;

const ChildRecord* ChildOf(HWND window) {
  for (size_t i = 0; i < g_childCount; ++i) {
    if (g_children[i].window == window) return &g_children[i];
  }
  return nullptr;
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

void Record(UINT message, WPARAM wParam, LPARAM lParam, bool queued, const char* child) {
  unsigned long long time = Microseconds();
  std::fprintf(g_log, "%04X %08lX %08lX %c %llu %lu%s%s\n", message, static_cast<unsigned long>(wParam),
               static_cast<unsigned long>(lParam), queued ? 'Q' : 'S', time,
               static_cast<unsigned long>(GetMessageTime()), child ? " " : "", child ? child : "");
  std::fflush(g_log);
}

// The window of this target under the real cursor and the cursor's point
// in its client area, in this thread's pixels.
void AnswerCursorQuestion(HWND top, WPARAM serial) {
  POINT point = {0, 0};
  GetCursorPos(&point);
  HWND under = WindowFromPoint(point);
  ScreenToClient(under, &point);
  const ChildRecord* child = ChildOf(under);
  const char* name = child ? child->name : under == top ? nullptr : "elsewhere";
  Record(klvtest::kCursorQuestion, serial, MAKELPARAM(point.x, point.y), true, name);
}

bool g_activates = true;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEACTIVATE && !g_activates) return MA_NOACTIVATE;
  if (message == klvtest::kCursorQuestion) {
    AnswerCursorQuestion(window, wParam);
    return 0;
  }
  ++g_depth;
  if (Recorded(message)) Record(message, wParam, lParam, FromQueue(window, message, wParam, lParam), nullptr);
  if (message == WM_DESTROY) PostQuitMessage(0);
  LRESULT result = DefWindowProcW(window, message, wParam, lParam);
  --g_depth;
  return result;
}

// Records a child's messages, then lets its class handle them.
LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const ChildRecord* child = ChildOf(window);
  if (!child) return DefWindowProcA(window, message, wParam, lParam);
  ++g_depth;
  if (Recorded(message)) Record(message, wParam, lParam, FromQueue(window, message, wParam, lParam), child->name);
  LRESULT result = CallWindowProcA(child->classProc, window, message, wParam, lParam);
  --g_depth;
  return result;
}

HWND ChildNamed(HWND top, const char* name) {
  if (!name) return top;
  for (size_t i = 0; i < g_childCount; ++i) {
    if (std::string(g_children[i].name) == name) return g_children[i].window;
  }
  return top;
}

HMENU IdentifierOf(const char* name) {
  int id = std::string(name) == "button" ? klvtest::kTargetButtonId : 0;
  return reinterpret_cast<HMENU>(static_cast<uintptr_t>(id));
}

const char* RegisterWindowClass(const char* name, WNDPROC procedure, int colour) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(colour + 1));
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
  return name;
}

const wchar_t* RegisterWideWindowClass(const wchar_t* name, WNDPROC procedure, int colour) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(colour + 1));
  windowClass.lpszClassName = name;
  RegisterClassW(&windowClass);
  return name;
}

// The children of the layout, each recording, stacked in table order.
void CreateChildren(HWND top) {
  const char* ownClass = RegisterWindowClass("KlikvaneClickChild", DefWindowProcA, COLOR_BTNFACE);
  for (const klvtest::TargetChild& layout : klvtest::kTargetChildren) {
    const char* className = layout.className ? layout.className : ownClass;
    HMENU id = IdentifierOf(layout.name);
    HWND child = CreateWindowExA(layout.extendedStyle, className, layout.text, WS_CHILD | layout.style, layout.place.left,
                                 layout.place.top, layout.place.right, layout.place.bottom, ChildNamed(top, layout.parent), id,
                                 GetModuleHandleA(nullptr), nullptr);
    g_children[g_childCount] = {child, layout.name, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(child, GWLP_WNDPROC))};
    ++g_childCount;
    SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChildProc));
    SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
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
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
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
  bool children = false, hang = false;
  constexpr char kAwarenessOption[] = "awareness=";
  for (int i = 3; i < argc; ++i) {
    children = children || std::string(argv[i]) == "children";
    hang = hang || std::string(argv[i]) == "hang";
    if (std::strncmp(argv[i], kAwarenessOption, sizeof kAwarenessOption - 1) == 0) {
      const intptr_t context = std::atoi(argv[i] + sizeof kAwarenessOption - 1);
      if (!klvtest::SetThreadAwareness(reinterpret_cast<DPI_AWARENESS_CONTEXT>(context))) return 4;
    }
    g_activates = g_activates && std::string(argv[i]) != "noactivate";
  }

  const wchar_t* className = RegisterWideWindowClass(L"KlikvaneClickTarget", TargetProc, COLOR_WINDOW);
  // The title is GBK program text, shown as such on a system of any code
  // page: the window is a wide one.
  HWND window = CreateWindowExW(0, className, klv::ToSystemText(title).c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, left,
                                top, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (children) CreateChildren(window);
  UpdateWindow(window);
  if (hang) TakeWaitingMessages();
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  std::string readyPath = logPath + ".ready";
  if (FILE* ready = std::fopen((readyPath + ".tmp").c_str(), "wb")) {
    std::fprintf(ready, "%lu %ld %ld 0\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)), origin.x,
                 origin.y);
    for (size_t i = 0; i < g_childCount; ++i) {
      std::fprintf(ready, "%s %lu\n", g_children[i].name,
                   static_cast<unsigned long>(reinterpret_cast<uintptr_t>(g_children[i].window)));
    }
    std::fclose(ready);
    MoveFileA((readyPath + ".tmp").c_str(), readyPath.c_str());
  }
  if (hang) Sleep(INFINITE);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    g_dispatching = &message;
    DispatchMessageW(&message);
    g_dispatching = nullptr;
  }
  std::fclose(g_log);
  return 0;
}
