#include "tests/support/klikvane_session.h"

#include <cstdio>
#include <thread>

#include "app/klikvane_image.h"
#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "runtime/app_runtime.h"
#include "runtime/heap.h"
#include "runtime/system_text.h"
#include "runtime/runtime_errors.h"
#include "runtime/window_registry.h"
#include "tests/support/real_input.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

constexpr uint32_t kMainWindow = 0x52010001;

int PrintRuntimeError(int code, const char* message) {
  std::fprintf(stderr, "runtime error %d: %s\n", code, message ? message : "");
  std::fflush(stderr);
  return 1;
}

// One turn of the session's pumps: the runtime's own pass over the waiting
// messages, which stops at a WM_QUIT and leaves it waiting.
bool ProcessWaiting() {
  MSG first;
  bool any = PeekMessageA(&first, nullptr, 0, 0, PM_NOREMOVE) && first.message != WM_QUIT;
  klv::ProcessPendingMessages();
  return any;
}

bool QuitTaken() {
  MSG quit;
  return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

}  // namespace

void StartKlikvaneInProcess() {
  static bool started = false;
  if (started) return;
  started = true;
  klv::SetErrorHook(PrintRuntimeError);
  klv::Runtime().image = &klv::kProgramImage;
  klv::InitRuntime();
  klv::clicker::SetSupport(&klv::SupportTable());
  klv::clicker::CreateGlobals();
  klv::LoadStartWindow(kMainWindow);
  Pump(200);
}

void Pump(DWORD milliseconds) { PumpUntil(QuitTaken, milliseconds, ProcessWaiting); }

bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  return PumpUntil(condition, milliseconds, ProcessWaiting);
}

bool PumpUntilTaken(HWND window, UINT message, DWORD milliseconds) {
  return PumpUntil(
      [window, message] {
        MSG waiting;
        return !PeekMessageA(&waiting, window, message, message, PM_NOREMOVE);
      },
      milliseconds);
}

HWND MainWindowHandle() { return UnitHandle(0x06010000); }

HWND UnitHandle(uint32_t unitId, uint32_t windowId) {
  klv::LiveWindow* window = klv::FindWindowDescription(windowId);
  klv::LiveUnit* unit = window ? klv::FindUnit(*window, unitId) : nullptr;
  return unit && unit->object ? unit->object->hwnd() : nullptr;
}

uint64_t ReadUnit(uint32_t unitId, int index, int element) {
  return klv::SupportTable().ReadProperty(kMainWindow, unitId, index, element);
}

void WriteUnit(uint32_t unitId, int index, uint64_t value, int element) {
  klv::SupportTable().WriteProperty(kMainWindow, unitId, index, element, value);
}

std::string ReadUnitText(uint32_t unitId, int index) {
  char* text = reinterpret_cast<char*>(static_cast<uintptr_t>(static_cast<uint32_t>(ReadUnit(unitId, index))));
  std::string copy = text ? text : "";
  klv::FreeMemory(text);
  return copy;
}

void WriteUnitText(uint32_t unitId, int index, const std::string& text) {
  WriteUnit(unitId, index, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(text.c_str())));
}

void MoveCursor(int x, int y) {
  SetCursorPos(x, y);
  Pump(30);
}

void ClickAt(int x, int y, bool right) {
  MoveCursor(x, y);
  SendClick(right);
  Pump(90);
}

void DoubleClickAt(int x, int y) {
  MoveCursor(x, y);
  SendDoubleClick();
  Pump(100);
}

void PressKey(WORD key, bool control) {
  SendKeyPress(key, control ? VK_CONTROL : 0);
  Pump(60);
}

POINT ScreenPointOf(uint32_t unitId, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(unitId == 0x06010000 ? MainWindowHandle() : UnitHandle(unitId), &point);
  return point;
}

void BringMainWindowToFront() {
  HWND window = MainWindowHandle();
  ShowWindow(window, SW_SHOWNORMAL);
  BringForward(window);
  Pump(100);
}


}  // namespace klvtest

namespace klvtest {
namespace {

BOOL CALLBACK FindVisibleMenu(HWND window, LPARAM context) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32768" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(context) = window;
    return FALSE;
  }
  return TRUE;
}

void TapKey(WORD key) {
  SendKeyPress(key);
  Sleep(40);
}

}  // namespace

HWND VisiblePopupMenu() {
  HWND found = nullptr;
  EnumWindows(FindVisibleMenu, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<std::string> MenuEntryTexts(HMENU menu) {
  std::vector<std::string> texts;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = L"";
    MENUITEMINFOW item = {sizeof item, MIIM_FTYPE | MIIM_STRING};
    item.dwTypeData = text;
    item.cch = ARRAYSIZE(text);
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
    texts.push_back((item.fType & MFT_SEPARATOR) ? "-" : klv::ToProgramText(text));
  }
  return texts;
}

std::thread ReadAndChoosePopupEntryLater(int entry, std::vector<std::string>* entries) {
  return std::thread([entry, entries] {
    HWND menu = nullptr;
    for (int i = 0; i < 500 && !(menu = VisiblePopupMenu()); ++i) Sleep(10);
    if (menu == nullptr) return;
    Sleep(150);
    *entries = MenuEntryTexts(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
    if (entry == 0) {
      TapKey(VK_ESCAPE);
      return;
    }
    for (int i = 0; i < entry; ++i) TapKey(VK_DOWN);
    TapKey(VK_RETURN);
  });
}

void ChoosePopupEntryLater(int entry) {
  std::thread([entry] {
    for (int i = 0; i < 500 && !VisiblePopupMenu(); ++i) Sleep(10);
    Sleep(150);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    Sleep(100);
    for (int i = 0; i < entry; ++i) TapKey(VK_DOWN);
    TapKey(VK_RETURN);
    // The control under the press may itself wait for the release once the
    // menu is gone; the pressing thread is inside that wait, so release here.
    Sleep(150);
    SendMouse(MOUSEEVENTF_RIGHTUP);
  }).detach();
}

}  // namespace klvtest
