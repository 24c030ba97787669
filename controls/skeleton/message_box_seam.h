// The one place ShowMessageBox reaches the system's message box, so that
// tests can watch the exact text, caption and style it passes.
#pragma once
#include <cstdint>

namespace klv {

// Shows a message box with no owner; answers the system's button id.
using MessageBoxFunction = int (*)(const char* text, const char* caption, uint32_t style);

// Replaces the function ShowMessageBox calls (null restores the system's
// MessageBoxA) and returns the one it replaced.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function);

}  // namespace klv
