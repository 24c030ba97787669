#include "tests/controls_basic/basic_harness.h"

#include "tests/support/test_window_class.h"
#include "tests/support/ui_driver.h"

#include <algorithm>

namespace basictest {

namespace {

const char kParentClass[] = "KlvBasicTestParent";

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& watched = TestParent::watchedMessages();
  if (std::find(watched.begin(), watched.end(), message) != watched.end()) {
    TestParent::receivedMessages().push_back(message);
  }
  LRESULT routed = 0;  // control notifications go to their units, as the runtime's window does
  if (klv::RouteParentNotification(message, wParam, lParam, &routed)) return routed;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

TestParent::TestParent(int width, int height) {
  klvtest::RegisterTestWindowClass(kParentClass, ParentProc, 0, COLOR_BTNFACE);
  hwnd_ = CreateWindowExA(0, kParentClass, "controls", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                          nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  BringToFront(hwnd_);
  Pump();
}

TestParent::~TestParent() {
  DestroyWindow(hwnd_);
  Pump();
}

TestParent& SharedParent() {
  static TestParent parent(400, 300);
  BringToFront(parent.hwnd());
  return parent;
}

std::vector<UINT>& TestParent::watchedMessages() {
  static std::vector<UINT> messages;
  return messages;
}

std::vector<UINT>& TestParent::receivedMessages() {
  static std::vector<UINT> messages;
  return messages;
}

void Pump() {
  for (int round = 0; round < 5; ++round) {
    klvtest::DispatchWaiting();
    Sleep(5);
  }
}

void MoveCursorTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  Pump();
}

void ClickHere() {
  klvtest::SendClick();
  Pump();
}

void DoubleClickHere() {
  klvtest::SendDoubleClick();
  Pump();
}

void ClickAt(POINT screen) {
  MoveCursorTo(screen);
  ClickHere();
}

POINT CentreOnScreen(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void TypeKey(WORD virtualKey) {
  klvtest::SendKeyPress(virtualKey);
  Pump();
}

void BringToFront(HWND window) {
  klvtest::BringForward(window);
  Pump();
}

COLORREF ClientPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

}  // namespace basictest
