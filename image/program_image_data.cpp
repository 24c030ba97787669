#include "image/program_image_data.h"

#include "controls/libraries.h"
#include "image/program_constants.h"
#include "image/window_template_data.h"

namespace klv {

const char* const kSystemLibraryNames[kSystemFunctionEntries] = {
    "",           "user32",     "user32.dll", "user32",     "user32.dll", "user32.dll", "user32",
    "",           "user32",     "",           "",           "",           "",           "",
    "",           "kernel32",   "user32.dll", "user32.dll", "",           "kernel32.dll",
    "",           "user32.dll", "user32.dll", "",           "user32.dll", "user32.dll", "user32.dll",
    "",           "user32",     "user32.dll", "kernel32",
    "kernel32",   "kernel32",   "kernel32",   "kernel32",   "kernel32",   "kernel32",   "kernel32",
    "kernel32",   "kernel32",   "kernel32",   "user32",     "user32",
};

const char* const kSystemFunctionNames[kSystemFunctionEntries] = {
    "TerminateThread",      "FindWindowExA",    "mouse_event",         "GetCursorPos",
    "ClientToScreen",       "SetCursorPos",     "GetDesktopWindow",    "PostMessageA",
    "GetWindowLongA",       "GetWindowTextA",   "GetParent",           "CreateThread",
    "CreateWaitableTimerA", "SetWaitableTimer", "MsgWaitForMultipleObjects",
    "CloseHandle",          "UnregisterHotKey", "RegisterHotKey",      "SetWindowLongA",
    "GetCurrentProcessId",  "EnumWindows",      "GetWindowThreadProcessId",
    "GetClassNameA",        "IsWindowVisible",  "MessageBoxA",         "CallWindowProcA",
    "FindWindowA",          "GetWindowRect",    "WindowFromPoint",     "GetFocus",
    "GetPrivateProfileStringA", "CreateFileA",     "ReadFile",            "WriteFile",
    "FlushFileBuffers",     "MoveFileExA",      "DeleteFileA",         "GetLastError",
    "FormatMessageA",       "MultiByteToWideChar", "WideCharToMultiByte", "SendMessageA",
    "InvalidateRect",
};

const LibraryRecord* const kProgramLibraries[4] = {&kCoreLibrary, &kExtendedControlsLibrary,
                                                   &kSpecialFunctionsLibrary, &kTrayIconLibrary};

const ProgramImageHeader kProgramImage = {
    3,
    0,
    0x183F6 + 1,
    &kProgramCode,
    reinterpret_cast<const uint8_t*>(&kConstants),
    sizeof kConstants,
    kMainWindowTemplate,
    kMainWindowTemplateLength,
    4,
    kProgramLibraries,
    kSystemFunctionEntries,
    kSystemLibraryNames,
    kSystemFunctionNames,
};

}  // namespace klv
