// The handlers the main window's template binds, in the handler table's
// order (image/handler_ids.h).
#pragma once
#include "runtime/support_entries.h"

namespace klv::clicker {

extern const EventHandler kEventHandlers[];
extern const uint32_t kEventHandlerCount;

}  // namespace klv::clicker
