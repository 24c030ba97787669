// The in-process Klikvane's state as the pointing tests read and set it:
// the hotkey table, the capture fields and a plan that clicks nothing.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "clicker/globals.h"

namespace klvtest {

uint32_t HotkeyRecordCount();
const klv::clicker::HotkeyRecord& HotkeyRecordAt(uint32_t index);
std::string IdentifierOf(uint32_t index);
HWND WindowOf(uint32_t index);
// The address of the module's replacement window procedure.
LONG_PTR HotkeyProcedure();
// Whether nobody holds the combination (the test takes it and gives it back).
bool KeyIsFree(UINT modifiers, UINT key);

// The four capture labels and the X and Y fields.
void ClearCaptureFields();
// "screenX,screenY,windowX,windowY,editX,editY"
std::string CaptureFields();
bool CaptureShown();

// One plan row in background mode with no target title: a run clicks nothing.
void PrepareHarmlessPlan();
void ClearPlan();
bool StartButtonDisabled();

}  // namespace klvtest
