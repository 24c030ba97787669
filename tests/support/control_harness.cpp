#include "tests/support/control_harness.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "controls/commands/command_arguments.h"
#include "controls/skeleton/unit_lookup.h"
#include "runtime/app_runtime.h"
#include "runtime/heap.h"
#include "runtime/runtime_errors.h"
#include "runtime/window_manager.h"
#include "tests/support/test_window_class.h"
#include "tests/support/ui_driver.h"

namespace ctltest {
namespace {

// Logs the watched messages, and hands control notifications to the unit
// that owns the control, as the window type does.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& watched = TestParent::watchedMessages();
  if (std::find(watched.begin(), watched.end(), message) != watched.end()) {
    TestParent::receivedMessages().push_back(message);
  }
  LRESULT routed = 0;
  if (klv::RouteParentNotification(message, wParam, lParam, &routed)) return routed;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

TestParent::TestParent() {
  const char* windowClass = klvtest::RegisterTestWindowClass("KlikvaneControlTestForm", ParentProc, CS_DBLCLKS, COLOR_BTNFACE);
  hwnd_ = CreateWindowExA(0, windowClass, "controls", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 420, 340, nullptr,
                          nullptr, GetModuleHandleA(nullptr), nullptr);
}

TestParent& SharedParent() {
  static TestParent parent;
  BringToFront(parent.hwnd());
  return parent;
}

HWND Form() { return SharedParent().hwnd(); }

std::vector<UINT>& TestParent::watchedMessages() {
  static std::vector<UINT> messages;
  return messages;
}

std::vector<UINT>& TestParent::receivedMessages() {
  static std::vector<UINT> messages;
  return messages;
}

namespace {

klv::UnitObject* FindUnitMadeHere(uint32_t windowId, uint32_t unitId, bool) {
  klv::UnitObject* unit = klvtest::FindTestUnit(windowId, unitId);
  if (unit == nullptr) ADD_FAILURE() << "lookup of a unit the test did not make";
  return unit;
}

}  // namespace

namespace {
const char kSpyProperty[] = "KlikvaneTestSpy";
}

MessageSpy::MessageSpy(HWND window, std::vector<UINT> watched) : window_(window), watched_(std::move(watched)) {
  SetPropA(window, kSpyProperty, this);
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageSpy::Procedure)));
}

MessageSpy::~MessageSpy() {
  if (!IsWindow(window_)) return;
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  RemovePropA(window_, kSpyProperty);
}

std::vector<SeenMessage> MessageSpy::Take() { return std::exchange(seen_, {}); }

LRESULT CALLBACK MessageSpy::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* spy = static_cast<MessageSpy*>(GetPropA(hwnd, kSpyProperty));
  if (std::find(spy->watched_.begin(), spy->watched_.end(), message) != spy->watched_.end()) {
    spy->seen_.push_back({message, wParam, lParam});
    if (spy->probe_) spy->probe_(spy->seen_.back());
  }
  return CallWindowProcA(spy->previous_, hwnd, message, wParam, lParam);
}

namespace {
CreationSpy* g_creationSpy = nullptr;
}

CreationSpy::CreationSpy() {
  g_creationSpy = this;
  hook_ = SetWindowsHookExA(WH_CBT, &CreationSpy::Hook, nullptr, GetCurrentThreadId());
}

CreationSpy::~CreationSpy() {
  UnhookWindowsHookEx(hook_);
  g_creationSpy = nullptr;
}

std::vector<CreatedWindow> CreationSpy::OfClass(const std::string& className) const {
  std::vector<CreatedWindow> found;
  for (const CreatedWindow& window : created_) {
    if (lstrcmpiA(window.className.c_str(), className.c_str()) == 0) found.push_back(window);
  }
  return found;
}

LRESULT CALLBACK CreationSpy::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_creationSpy) {
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    char className[64] = "";
    GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    g_creationSpy->created_.push_back({className, static_cast<DWORD>(create->style), create->cx, create->cy});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

bool DropEvent(klv::EventNotice*) { return true; }

int PrintRuntimeError(int code, const char* message) {
  std::fprintf(stderr, "runtime error %d: %s\n", code, Escaped(message ? message : "").c_str());
  return 1;
}

}  // namespace

void InstallTestRuntimeHooks() {
  klv::SetUnitFinder(&FindUnitMadeHere);
  klv::SetEventObserver(&DropEvent);
  klv::SetErrorHook(&PrintRuntimeError);
}

void PumpUntilQuiet(DWORD quietMs) { klvtest::PumpUntilQuiet(quietMs, klvtest::DispatchWaitingThroughRuntime); }

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs) {
  return klvtest::PumpUntil(done, limitMs, klvtest::DispatchWaitingThroughRuntime);
}

POINT ScreenPoint(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  return point;
}

POINT CentreOnScreen(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ClientCentre(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  return POINT{rect.right / 2, rect.bottom / 2};
}

void BringToFront(HWND topLevel) {
  klvtest::BringForward(topLevel);
  PumpUntilQuiet(30);
}

void MoveCursorTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  PumpUntilQuiet(30);
}

void ClickHere() {
  klvtest::SendClick();
  PumpUntilQuiet();
}

void DoubleClickHere() {
  klvtest::SendDoubleClick();
  PumpUntilQuiet();
}

void Click(POINT at, bool right) {
  MoveCursorTo(at);
  klvtest::SendClick(right);
  PumpUntilQuiet();
}

void DoubleClick(POINT at) {
  MoveCursorTo(at);
  DoubleClickHere();
}

void PressKey(WORD virtualKey) {
  klvtest::SendKeyPress(virtualKey);
  PumpUntilQuiet();
}

COLORREF ClientPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

klv::CommandResult CallCore(klv::CommandFunction command, const std::vector<klv::CommandArgument>& arguments) {
  return klv::SupportTable().CallCoreCommand(command, static_cast<int>(arguments.size()), arguments.data());
}

klv::CommandResult CallList(klv::CommandFunction command, const std::vector<klv::CommandArgument>& arguments) {
  return klv::SupportTable().CallLibraryCommand(1, command, static_cast<int>(arguments.size()), arguments.data());
}

}  // namespace ctltest
