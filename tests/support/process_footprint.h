// What a process holds, counted in ways that work under Wine as well, for
// this process or, through a handle to it, for another one.
#pragma once
#include <windows.h>

#include <cstddef>

namespace klvtest {

// Open handles, found by asking about each possible handle value (Wine
// answers GetProcessHandleCount with 0).
DWORD OpenHandles();
// The same for another process, read from outside: each value that can be
// duplicated out of it (the process handle needs PROCESS_DUP_HANDLE).
DWORD OpenHandles(HANDLE process);
// Committed private memory of the process, in bytes.
size_t PrivateCommittedBytes();
// The same for another process (PROCESS_QUERY_INFORMATION).
size_t PrivateCommittedBytes(HANDLE process);

}  // namespace klvtest
