// The system's private-profile functions for files named in program text.
// Whichever form is called, they read and write a file's contents in the
// system's own code page (a UTF-16 file excepted, which they keep UTF-16).
// Where that code page is the program's and every text is one it holds (no
// four-byte sequence) they are called as they are; otherwise through the wide
// forms, which are right for a UTF-16 file, and what the caller gets and
// gives stays program text either way.
#pragma once
#include <windows.h>

namespace klv {

// GetPrivateProfileStringA's contract: a null section or key lists the
// names, each terminated, the list ending with a second terminator.
DWORD WINAPI ReadProfileText(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR buffer, DWORD room, LPCSTR file);

// WritePrivateProfileStringA's contract: a null key removes the section, a
// null value the key.
BOOL WINAPI WriteProfileText(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);

}  // namespace klv
