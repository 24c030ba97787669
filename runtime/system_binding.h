// Binding of the program image's named system functions: each entry is bound
// to an address on its first call, then called through its fixed prototype.
#pragma once
#include <windows.h>

#include <cstdint>

#include "runtime/interface/image_format.h"

namespace klv {

// The libraries searched, in order, for an entry with an empty library text.
extern const char* const kDefaultLibraryList[6];

void InitSystemFunctionTables(const ProgramImageHeader* image);
// Binds entry n if needed; reports a runtime error (and does not return) when
// the library or the export cannot be found.
void* ResolveSystemFunction(int number);
// The support entry: the argument count must match the entry's prototype, or
// the call is runtime error 6 (the stack would not balance). An optional
// entry (a function of a later Windows than the oldest supported) that the
// system lacks is not called: the answer is 0.
uint32_t CallSystemFunction(int number, int argumentCount, const uint32_t* arguments);
// Shut-down: every held module is released and the tables emptied.
void ReleaseSystemFunctions();

// Inspection for tests.
void* BoundSystemAddress(int number);
HMODULE BoundSystemModule(int number);
// Forgets entry n's binding (its module released), so that its next call
// binds it anew, as on a fresh start; for tests of a system without it.
void ForgetSystemFunction(int number);

}  // namespace klv
