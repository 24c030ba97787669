// What a process holds, counted in ways that work under Wine as well.
#pragma once
#include <windows.h>

#include <cstddef>

namespace klvtest {

// Open handles, found by asking about each possible handle value (Wine
// answers GetProcessHandleCount with 0).
DWORD OpenHandles();
// Committed private memory of the process, in bytes.
size_t PrivateCommittedBytes();

}  // namespace klvtest
