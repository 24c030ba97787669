// Real input through the system's input queue (SendInput), as a user's
// mouse and keyboard would give it.
#pragma once
#include <windows.h>

namespace klvtest {

// One mouse event (MOUSEEVENTF_* flags) at the cursor's place.
void SendMouse(DWORD flags);
// One key event (0 or KEYEVENTF_KEYUP) with its scan code.
void SendKey(WORD key, DWORD flags);
// A character typed as an input method delivers it: a UTF-16 unit, pressed
// and released, with no key of its own.
void SendTypedCharacter(wchar_t character);

}  // namespace klvtest
