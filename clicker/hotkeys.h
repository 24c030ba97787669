// System-wide hotkeys that call an ordinary routine: registered for a window
// under an identifier text; the window's procedure is replaced on the first
// success so that WM_HOTKEY reaches the routine registered under that text.
#pragma once
#include <cstdint>

namespace klv::clicker {

// A hotkey routine has the shape of a window procedure (the hotkey
// procedure calls it through CallWindowProcA) and ignores its arguments.
using HotkeyRoutine = long(__stdcall*)(void* window, unsigned message, unsigned wParam, long lParam);

// window and modifiers may be 0 (omitted). Returns true when the hotkey was
// registered and recorded.
bool RegisterWindowHotkey(uint32_t window, uint32_t modifiers, uint32_t key, HotkeyRoutine callback,
                          const char* identifier);
// Registers under a system identifier no registration has had yet, without
// withdrawing the registrations of an equal identifier text (so a hotkey can
// be moved to a new combination before its old one is given up), and
// records it. The identifier must not be blank. Returns the system
// identifier, 0 when the system refused the combination.
uint32_t RegisterFreshHotkey(uint32_t window, uint32_t modifiers, uint32_t key, HotkeyRoutine callback,
                             const char* identifier);
// 1-based position of the first record with that identifier; 0 for none.
uint32_t FindHotkeyRecord(const char* identifier);
// The system hotkey identifier of the record at a 0-based table position
// (0x0100 and up); WM_HOTKEY carries it back.
uint32_t HotkeySystemId(uint32_t position);
// The procedure installed on the first registration's window.
long __stdcall HotkeyWindowProc(void* window, unsigned message, unsigned wParam, long lParam);

}  // namespace klv::clicker
