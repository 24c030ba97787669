// The image's code base: the program's start routine and the table through
// which the window template's handler references are resolved.
#include "clicker/program_start.h"
#include "image/program_image_data.h"

namespace klv {

const ProgramCode kProgramCode = {clicker::ProgramStart, 0, nullptr};

}  // namespace klv
