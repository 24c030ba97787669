// The program's system-function table, one row per entry: the entry number
// the image stores, the library text (empty: the default libraries are
// searched; each spelling is the image's own) and the export. ENTRY rows
// are called by the program as k<export>, RENAMED rows as k<name>. The enum
// below, the image's name table and the runtime's prototypes are all made
// from these rows. Append-only: a new entry takes the next number.
#pragma once

#define KLV_SYSTEM_FUNCTIONS(ENTRY, RENAMED)                                                        \
  /* Stopping a thread. */                                                                          \
  ENTRY(0, "", TerminateThread)                                                                     \
  /* Clicking: the target window, the cursor and the mouse messages. */                             \
  ENTRY(1, "user32", FindWindowExA)                                                                 \
  RENAMED(2, MouseEvent, "user32.dll", mouse_event)                                                 \
  ENTRY(3, "user32", GetCursorPos)                                                                  \
  ENTRY(4, "user32.dll", ClientToScreen)                                                            \
  ENTRY(5, "user32.dll", SetCursorPos)                                                              \
  ENTRY(6, "user32", GetDesktopWindow)                                                              \
  ENTRY(7, "", PostMessageA)                                                                        \
  /* Looking at a window. */                                                                        \
  ENTRY(8, "user32", GetWindowLongA)                                                                \
  ENTRY(9, "", GetWindowTextA)                                                                      \
  ENTRY(10, "", GetParent)                                                                          \
  /* The runner thread and its waits. */                                                            \
  ENTRY(11, "", CreateThread)                                                                       \
  ENTRY(12, "", CreateWaitableTimerA)                                                               \
  ENTRY(13, "", SetWaitableTimer)                                                                   \
  ENTRY(14, "", MsgWaitForMultipleObjects)                                                          \
  ENTRY(15, "kernel32", CloseHandle)                                                                \
  /* Hotkeys and the replaced window procedure. */                                                  \
  ENTRY(16, "user32.dll", UnregisterHotKey)                                                         \
  ENTRY(17, "user32.dll", RegisterHotKey)                                                           \
  ENTRY(18, "", SetWindowLongA)                                                                     \
  /* Listing the top-level windows. */                                                              \
  ENTRY(19, "kernel32.dll", GetCurrentProcessId)                                                    \
  ENTRY(20, "", EnumWindows)                                                                        \
  ENTRY(21, "user32.dll", GetWindowThreadProcessId)                                                 \
  ENTRY(22, "user32.dll", GetClassNameA)                                                            \
  ENTRY(23, "", IsWindowVisible)                                                                    \
  /* Telling the operator; passing messages on. */                                                  \
  ENTRY(24, "user32.dll", MessageBoxA)                                                              \
  ENTRY(25, "user32.dll", CallWindowProcA)                                                          \
  /* Capturing a point: the window under the cursor. */                                             \
  ENTRY(26, "user32.dll", FindWindowA)                                                              \
  ENTRY(27, "", GetWindowRect)                                                                      \
  ENTRY(28, "user32", WindowFromPoint)                                                              \
  ENTRY(29, "user32.dll", GetFocus)                                                                 \
  /* The settings load: a section's key names. */                                                   \
  ENTRY(30, "kernel32", GetPrivateProfileStringA)                                                   \
  /* The window a background click reaches; the top-level window of a captured point. */            \
  ENTRY(31, "user32.dll", ChildWindowFromPointEx)                                                   \
  ENTRY(32, "user32.dll", MapWindowPoints)                                                          \
  ENTRY(33, "user32.dll", GetAncestor)                                                              \
  ENTRY(34, "user32.dll", GetWindow)                                                                \
  /* A run's timer resolution and its high-resolution step timer. */                                \
  RENAMED(35, TimeBeginPeriod, "winmm.dll", timeBeginPeriod)                                        \
  RENAMED(36, TimeEndPeriod, "winmm.dll", timeEndPeriod)                                            \
  ENTRY(37, "kernel32", CreateWaitableTimerExW)                                                     \
  /* The settings file read and written in one piece, its failures told, and the plan list's */     \
  /* drawing paused while a plan is loaded. */                                                      \
  ENTRY(38, "kernel32", CreateFileA)                                                                \
  ENTRY(39, "kernel32", ReadFile)                                                                   \
  ENTRY(40, "kernel32", WriteFile)                                                                  \
  ENTRY(41, "kernel32", FlushFileBuffers)                                                           \
  ENTRY(42, "kernel32", MoveFileExA)                                                                \
  ENTRY(43, "kernel32", DeleteFileA)                                                                \
  ENTRY(44, "kernel32", GetLastError)                                                               \
  ENTRY(45, "kernel32", FormatMessageA)                                                             \
  ENTRY(46, "kernel32", MultiByteToWideChar)                                                        \
  ENTRY(47, "kernel32", WideCharToMultiByte)                                                        \
  ENTRY(48, "user32", SendMessageA)                                                                 \
  ENTRY(49, "user32", InvalidateRect)                                                               \
  /* A run keeps its pace while the window is hidden: the process opts out of the system's */       \
  /* throttling for the length of the run. */                                                       \
  ENTRY(50, "kernel32", GetCurrentProcess)                                                          \
  ENTRY(51, "kernel32", SetProcessInformation)                                                      \
  /* An elevated target is named before a run or a single step. */                                 \
  ENTRY(52, "kernel32", OpenProcess)                                                                \
  ENTRY(53, "advapi32.dll", OpenProcessToken)                                                       \
  ENTRY(54, "advapi32.dll", GetTokenInformation)                                                    \
  /* Background points in the target's own pixels at any display scale: the thread moves into */    \
  /* the target window's DPI awareness for the calls about it. */                                   \
  ENTRY(55, "user32", GetWindowDpiAwarenessContext)                                                 \
  ENTRY(56, "user32", SetThreadDpiAwarenessContext)                                                 \
  ENTRY(57, "user32", GetDpiForWindow)                                                              \
  /* A foreground single step from a control that holds the mouse capture (the plan list's row */   \
  /* menu) frees it first, or the click goes to that control. */                                    \
  ENTRY(58, "user32", ReleaseCapture)                                                               \
  /* The settings file's odd forms are left to the system's own functions only where its code */    \
  /* page is the program's. */                                                                      \
  ENTRY(59, "kernel32", GetACP)                                                                     \
  /* Titles of any length: the room a long title needs, in program text. */                         \
  ENTRY(60, "user32", GetWindowTextLengthA)                                                         \
  /* A foreground click's press and release carry their point, and the move back follows them */    \
  /* in the same batch of input, in virtual-desk units. */                                          \
  ENTRY(61, "user32", SendInput)                                                                    \
  ENTRY(62, "user32", GetSystemMetrics)                                                             \
  /* The tray menu: the window comes to the front first, so that the menu closes on a click */    \
  /* elsewhere. */                                                                                  \
  ENTRY(63, "user32", SetForegroundWindow)                                                          \
  /* Plans in files of the operator's choosing, and files dropped on the window; the libraries */  \
  /* load when first used. */                                                                       \
  ENTRY(64, "comdlg32", GetOpenFileNameW)                                                           \
  ENTRY(65, "comdlg32", GetSaveFileNameW)                                                           \
  ENTRY(66, "shell32", DragQueryFileW)                                                              \
  ENTRY(67, "shell32", DragFinish)                                                                  \
  ENTRY(68, "user32", ChangeWindowMessageFilterEx)

namespace klv {

#define KLV_NUMBER_OF_RENAMED(number, name, library, exportName) k##name = number,
#define KLV_NUMBER_OF_ENTRY(number, library, exportName) KLV_NUMBER_OF_RENAMED(number, exportName, library, exportName)
enum SystemFunction : int {
  KLV_SYSTEM_FUNCTIONS(KLV_NUMBER_OF_ENTRY, KLV_NUMBER_OF_RENAMED)
  kSystemFunctionCount  // not an entry: the number of entries
};
#undef KLV_NUMBER_OF_ENTRY
#undef KLV_NUMBER_OF_RENAMED

}  // namespace klv
