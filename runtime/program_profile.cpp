#include "runtime/program_profile.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/owned_handle.h"
#include "runtime/system_text.h"

namespace klv {
namespace {

// A list of names read back: each name cut to fit as a whole, the list
// ending with its second terminator, as the ANSI form fills the buffer.
DWORD CopyNameList(const std::wstring& names, LPSTR buffer, DWORD room) {
  if (room < 2) return 0;
  size_t used = 0;
  for (size_t start = 0; start < names.size();) {
    size_t end = names.find(L'\0', start);
    if (end == std::wstring::npos) end = names.size();
    const std::string name = ToProgramText(names.substr(start, end - start));
    if (used + name.size() + 2 > room) break;
    used += static_cast<size_t>(CopyToProgramBuffer(name, buffer + used, static_cast<int>(room - used))) + 1;
    start = end + 1;
  }
  buffer[used] = '\0';
  return static_cast<DWORD>(used);
}

// The ANSI forms where the system takes every text as meant: they keep a
// file's bytes as they stand. A folder, name or value with four-byte
// sequences goes to the wide forms, which carry any character.
bool AnsiFormsTakeAll(std::initializer_list<LPCSTR> texts) {
  for (LPCSTR text : texts) {
    if (!SystemReadsAsMeant(text)) return false;
  }
  return true;
}

// A file that starts with a Unicode mark (UTF-8, UTF-16 either way round),
// which the system reads as Unicode: the wide forms give what it holds
// whole, the ANSI forms only what the system's code page holds.
bool HasUnicodeMark(LPCSTR file) {
  if (file == nullptr) return false;
  HANDLE opened = CreateFileW(SystemTextArgument(file).get(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  const OwnedHandle<HANDLE, CloseHandle> handle(opened);
  unsigned char start[3] = {};
  DWORD read = 0;
  if (!ReadFile(handle.get(), start, sizeof start, &read, nullptr) || read < 2) return false;
  const bool utf16 = (start[0] == 0xFF && start[1] == 0xFE) || (start[0] == 0xFE && start[1] == 0xFF);
  return utf16 || (read == 3 && start[0] == 0xEF && start[1] == 0xBB && start[2] == 0xBF);
}

}  // namespace

DWORD WINAPI ReadProfileText(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer, DWORD room, LPCSTR file) {
  if (AnsiFormsTakeAll({section, key, fallback, file}) && !HasUnicodeMark(file)) return GetPrivateProfileStringA(section, key, fallback, buffer, room, file);
  if (buffer == nullptr || room == 0) return 0;
  std::vector<wchar_t> wide(room + 1, L'\0');
  const DWORD length = GetPrivateProfileStringW(SystemTextArgument(section).get(), SystemTextArgument(key).get(),
                                                SystemTextArgument(fallback).get(), wide.data(), room,
                                                SystemTextArgument(file).get());
  const std::wstring read(wide.data(), length);
  if (section == nullptr || key == nullptr) return CopyNameList(read, buffer, room);
  return static_cast<DWORD>(CopyToProgramBuffer(ToProgramText(read), buffer, static_cast<int>(room)));
}

BOOL WINAPI WriteProfileText(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  if (AnsiFormsTakeAll({section, key, value, file})) return WritePrivateProfileStringA(section, key, value, file);
  return WritePrivateProfileStringW(SystemTextArgument(section).get(), SystemTextArgument(key).get(),
                                    SystemTextArgument(value).get(), SystemTextArgument(file).get());
}

}  // namespace klv
