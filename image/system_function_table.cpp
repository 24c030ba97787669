// The system-function table, one row per entry in entry-number order. An
// empty library text means the default libraries are searched; the spelling
// of each text ("user32", "user32.dll", "kernel32") is the image's own.
#include "image/system_function_table.h"

#include <iterator>

#include "runtime/interface/numbered_table.h"

namespace klv {
namespace {

struct SystemFunctionRow {
  SystemFunction number;
  const char* library;
  const char* exportName;
};

constexpr SystemFunctionRow kRows[] = {
    // Stopping a thread.
    {kTerminateThread, "", "TerminateThread"},
    // Clicking: the target window, the cursor and the mouse messages.
    {kFindWindowExA, "user32", "FindWindowExA"},
    {kMouseEvent, "user32.dll", "mouse_event"},
    {kGetCursorPos, "user32", "GetCursorPos"},
    {kClientToScreen, "user32.dll", "ClientToScreen"},
    {kSetCursorPos, "user32.dll", "SetCursorPos"},
    {kGetDesktopWindow, "user32", "GetDesktopWindow"},
    {kPostMessageA, "", "PostMessageA"},
    // Looking at a window.
    {kGetWindowLongA, "user32", "GetWindowLongA"},
    {kGetWindowTextA, "", "GetWindowTextA"},
    {kGetParent, "", "GetParent"},
    // The runner thread and its waits.
    {kCreateThread, "", "CreateThread"},
    {kCreateWaitableTimerA, "", "CreateWaitableTimerA"},
    {kSetWaitableTimer, "", "SetWaitableTimer"},
    {kMsgWaitForMultipleObjects, "", "MsgWaitForMultipleObjects"},
    {kCloseHandle, "kernel32", "CloseHandle"},
    // Hotkeys and the replaced window procedure.
    {kUnregisterHotKey, "user32.dll", "UnregisterHotKey"},
    {kRegisterHotKey, "user32.dll", "RegisterHotKey"},
    {kSetWindowLongA, "", "SetWindowLongA"},
    // Listing the top-level windows.
    {kGetCurrentProcessId, "kernel32.dll", "GetCurrentProcessId"},
    {kEnumWindows, "", "EnumWindows"},
    {kGetWindowThreadProcessId, "user32.dll", "GetWindowThreadProcessId"},
    {kGetClassNameA, "user32.dll", "GetClassNameA"},
    {kIsWindowVisible, "", "IsWindowVisible"},
    // Telling the operator; passing messages on.
    {kMessageBoxA, "user32.dll", "MessageBoxA"},
    {kCallWindowProcA, "user32.dll", "CallWindowProcA"},
    // Capturing a point: the window under the cursor.
    {kFindWindowA, "user32.dll", "FindWindowA"},
    {kGetWindowRect, "", "GetWindowRect"},
    {kWindowFromPoint, "user32", "WindowFromPoint"},
    {kGetFocus, "user32.dll", "GetFocus"},
    // The settings file.
    {kGetPrivateProfileStringA, "kernel32", "GetPrivateProfileStringA"},
    // The window a background click reaches; the top-level window of a captured point.
    {kChildWindowFromPointEx, "user32.dll", "ChildWindowFromPointEx"},
    {kMapWindowPoints, "user32.dll", "MapWindowPoints"},
    {kGetAncestor, "user32.dll", "GetAncestor"},
    {kGetWindow, "user32.dll", "GetWindow"},
    // A run's timer resolution and its high-resolution step timer.
    {kTimeBeginPeriod, "winmm.dll", "timeBeginPeriod"},
    {kTimeEndPeriod, "winmm.dll", "timeEndPeriod"},
    {kCreateWaitableTimerExW, "kernel32", "CreateWaitableTimerExW"},
    // The settings file read and written in one piece, its failures told, and
    // the plan list's drawing paused while a plan is loaded.
    {kCreateFileA, "kernel32", "CreateFileA"},
    {kReadFile, "kernel32", "ReadFile"},
    {kWriteFile, "kernel32", "WriteFile"},
    {kFlushFileBuffers, "kernel32", "FlushFileBuffers"},
    {kMoveFileExA, "kernel32", "MoveFileExA"},
    {kDeleteFileA, "kernel32", "DeleteFileA"},
    {kGetLastError, "kernel32", "GetLastError"},
    {kFormatMessageA, "kernel32", "FormatMessageA"},
    {kMultiByteToWideChar, "kernel32", "MultiByteToWideChar"},
    {kWideCharToMultiByte, "kernel32", "WideCharToMultiByte"},
    {kSendMessageA, "user32", "SendMessageA"},
    {kInvalidateRect, "user32", "InvalidateRect"},
    // A run keeps its pace while the window is hidden.
    {kGetCurrentProcess, "kernel32", "GetCurrentProcess"},
    {kSetProcessInformation, "kernel32", "SetProcessInformation"},
    // The integrity level of the target's process and of this one.
    {kOpenProcess, "kernel32", "OpenProcess"},
    {kOpenProcessToken, "advapi32.dll", "OpenProcessToken"},
    {kGetTokenInformation, "advapi32.dll", "GetTokenInformation"},
    // Background points in the target's own pixels at any display scale.
    {kGetWindowDpiAwarenessContext, "user32", "GetWindowDpiAwarenessContext"},
    {kSetThreadDpiAwarenessContext, "user32", "SetThreadDpiAwarenessContext"},
    {kGetDpiForWindow, "user32", "GetDpiForWindow"},
    // A foreground single step frees the mouse capture first.
    {kReleaseCapture, "user32", "ReleaseCapture"},
    // The system's code page, for the settings file's odd forms.
    {kGetACP, "kernel32", "GetACP"},
    // Titles of any length.
    {kGetWindowTextLengthA, "user32", "GetWindowTextLengthA"},
    // A foreground click as one batch of input.
    {kSendInput, "user32", "SendInput"},
    {kGetSystemMetrics, "user32", "GetSystemMetrics"},
};
static_assert(std::size(kRows) == kSystemFunctionEntries, "one row per system function");
static_assert(RowsInNumberOrder(kRows), "system functions out of entry-number order");

}  // namespace

const std::array<const char*, kSystemFunctionEntries> kSystemLibraryNames = ColumnOf(kRows, &SystemFunctionRow::library);
const std::array<const char*, kSystemFunctionEntries> kSystemFunctionNames =
    ColumnOf(kRows, &SystemFunctionRow::exportName);

}  // namespace klv
