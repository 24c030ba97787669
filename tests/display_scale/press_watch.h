// Where the cursor stands when Klikvane synthesises a button press: the
// program's SendInput is a stand-in (tests/support/bound_functions.h) that
// passes each record on and, after a press, notes where the system put the
// cursor, in physical pixels. Wine 8 at 144 DPI gives a DPI-unaware window no real input at all
// (checked: neither moves nor presses arrive), so a foreground click on
// such a target is seen only here.
#pragma once
#include <windows.h>

#include <vector>

namespace klvtest {

// Before the runtime binds SendInput, that is before the first click.
void WatchSynthesisedPresses();
// The cursor's place at every press so far, in order.
std::vector<POINT> PressesSoFar();

}  // namespace klvtest
