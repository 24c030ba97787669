// The window's pre-translation of input: mouse and keyboard messages
// addressed to a loaded window or any of its controls become the common
// events -1 to -12 of that unit; a handler's false swallows the input.
#include <windowsx.h>

#include "runtime/events.h"
#include "runtime/system_text.h"
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

// A typed character reaches the program as the bytes of program text, one
// character event per byte, lead byte first: a Chinese character gives two,
// a character GBK lacks four, on a system of any language. A handler's
// answer 0 swallows the character; any other answer replaces that byte (its
// low 8 bits), and the character the bytes then spell is delivered. Half of
// a surrogate pair passes by unannounced. False when the character is
// swallowed.
bool RaiseCharacterEvents(UnitObject* unit, MSG* message) {
  const wchar_t typed = static_cast<wchar_t>(message->wParam);
  std::string bytes = ProgramCharacter(typed);
  bool replaced = false;
  for (char& byte : bytes) {
    HandlerResult result = {false, 0};
    bool dispatched = unit->RaiseEvent(CommonEvent::kCharacter, {static_cast<unsigned char>(byte)}, &result);
    if (!dispatched || !result.hasValue) continue;
    if (result.value == 0) return false;
    replaced = true;
    byte = static_cast<char>(result.value);
  }
  if (!replaced) return true;
  const std::wstring spelled = ToSystemText(bytes);
  if (spelled.empty()) return false;
  message->wParam = spelled[0];
  return true;
}

bool TranslateAccelerators(MSG* message) {
  for (auto& window : AllWindowDescriptions()) {
    HWND hwnd = window->hwnd();
    if (window->accelerators && hwnd && (message->hwnd == hwnd || IsChild(hwnd, message->hwnd)) &&
        TranslateAcceleratorW(hwnd, window->accelerators, message)) {
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
    if (!RaiseCharacterEvents(unit, message)) return true;
    return TranslateAccelerators(message);
  }
  if (Swallowed(dispatched, result)) return true;
  return TranslateAccelerators(message);
}

}  // namespace klv
