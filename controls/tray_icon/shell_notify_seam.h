// The one place the tray icon reaches the shell's notification area, so that
// tests can watch every record it sends.
#pragma once
#include <windows.h>

#include <shellapi.h>

namespace klv {

// Sends one NIM_* message with its record; answers whether the shell took it.
using ShellNotifyFunction = BOOL (*)(DWORD message, NOTIFYICONDATAW* data);

// Replaces the function the tray icon calls (null restores the system's
// Shell_NotifyIconW) and returns the one it replaced.
ShellNotifyFunction SetShellNotifyFunction(ShellNotifyFunction function);

}  // namespace klv
