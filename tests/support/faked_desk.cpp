#include "tests/support/faked_desk.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <mutex>

#include "tests/support/bound_functions.h"

namespace klvtest {
namespace {

using GetCursorFunction = BOOL(WINAPI*)(POINT*);
using SetCursorFunction = BOOL(WINAPI*)(int, int);
using MouseEventFunction = void(WINAPI*)(DWORD, DWORD, DWORD, DWORD, ULONG_PTR);
using FindWindowFunction = HWND(WINAPI*)(LPCSTR, LPCSTR);
using WindowRectFunction = BOOL(WINAPI*)(HWND, RECT*);
using SendInputFunction = UINT(WINAPI*)(UINT, INPUT*, int);
using MetricsFunction = int(WINAPI*)(int);

void* g_realGetCursor = nullptr;
void* g_realSetCursor = nullptr;
void* g_realMouseEvent = nullptr;
void* g_realFindWindow = nullptr;
void* g_realWindowRect = nullptr;
void* g_realSendInput = nullptr;
void* g_realMetrics = nullptr;

// A handle no real window has, for the faked shell's desktop window.
const HWND kFakedDesktop = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFE0010));

std::atomic<bool> g_faking{false};
std::mutex g_lock;
RECT g_desktop = {};
POINT g_cursor = {};
std::vector<DeskCall> g_calls;
int g_batches = 0;

std::atomic<bool> g_watching{false};
std::vector<WatchedCall> g_watched;

unsigned long long Microseconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<unsigned long long>(now.QuadPart / frequency.QuadPart) * 1000000ull +
         static_cast<unsigned long long>(now.QuadPart % frequency.QuadPart) * 1000000ull /
             static_cast<unsigned long long>(frequency.QuadPart);
}

std::string PointText(LONG x, LONG y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

void Watched(const std::string& what) {
  if (!g_watching) return;
  const unsigned long long now = Microseconds();
  std::lock_guard<std::mutex> guard(g_lock);
  g_watched.push_back({now, what});
}

std::string InputText(const INPUT& input) {
  const MOUSEINPUT& mouse = input.mi;
  char flags[16];
  std::snprintf(flags, sizeof flags, "%lx", static_cast<unsigned long>(mouse.dwFlags));
  return "flags " + std::string(flags) + " at " + PointText(mouse.dx, mouse.dy);
}

BOOL WINAPI FakeGetCursor(POINT* point) {
  if (!g_faking) {
    const BOOL read = reinterpret_cast<GetCursorFunction>(g_realGetCursor)(point);
    Watched("GetCursorPos read " + PointText(point->x, point->y));
    return read;
  }
  std::lock_guard<std::mutex> guard(g_lock);
  *point = g_cursor;
  return TRUE;
}

BOOL WINAPI FakeSetCursor(int x, int y) {
  if (!g_faking) {
    Watched("SetCursorPos " + PointText(x, y));
    return reinterpret_cast<SetCursorFunction>(g_realSetCursor)(x, y);
  }
  std::lock_guard<std::mutex> guard(g_lock);
  g_cursor = {x, y};
  g_calls.push_back(CursorMoveTo(x, y));
  return TRUE;
}

void WINAPI FakeMouseEvent(DWORD flags, DWORD x, DWORD y, DWORD data, ULONG_PTR extra) {
  if (!g_faking) {
    Watched("mouse_event flags " + std::to_string(flags));
    return reinterpret_cast<MouseEventFunction>(g_realMouseEvent)(flags, x, y, data, extra);
  }
  std::lock_guard<std::mutex> guard(g_lock);
  g_calls.push_back(InputAt(g_cursor.x, g_cursor.y, flags));
}

// An absolute coordinate back in pixels, as the system maps it: the unit's
// share of the desk, truncated.
LONG FromDeskUnits(LONG units, LONG origin, LONG extent) {
  return origin + static_cast<LONG>((static_cast<int64_t>(units) * extent) >> 16);
}

void FollowInput(const MOUSEINPUT& mouse, int batch) {
  if (mouse.dwFlags & MOUSEEVENTF_MOVE) {
    if (mouse.dwFlags & MOUSEEVENTF_ABSOLUTE) {
      g_cursor = {FromDeskUnits(mouse.dx, g_desktop.left, g_desktop.right - g_desktop.left),
                  FromDeskUnits(mouse.dy, g_desktop.top, g_desktop.bottom - g_desktop.top)};
    } else {
      g_cursor = {g_cursor.x + mouse.dx, g_cursor.y + mouse.dy};
    }
  }
  const DWORD buttons = mouse.dwFlags & ~(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK);
  g_calls.push_back(buttons ? InputAt(g_cursor.x, g_cursor.y, buttons, batch) : CursorMoveTo(g_cursor.x, g_cursor.y, batch));
}

UINT WINAPI FakeSendInput(UINT count, INPUT* inputs, int size) {
  if (!g_faking) {
    std::string batch = "SendInput";
    for (UINT i = 0; i < count && size == static_cast<int>(sizeof(INPUT)); ++i) batch += "; " + InputText(inputs[i]);
    Watched(batch);
    return reinterpret_cast<SendInputFunction>(g_realSendInput)(count, inputs, size);
  }
  if (size != static_cast<int>(sizeof(INPUT))) return 0;
  std::lock_guard<std::mutex> guard(g_lock);
  const int batch = ++g_batches;
  for (UINT i = 0; i < count; ++i) {
    if (inputs[i].type == INPUT_MOUSE) FollowInput(inputs[i].mi, batch);
  }
  return count;
}

int WINAPI FakeMetrics(int index) {
  if (!g_faking) return reinterpret_cast<MetricsFunction>(g_realMetrics)(index);
  std::lock_guard<std::mutex> guard(g_lock);
  switch (index) {
    case SM_XVIRTUALSCREEN: return g_desktop.left;
    case SM_YVIRTUALSCREEN: return g_desktop.top;
    case SM_CXVIRTUALSCREEN: return g_desktop.right - g_desktop.left;
    case SM_CYVIRTUALSCREEN: return g_desktop.bottom - g_desktop.top;
    default: return reinterpret_cast<MetricsFunction>(g_realMetrics)(index);
  }
}

HWND WINAPI FakeFindWindow(LPCSTR className, LPCSTR title) {
  const bool shell = className && HIWORD(reinterpret_cast<uintptr_t>(className)) && std::strcmp(className, "Progman") == 0;
  if (g_faking && shell) return kFakedDesktop;
  return reinterpret_cast<FindWindowFunction>(g_realFindWindow)(className, title);
}

BOOL WINAPI FakeWindowRect(HWND window, RECT* rect) {
  if (!g_faking || window != kFakedDesktop) return reinterpret_cast<WindowRectFunction>(g_realWindowRect)(window, rect);
  std::lock_guard<std::mutex> guard(g_lock);
  *rect = g_desktop;
  return TRUE;
}

}  // namespace

