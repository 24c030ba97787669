#include "runtime/program_profile.h"

#include <string>
#include <vector>

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

}  // namespace

DWORD WINAPI ReadProfileText(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer, DWORD room, LPCSTR file) {
  if (SystemSpeaksProgramText()) return GetPrivateProfileStringA(section, key, fallback, buffer, room, file);
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
  if (SystemSpeaksProgramText()) return WritePrivateProfileStringA(section, key, value, file);
  return WritePrivateProfileStringW(SystemTextArgument(section).get(), SystemTextArgument(key).get(),
                                    SystemTextArgument(value).get(), SystemTextArgument(file).get());
}

}  // namespace klv
