#include "tests/support/ui_driver.h"

#include "runtime/system_text.h"

#include <commctrl.h>

#include <memory>

#include "runtime/events.h"
#include "runtime/window_manager.h"
#include "tests/support/real_input.h"

namespace klvtest {
namespace {

// Room for a cell's text: the longest a plan's cell or a settings text holds.
constexpr int kCellRoom = 65536;
// How long a pump sleeps between turns when nothing is waiting.
constexpr DWORD kIdleWait = 10;

void WaitForMessage() { MsgWaitForMultipleObjects(0, nullptr, FALSE, kIdleWait, QS_ALLINPUT); }

}  // namespace

bool DispatchWaiting() {
  bool any = false;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    any = true;
  }
  return any;
}

bool DispatchWaitingThroughRuntime() {
  bool any = false;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    any = true;
    if (klv::PreTranslateWindowMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return any;
}

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs, MessageHandler handle) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= limitMs) return done();
    if (!handle()) WaitForMessage();
  }
  return true;
}

void PumpUntilQuiet(DWORD quietMs, MessageHandler handle) {
  DWORD quietSince = GetTickCount();
  for (;;) {
    if (handle()) {
      quietSince = GetTickCount();
      continue;
    }
    if (GetTickCount() - quietSince >= quietMs) return;
    WaitForMessage();
  }
}

void SendClick(bool right) {
  SendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  SendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void SendDoubleClick() {
  SendClick();
  SendClick();
}

void SendKeyPress(WORD key, WORD modifier) {
  if (modifier) SendKey(modifier, 0);
  SendKey(key, 0);
  SendKey(key, KEYEVENTF_KEYUP);
  if (modifier) SendKey(modifier, KEYEVENTF_KEYUP);
}

void BringForward(HWND topLevel) {
  SetForegroundWindow(topLevel);
  SetActiveWindow(topLevel);
}

bool RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int event) {
  klv::EventNotice notice = {windowId, unitId, event, 0, {0, 0, 0, 0, 0}, 0, 0};
  return klv::DispatchEvent(&notice);
}

std::string ListCellText(HWND list, int row, int column) {
  std::unique_ptr<wchar_t[]> text(new wchar_t[kCellRoom]);  // not cleared: a plan reads 40,000 cells
  text[0] = L'\0';
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = text.get();
  item.cchTextMax = kCellRoom;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return klv::ToProgramText(text.get());
}

std::string ShownText(HWND window) { return klv::SystemWindowText(window); }

std::string ComboItemText(HWND combo, int index) {
  LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return std::string();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  return klv::ToProgramText(text.c_str());
}

HWND FindTitledWindow(const std::string& title) { return FindWindowW(nullptr, klv::ToSystemText(title).c_str()); }

int FindComboItem(HWND combo, const std::string& text) {
  const std::wstring item = klv::ToSystemText(text);
  return static_cast<int>(
      SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str())));
}

}  // namespace klvtest