void InterceptDeskCalls() {
  StandInFor("GetCursorPos", reinterpret_cast<void*>(&FakeGetCursor), &g_realGetCursor);
  StandInFor("SetCursorPos", reinterpret_cast<void*>(&FakeSetCursor), &g_realSetCursor);
  StandInFor("mouse_event", reinterpret_cast<void*>(&FakeMouseEvent), &g_realMouseEvent);
  StandInFor("SendInput", reinterpret_cast<void*>(&FakeSendInput), &g_realSendInput);
  StandInFor("GetSystemMetrics", reinterpret_cast<void*>(&FakeMetrics), &g_realMetrics);
  StandInFor("FindWindowA", reinterpret_cast<void*>(&FakeFindWindow), &g_realFindWindow);
  StandInFor("GetWindowRect", reinterpret_cast<void*>(&FakeWindowRect), &g_realWindowRect);
}

DeskCall CursorMoveTo(int x, int y, int batch) { return {false, {x, y}, 0, batch}; }
DeskCall InputAt(int x, int y, DWORD flags, int batch) { return {true, {x, y}, flags, batch}; }

void PrintTo(const DeskCall& call, std::ostream* out) {
  *out << (call.input ? "input" : "move") << " (" << call.at.x << "," << call.at.y << ")";
  if (call.input) *out << " flags " << std::hex << call.flags << std::dec;
  if (call.batch) *out << " in batch " << call.batch;
}

DeskWatch::DeskWatch() {
  std::lock_guard<std::mutex> guard(g_lock);
  g_watched.clear();
  g_watching = true;
}

DeskWatch::~DeskWatch() { g_watching = false; }

std::vector<WatchedCall> DeskWatch::calls() const {
  std::lock_guard<std::mutex> guard(g_lock);
  return g_watched;
}

FakedDesk::FakedDesk(RECT desktopWindow, POINT cursor) {
  std::lock_guard<std::mutex> guard(g_lock);
  g_desktop = desktopWindow;
  g_cursor = cursor;
  g_calls.clear();
  g_batches = 0;
  g_faking = true;
}

FakedDesk::~FakedDesk() { g_faking = false; }

std::vector<DeskCall> FakedDesk::calls() const {
  std::lock_guard<std::mutex> guard(g_lock);
  return g_calls;
}

std::vector<POINT> FakedDesk::inputPoints() const {
  std::vector<POINT> points;
  for (const DeskCall& call : calls()) {
    const DWORD presses = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_MIDDLEDOWN;
    if (call.input && (call.flags & presses)) points.push_back(call.at);
  }
  return points;
}

}  // namespace klvtest
