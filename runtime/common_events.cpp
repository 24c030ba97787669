// The window's pre-translation of input: mouse and keyboard messages
// addressed to a loaded window or any of its controls become the common
// events -1 to -12 of that unit; a handler's false swallows the input.
#include <windowsx.h>

#include "runtime/events.h"
#include "runtime/window_manager.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

// The unit that owns the window the input is for: input to the child
// windows of a control counts as the control's.
UnitObject* OwningUnit(HWND hwnd) {
  for (HWND at = hwnd; at != nullptr; at = GetParent(at)) {
    if (UnitObject* unit = UnitObject::FromWindow(at)) return unit;
    if (!(GetWindowLongA(at, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

uint32_t KeysHeld(bool fromMouseFlags, WPARAM flags, UINT exceptKey) {
  uint32_t keys = 0;
  if (fromMouseFlags) {
    if (flags & MK_CONTROL) keys |= 1;
    if (flags & MK_SHIFT) keys |= 2;
  } else {
    if (exceptKey != VK_CONTROL && (GetKeyState(VK_CONTROL) & 0x8000)) keys |= 1;
    if (exceptKey != VK_SHIFT && (GetKeyState(VK_SHIFT) & 0x8000)) keys |= 2;
  }
  if (exceptKey != VK_MENU && (GetKeyState(VK_MENU) & 0x8000)) keys |= 4;
  return keys;
}

// Keypad digits read as the digit keys; its minus, point and divide as the
// main keyboard's codes.
uint32_t TranslateKey(WPARAM key) {
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return static_cast<uint32_t>('0' + (key - VK_NUMPAD0));
  if (key == VK_SUBTRACT) return 189;
  if (key == VK_DECIMAL) return 190;
  if (key == VK_DIVIDE) return 191;
  return static_cast<uint32_t>(key);
}

int MouseEvent(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return CommonEvent::kLeftDown;
    case WM_LBUTTONUP: return CommonEvent::kLeftUp;
    case WM_LBUTTONDBLCLK: return CommonEvent::kDoubleClick;
    case WM_RBUTTONDOWN: return CommonEvent::kRightDown;
    case WM_RBUTTONUP: return CommonEvent::kRightUp;
    case WM_MOUSEMOVE: return CommonEvent::kMouseMove;
    default: return 0;
  }
}

bool Swallowed(bool dispatched, const HandlerResult& result) {
  return dispatched && result.hasValue && result.value == 0;
}

bool TranslateAccelerators(MSG* message) {
  for (auto& window : AllWindowDescriptions()) {
    HWND hwnd = window->hwnd();
    if (window->accelerators && hwnd && (message->hwnd == hwnd || IsChild(hwnd, message->hwnd)) &&
        TranslateAcceleratorA(hwnd, window->accelerators, message)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool PreTranslateWindowMessage(MSG* message) {
  UINT id = message->message;
  bool isInput = (id >= WM_MOUSEFIRST && id <= WM_MOUSELAST) || (id >= WM_KEYFIRST && id <= WM_KEYLAST);
  if (!isInput || message->hwnd == nullptr) return false;
  UnitObject* unit = OwningUnit(message->hwnd);
  if (unit == nullptr) return false;
  HandlerResult result = {false, 0};
  bool dispatched = false;
  if (int event = MouseEvent(id)) {
    dispatched = unit->RaiseEvent(event,
                                  {static_cast<uint32_t>(GET_X_LPARAM(message->lParam)),
                                   static_cast<uint32_t>(GET_Y_LPARAM(message->lParam)),
                                   KeysHeld(true, message->wParam, 0)},
                                  &result);
  } else if (id == WM_MOUSEWHEEL) {
    int distance = GET_WHEEL_DELTA_WPARAM(message->wParam) / WHEEL_DELTA;
    dispatched = unit->RaiseEvent(CommonEvent::kWheel,
                                  {static_cast<uint32_t>(distance), KeysHeld(true, GET_KEYSTATE_WPARAM(message->wParam), 0)},
                                  &result);
  } else if (id == WM_KEYDOWN || id == WM_SYSKEYDOWN || id == WM_KEYUP || id == WM_SYSKEYUP) {
    int event = (id == WM_KEYDOWN || id == WM_SYSKEYDOWN) ? CommonEvent::kKeyDown : CommonEvent::kKeyUp;
    UINT key = static_cast<UINT>(message->wParam);
    dispatched = unit->RaiseEvent(event, {TranslateKey(key), KeysHeld(false, 0, key)}, &result);
  } else if (id == WM_CHAR) {
    dispatched = unit->RaiseEvent(CommonEvent::kCharacter, {static_cast<uint32_t>(message->wParam)}, &result);
    if (dispatched && result.hasValue) {
      if (result.value == 0) return true;
      message->wParam = result.value;
    }
    return TranslateAccelerators(message);
  }
  if (Swallowed(dispatched, result)) return true;
  return TranslateAccelerators(message);
}

}  // namespace klv
