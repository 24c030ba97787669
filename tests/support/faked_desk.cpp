#include "tests/support/faked_desk.h"

#include <atomic>
#include <cstring>
#include <mutex>

#include "tests/support/bound_functions.h"

namespace klvtest {
namespace {

using GetCursorFunction = BOOL(WINAPI*)(POINT*);
using SetCursorFunction = BOOL(WINAPI*)(int, int);
using MouseEventFunction = void(WINAPI*)(DWORD, DWORD, DWORD, DWORD, ULONG_PTR);
using FindWindowFunction = HWND(WINAPI*)(LPCSTR, LPCSTR);
using WindowRectFunction = BOOL(WINAPI*)(HWND, RECT*);

void* g_realGetCursor = nullptr;
void* g_realSetCursor = nullptr;
void* g_realMouseEvent = nullptr;
void* g_realFindWindow = nullptr;
void* g_realWindowRect = nullptr;

// A handle no real window has, for the faked shell's desktop window.
const HWND kFakedDesktop = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFE0010));

std::atomic<bool> g_faking{false};
std::mutex g_lock;
RECT g_desktop = {};
POINT g_cursor = {};
std::vector<DeskCall> g_calls;

BOOL WINAPI FakeGetCursor(POINT* point) {
  if (!g_faking) return reinterpret_cast<GetCursorFunction>(g_realGetCursor)(point);
  std::lock_guard<std::mutex> guard(g_lock);
  *point = g_cursor;
  return TRUE;
}

BOOL WINAPI FakeSetCursor(int x, int y) {
  if (!g_faking) return reinterpret_cast<SetCursorFunction>(g_realSetCursor)(x, y);
  std::lock_guard<std::mutex> guard(g_lock);
  g_cursor = {x, y};
  g_calls.push_back(CursorMoveTo(x, y));
  return TRUE;
}

void WINAPI FakeMouseEvent(DWORD flags, DWORD x, DWORD y, DWORD data, ULONG_PTR extra) {
  if (!g_faking) return reinterpret_cast<MouseEventFunction>(g_realMouseEvent)(flags, x, y, data, extra);
  std::lock_guard<std::mutex> guard(g_lock);
  g_calls.push_back(InputAt(g_cursor.x, g_cursor.y, flags));
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
  StandInFor("FindWindowA", reinterpret_cast<void*>(&FakeFindWindow), &g_realFindWindow);
  StandInFor("GetWindowRect", reinterpret_cast<void*>(&FakeWindowRect), &g_realWindowRect);
}

DeskCall CursorMoveTo(int x, int y) { return {false, {x, y}, 0}; }
DeskCall InputAt(int x, int y, DWORD flags) { return {true, {x, y}, flags}; }

void PrintTo(const DeskCall& call, std::ostream* out) {
  *out << (call.input ? "input" : "move") << " (" << call.at.x << "," << call.at.y << ")";
  if (call.input) *out << " flags " << std::hex << call.flags << std::dec;
}

FakedDesk::FakedDesk(RECT desktopWindow, POINT cursor) {
  std::lock_guard<std::mutex> guard(g_lock);
  g_desktop = desktopWindow;
  g_cursor = cursor;
  g_calls.clear();
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
    if (call.input) points.push_back(call.at);
  }
  return points;
}

}  // namespace klvtest
