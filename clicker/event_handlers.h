// The handlers the main window's template binds, in the order of their
// handler ids (image/handler_ids.h).
#pragma once
#include <array>

#include "image/handler_ids.h"
#include "runtime/interface/support_entries.h"

namespace klv::clicker {

extern const std::array<EventHandler, kHandlerCount> kEventHandlers;

}  // namespace klv::clicker
