// The image's code base: the program's start routine and the table through
// which the window template's handler references are resolved.
#include "clicker/event_handlers.h"
#include "clicker/program_start.h"
#include "image/program_image_data.h"

namespace klv {

const ProgramCode kProgramCode = {clicker::ProgramStart, clicker::kEventHandlerCount, clicker::kEventHandlers};

}  // namespace klv
