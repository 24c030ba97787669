// The entry numbers of the program's system-function table. Two tables are
// kept in this order, one row per entry, each row naming its number so that
// the build fails when a row is out of place: the runtime's prototypes
// (runtime/system_thunks.cpp) and the image's library and export names
// (image/system_function_table.cpp). The table is append-only: a new entry
// takes the next number, just above kSystemFunctionCount.
#pragma once

namespace klv {

enum SystemFunction : int {
  kTerminateThread = 0,
  kFindWindowExA = 1,
  kMouseEvent = 2,
  kGetCursorPos = 3,
  kClientToScreen = 4,
  kSetCursorPos = 5,
  kGetDesktopWindow = 6,
  kPostMessageA = 7,
  kGetWindowLongA = 8,
  kGetWindowTextA = 9,
  kGetParent = 10,
  kCreateThread = 11,
  kCreateWaitableTimerA = 12,
  kSetWaitableTimer = 13,
  kMsgWaitForMultipleObjects = 14,
  kCloseHandle = 15,
  kUnregisterHotKey = 16,
  kRegisterHotKey = 17,
  kSetWindowLongA = 18,
  kGetCurrentProcessId = 19,
  kEnumWindows = 20,
  kGetWindowThreadProcessId = 21,
  kGetClassNameA = 22,
  kIsWindowVisible = 23,
  kMessageBoxA = 24,
  kCallWindowProcA = 25,
  kFindWindowA = 26,
  kGetWindowRect = 27,
  kWindowFromPoint = 28,
  kGetFocus = 29,
  kGetPrivateProfileStringA = 30,  // lists a settings section's key names for the settings load
  // The window a background click reaches; the top-level window of a captured point.
  kChildWindowFromPointEx = 31,
  kMapWindowPoints = 32,
  kGetAncestor = 33,
  kGetWindow = 34,
  // A run's timer resolution and its high-resolution step timer.
  kTimeBeginPeriod = 35,
  kTimeEndPeriod = 36,
  kCreateWaitableTimerExW = 37,
  // The settings file read and written in one piece, its failures told, and
  // the plan list's drawing paused while a plan is loaded.
  kCreateFileA = 38,
  kReadFile = 39,
  kWriteFile = 40,
  kFlushFileBuffers = 41,
  kMoveFileExA = 42,
  kDeleteFileA = 43,
  kGetLastError = 44,
  kFormatMessageA = 45,
  kMultiByteToWideChar = 46,
  kWideCharToMultiByte = 47,
  kSendMessageA = 48,
  kInvalidateRect = 49,
  // A run keeps its pace while the window is hidden: the process opts out of
  // the system's throttling for the length of the run.
  kGetCurrentProcess = 50,
  kSetProcessInformation = 51,
  // An elevated target is named before a run or a single step.
  kOpenProcess = 52,
  kOpenProcessToken = 53,
  kGetTokenInformation = 54,
  // Background points in the target's own pixels at any display scale: the
  // thread moves into the target window's DPI awareness for the calls about it.
  kGetWindowDpiAwarenessContext = 55,
  kSetThreadDpiAwarenessContext = 56,
  kGetDpiForWindow = 57,
  // A foreground single step from a control that holds the mouse capture
  // (the plan list's row menu) frees it first, or the click goes to that control.
  kReleaseCapture = 58,
  // The settings file's odd forms are left to the system's own functions
  // only where its code page is the program's.
  kGetACP = 59,
  // Titles of any length: the room a long title needs, in program text.
  kGetWindowTextLengthA = 60,
  // A foreground click's press and release carry their point, and the move
  // back follows them in the same batch of input, in virtual-desk units.
  kSendInput = 61,
  kGetSystemMetrics = 62,
  kSystemFunctionCount             // not an entry: the number of entries
};

}  // namespace klv
