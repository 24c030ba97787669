// The description of the options window: the operator's own hotkeys. It is
// owned by the main window and loaded when the operator first asks for it.
#pragma once

#include "runtime/window_template.h"

namespace klv {

WindowDescription OptionsWindowDescription();

}  // namespace klv
