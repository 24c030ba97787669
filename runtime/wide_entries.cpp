#include "runtime/wide_entries.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/system_text.h"

namespace klv {
namespace {

// A class or title argument: null, an atom, or program text.
class NameArgument {
 public:
  explicit NameArgument(LPCSTR name)
      : atom_(name != nullptr && HIWORD(reinterpret_cast<uintptr_t>(name)) == 0), name_(name) {
    if (name != nullptr && !atom_) text_ = ToSystemText(name);
  }
  LPCWSTR get() const {
    if (name_ == nullptr) return nullptr;
    return atom_ ? reinterpret_cast<LPCWSTR>(name_) : text_.c_str();
  }

 private:
  bool atom_;
  LPCSTR name_;
  std::wstring text_;
};

// Copies program text into a caller's buffer of `room` bytes as the ANSI
// functions do: cut to fit (never inside a double-byte character) and
// terminated; answers the bytes copied.
int CopyOut(const std::string& text, LPSTR buffer, int room) {
  if (buffer == nullptr || room <= 0) return 0;
  size_t length = 0;
  while (length < text.size()) {
    const size_t step = IsProgramLeadByte(static_cast<uint8_t>(text[length])) && length + 1 < text.size() ? 2 : 1;
    if (length + step > static_cast<size_t>(room - 1)) break;
    length += step;
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

HWND WINAPI FindWindowProgramText(LPCSTR windowClass, LPCSTR title) {
  return FindWindowW(NameArgument(windowClass).get(), NameArgument(title).get());
}

HWND WINAPI FindWindowExProgramText(HWND parent, HWND after, LPCSTR windowClass, LPCSTR title) {
  return FindWindowExW(parent, after, NameArgument(windowClass).get(), NameArgument(title).get());
}

int WINAPI GetWindowTextProgramText(HWND window, LPSTR buffer, int room) {
  return CopyOut(SystemWindowText(window), buffer, room);
}

int WINAPI GetClassNameProgramText(HWND window, LPSTR buffer, int room) {
  wchar_t name[256] = L"";
  const int length = GetClassNameW(window, name, static_cast<int>(ARRAYSIZE(name)));
  return length > 0 ? CopyOut(ToProgramText(std::wstring(name, static_cast<size_t>(length))), buffer, room) : 0;
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
  return static_cast<DWORD>(CopyOut(text, buffer, static_cast<int>(room)));
}

// The window procedures the program installs read no text from their
// messages (the hotkey module's reads only WM_HOTKEY's number), so setting
// and calling them through the wide functions keeps the window Unicode and
// changes nothing they see.
LONG WINAPI SetWindowLongWide(HWND window, int index, LONG value) { return SetWindowLongW(window, index, value); }
LRESULT WINAPI CallWindowProcWide(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(procedure, window, message, wParam, lParam);
}

struct WideEntry {
  const char* exportName;
  void* entry;
};

const WideEntry kWideEntries[] = {
    {"FindWindowA", reinterpret_cast<void*>(&FindWindowProgramText)},
    {"FindWindowExA", reinterpret_cast<void*>(&FindWindowExProgramText)},
    {"GetWindowTextA", reinterpret_cast<void*>(&GetWindowTextProgramText)},
    {"GetClassNameA", reinterpret_cast<void*>(&GetClassNameProgramText)},
    {"MessageBoxA", reinterpret_cast<void*>(&MessageBoxProgramText)},
    {"FormatMessageA", reinterpret_cast<void*>(&FormatMessageProgramText)},
    {"SetWindowLongA", reinterpret_cast<void*>(&SetWindowLongWide)},
    {"CallWindowProcA", reinterpret_cast<void*>(&CallWindowProcWide)},
};

}  // namespace

void* WideEntryFor(const char* exportName) {
  if (exportName == nullptr) return nullptr;
  for (const WideEntry& wide : kWideEntries) {
    if (std::strcmp(wide.exportName, exportName) == 0) return wide.entry;
  }
  return nullptr;
}

}  // namespace klv
