#include "clicker/program_code.h"

#include "clicker/event_handlers.h"
#include "clicker/program_start.h"

namespace klv {

const ProgramCode kProgramCode = {clicker::ProgramStart, clicker::kEventHandlerCount, clicker::kEventHandlers};

}  // namespace klv
