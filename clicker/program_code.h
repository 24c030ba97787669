// The program's code as the image refers to it: the start routine and the
// table through which the window template's handler references resolve.
#pragma once
#include "runtime/interface/image_format.h"

namespace klv {

extern const ProgramCode kProgramCode;

}  // namespace klv
