// The system functions the runtime binds by name reach it through this test
// program's GetProcAddress (its import slot is pointed at a watcher): a test
// can hand out a stand-in under an export name, or hide a name as a system
// without that function answers. Only what is bound after the change sees it.
#pragma once

namespace klvtest {

// From now on the runtime binds `standIn` under that name wherever the
// system has the function; *real receives the system's own at each binding,
// for the stand-in to call.
void StandInFor(const char* exportName, void* standIn, void** real);
// While hidden, looking the name up finds nothing.
void HideFunction(const char* exportName, bool hidden);

}  // namespace klvtest
