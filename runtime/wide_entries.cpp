#include "runtime/wide_entries.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/interface/system_function_numbers.h"
#include "runtime/program_profile.h"
#include "runtime/system_text.h"

namespace klv {
namespace {

HWND WINAPI FindWindowProgramText(LPCSTR windowClass, LPCSTR title) {
  return FindWindowW(SystemTextArgument(windowClass).get(), SystemTextArgument(title).get());
}

HWND WINAPI FindWindowExProgramText(HWND parent, HWND after, LPCSTR windowClass, LPCSTR title) {
  return FindWindowExW(parent, after, SystemTextArgument(windowClass).get(), SystemTextArgument(title).get());
}

int WINAPI GetWindowTextProgramText(HWND window, LPSTR buffer, int room) {
  return CopyToProgramBuffer(SystemWindowText(window), buffer, room);
}

// The bytes of the title in program text, exactly (the ANSI function may
// answer more than the text holds).
int WINAPI GetWindowTextLengthProgramText(HWND window) {
  return static_cast<int>(SystemWindowText(window).size());
}

int WINAPI GetClassNameProgramText(HWND window, LPSTR buffer, int room) {
  wchar_t name[256] = L"";
  const int length = GetClassNameW(window, name, static_cast<int>(ARRAYSIZE(name)));
  return length > 0 ? CopyToProgramBuffer(ToProgramText(std::wstring(name, static_cast<size_t>(length))), buffer, room) : 0;
}

int WINAPI MessageBoxProgramText(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  return ShowSystemMessageBox(owner, text ? text : "", caption ? caption : "", style);
}

// The system's own messages, looked up by number; any other use (a message
// text of the caller's, inserts) goes to the ANSI function as it is.
DWORD WINAPI FormatMessageProgramText(DWORD flags, LPCVOID source, DWORD id, DWORD language, LPSTR buffer,
                                      DWORD room, va_list* arguments) {
  const DWORD plain = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  if ((flags & ~FORMAT_MESSAGE_MAX_WIDTH_MASK) != plain) {
    return FormatMessageA(flags, source, id, language, buffer, room, arguments);
  }
  LPWSTR message = nullptr;
  DWORD length = FormatMessageW(flags | FORMAT_MESSAGE_ALLOCATE_BUFFER, source, id, language,
                                reinterpret_cast<LPWSTR>(&message), 0, nullptr);
  if (length == 0 || message == nullptr) return 0;
  const std::string text = ToProgramText(std::wstring(message, length));
  LocalFree(message);
  if (text.size() >= room) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return static_cast<DWORD>(CopyToProgramBuffer(text, buffer, static_cast<int>(room)));
}

// Files are named in program text like every other text: the program's
// folder and any name that GBK holds reach the system whole.
HANDLE WINAPI CreateFileProgramText(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                    DWORD creation, DWORD flags, HANDLE model) {
  return CreateFileW(SystemTextArgument(path).get(), access, share, security, creation, flags, model);
}

BOOL WINAPI MoveFileExProgramText(LPCSTR from, LPCSTR to, DWORD flags) {
  return MoveFileExW(SystemTextArgument(from).get(), SystemTextArgument(to).get(), flags);
}

BOOL WINAPI DeleteFileProgramText(LPCSTR path) { return DeleteFileW(SystemTextArgument(path).get()); }

// The window procedures the program installs read no text from their
// messages (the hotkey module's reads only WM_HOTKEY's number), so setting
// and calling them through the wide functions keeps the window Unicode and
// changes nothing they see.
LONG WINAPI SetWindowLongWide(HWND window, int index, LONG value) { return SetWindowLongW(window, index, value); }
LRESULT WINAPI CallWindowProcWide(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(procedure, window, message, wParam, lParam);
}

struct WideEntry {
  SystemFunction number;
  void* entry;
};

const WideEntry kWideEntries[] = {
    {kFindWindowA, reinterpret_cast<void*>(&FindWindowProgramText)},
    {kFindWindowExA, reinterpret_cast<void*>(&FindWindowExProgramText)},
    {kGetWindowTextA, reinterpret_cast<void*>(&GetWindowTextProgramText)},
    {kGetWindowTextLengthA, reinterpret_cast<void*>(&GetWindowTextLengthProgramText)},
    {kGetClassNameA, reinterpret_cast<void*>(&GetClassNameProgramText)},
    {kMessageBoxA, reinterpret_cast<void*>(&MessageBoxProgramText)},
    {kFormatMessageA, reinterpret_cast<void*>(&FormatMessageProgramText)},
    {kCreateFileA, reinterpret_cast<void*>(&CreateFileProgramText)},
    {kMoveFileExA, reinterpret_cast<void*>(&MoveFileExProgramText)},
    {kDeleteFileA, reinterpret_cast<void*>(&DeleteFileProgramText)},
    {kGetPrivateProfileStringA, reinterpret_cast<void*>(&ReadProfileText)},
    {kSetWindowLongA, reinterpret_cast<void*>(&SetWindowLongWide)},
    {kCallWindowProcA, reinterpret_cast<void*>(&CallWindowProcWide)},
};

}  // namespace

void* WideEntryFor(int number) {
  for (const WideEntry& wide : kWideEntries) {
    if (wide.number == number) return wide.entry;
  }
  return nullptr;
}

}  // namespace klv
