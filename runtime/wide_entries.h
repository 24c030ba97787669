// The system functions of the image's table that carry text in the
// system's code page are bound to entries of the runtime's own, which take
// and give program text (code page 936) and call the wide functions; the
// window-procedure pair binds to its wide forms. The table itself keeps
// its entries as they are.
#pragma once

namespace klv {

// The runtime's entry for system-function entry number n, or null for an
// entry bound as the system exports it.
void* WideEntryFor(int number);

}  // namespace klv
