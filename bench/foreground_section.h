// Foreground clicks at delay 0: the program's run against two bare loops on
// a thread of this process, one per way of synthesising a click: the
// cursor moved, a press and release that carry no point, the cursor moved
// back (the earlier way); or one batch of input whose press and release
// carry their point, the move back after them (the program's way).
#pragma once

#include "bench/klikvane_program.h"

namespace klvbench {

void ForegroundSection(KlikvaneProgram& program, double scale);

}  // namespace klvbench
