#include "clicker/program_code.h"

#include "clicker/event_handlers.h"
#include "clicker/program_start.h"

namespace klv {

const ProgramCode kProgramCode = {clicker::ProgramStart, static_cast<uint32_t>(clicker::kEventHandlers.size()),
                                  clicker::kEventHandlers.data()};

}  // namespace klv
