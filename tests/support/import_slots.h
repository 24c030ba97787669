// This program's import slots: every call the program makes to a system
// function it imports goes through one, so pointing a slot elsewhere puts a
// watcher in front of the function for the whole program (the runtime and
// the clicker linked into it among them).
#pragma once

namespace klvtest {

// Points every import slot of this program that holds `from` at `to`.
void RedirectImports(void* from, void* to);

}  // namespace klvtest
