#include "tests/controls_lists/lists_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "controls/command_arguments.h"
#include "runtime/app_runtime.h"
#include "runtime/events.h"
#include "runtime/heap.h"
#include "runtime/runtime_errors.h"
#include "runtime/window_manager.h"
#include "tests/support/real_input.h"
#include "tests/support/test_window_class.h"

namespace listtest {
using klvtest::SendKey;
using klvtest::SendMouse;

namespace {

std::map<std::pair<uint32_t, uint32_t>, klv::UnitObject*>& LiveUnits() {
  static std::map<std::pair<uint32_t, uint32_t>, klv::UnitObject*> units;
  return units;
}

// Hands control notifications to the unit that owns the control, as the
// window type does.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX: {
      LRESULT routed = 0;
      if (klv::RouteParentNotification(message, wParam, lParam, &routed)) return routed;
      break;
    }
    default: break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char* ParentClass() {
  return klvtest::RegisterTestWindowClass("KlikvaneListsTestForm", ParentProc, CS_DBLCLKS, COLOR_BTNFACE);
}

}  // namespace

uint32_t TestHost(int code, uint32_t first, uint32_t second) {
  if (code == klv::HostNotifyCode::kFindUnitObject || code == klv::HostNotifyCode::kRequireUnitObject) {
    auto found = LiveUnits().find({first, second});
    if (found == LiveUnits().end()) {
      ADD_FAILURE() << "lookup of a unit the test did not make";
      return 0;
    }
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(found->second));
  }
  return klv::HostNotify(code, first, second);
}

HWND Form() {
  static HWND form = nullptr;
  if (form == nullptr) {
    form = CreateWindowExA(0, ParentClass(), "lists", WS_POPUP | WS_CLIPCHILDREN, 40, 40, 420, 340, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    ShowWindow(form, SW_SHOW);
  }
  BringToFront(form);
  return form;
}

TestUnit::TestUnit(const klv::DataTypeRecord& type, uint32_t typeCode, uint32_t unitId, std::vector<uint8_t> settings,
                   HWND parent, RECT rect, int childId)
    : type_(type), typeCode_(typeCode), unitId_(unitId) {
  record_.left = rect.left;
  record_.top = rect.top;
  record_.width = rect.right - rect.left;
  record_.height = rect.bottom - rect.top;
  record_.flags = klv::UnitFlag::kVisible | klv::UnitFlag::kTabStop;
  record_.settings = std::move(settings);
  klv::CreateRequest request = {};
  request.parent = parent;
  request.windowId = kWindowId;
  request.unitId = unitId;
  request.typeCode = typeCode;
  request.record = &record_;
  request.left = record_.left;
  request.top = record_.top;
  request.width = record_.width;
  request.height = record_.height;
  request.tabStop = true;
  request.childId = childId;
  auto create = reinterpret_cast<klv::CreateOperation>(type.interfaceFunction(klv::TypeOperation::kCreate));
  object_ = create ? create(request) : nullptr;
  if (object_) LiveUnits()[{kWindowId, unitId}] = object_;
}

TestUnit::~TestUnit() {
  LiveUnits().erase({kWindowId, unitId_});
  auto destroy = reinterpret_cast<klv::SharedOperation>(type_.interfaceFunction(klv::TypeOperation::kShared));
  if (object_ && destroy) destroy(object_);
  PumpUntilQuiet(30);
}

klv::PropertyValue TestUnit::Read(int index) const {
  auto read = reinterpret_cast<klv::ReadPropertyOperation>(type_.interfaceFunction(klv::TypeOperation::kReadProperty));
  klv::PropertyValue value;
  EXPECT_TRUE(read(object_, index - 8, -1, &value)) << "property " << index;
  return value;
}

int TestUnit::Write(int index, const klv::PropertyValue& value) {
  auto write = reinterpret_cast<klv::WritePropertyOperation>(type_.interfaceFunction(klv::TypeOperation::kWriteProperty));
  int answer = write(object_, index - 8, -1, value);
  if (answer == 1) {
    klv::RaiseEventSuppression();
    object_->Rebuild();
    klv::LowerEventSuppression();
  }
  return answer;
}

int TestUnit::WriteNumber(int index, int32_t number) {
  klv::PropertyValue value;
  value.low = static_cast<uint32_t>(number);
  return Write(index, value);
}

int TestUnit::WriteText(int index, const std::string& text) {
  klv::PropertyValue value;
  value.text = text;
  return Write(index, value);
}

klv::CommandArgument TestUnit::Argument() const {
  return klv::CommandArgument{kWindowId, unitId_, typeCode_};
}

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

std::string Describe(const std::vector<Event>& events, uint32_t unit) {
  std::string text;
  for (const Event& event : events) {
    if ((unit != 0 && event.unitId != unit) || event.event == klv::CommonEvent::kMouseMove) continue;
    text += std::to_string(event.event);
    if (!event.arguments.empty()) {
      text += "(";
      for (size_t i = 0; i < event.arguments.size(); ++i) {
        text += (i ? "," : "") + std::to_string(static_cast<int32_t>(event.arguments[i]));
      }
      text += ")";
    }
    text += " ";
  }
  return text;
}

namespace {

bool DropEvent(klv::EventNotice*) { return true; }

int PrintRuntimeError(int code, const char* message) {
  std::fprintf(stderr, "runtime error %d: %s\n", code, Escaped(message ? message : "").c_str());
  return 1;
}

}  // namespace

void InstallTestRuntimeHooks() {
  klv::SetEventObserver(&DropEvent);
  klv::SetErrorHook(&PrintRuntimeError);
}

namespace {

bool DispatchOne() {
  MSG message;
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (!klv::PreTranslateWindowMessage(&message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

}  // namespace

void PumpUntilQuiet(DWORD quietMs) {
  DWORD quietSince = GetTickCount();
  for (;;) {
    if (DispatchOne()) {
      quietSince = GetTickCount();
      continue;
    }
    if (GetTickCount() - quietSince >= quietMs) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= limitMs) return done();
    if (!DispatchOne()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

POINT ScreenPoint(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  return point;
}

void BringToFront(HWND topLevel) {
  SetForegroundWindow(topLevel);
  SetActiveWindow(topLevel);
  PumpUntilQuiet(30);
}

void Click(POINT at, bool right) {
  SetCursorPos(at.x, at.y);
  PumpUntilQuiet(30);
  // Both halves are queued at once: a control may wait for the release in a
  // loop of its own while it handles the press.
  SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
  PumpUntilQuiet();
}

void DoubleClick(POINT at) {
  SetCursorPos(at.x, at.y);
  PumpUntilQuiet(30);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpUntilQuiet();
}

void PressKey(WORD virtualKey) {
  SendKey(virtualKey, 0);
  SendKey(virtualKey, KEYEVENTF_KEYUP);
  PumpUntilQuiet();
}

klv::CommandResult CallCore(klv::CommandFunction command, const std::vector<klv::CommandArgument>& arguments) {
  return klv::SupportTable().CallCoreCommand(command, static_cast<int>(arguments.size()), arguments.data());
}

klv::CommandResult CallList(klv::CommandFunction command, const std::vector<klv::CommandArgument>& arguments) {
  return klv::SupportTable().CallLibraryCommand(1, command, static_cast<int>(arguments.size()), arguments.data());
}

}  // namespace listtest
