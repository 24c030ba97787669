// A stand-in "user32.dll" with one export, mouse_event, that records each
// call in "mouse_event_calls.txt" beside itself. A program that binds
// mouse_event through the library text "user32.dll" reaches this one only
// when the copy in its own folder is searched first.
#include <windef.h>
#include <winbase.h>

#include <cstdio>
#include <cstring>

extern "C" IMAGE_DOS_HEADER __ImageBase;

extern "C" __declspec(dllexport) void WINAPI
    mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
  char path[MAX_PATH * 2] = "";
  GetModuleFileNameA(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
  char* slash = std::strrchr(path, '\\');
  std::strcpy(slash ? slash + 1 : path, "mouse_event_calls.txt");
  char line[128];
  int length = std::snprintf(line, sizeof line, "mouse_event %lu %lu %lu %lu %lu\n", flags, dx, dy, data,
                             static_cast<unsigned long>(extraInfo));
  HANDLE file =
      CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
  CloseHandle(file);
}
