// The window template block of the program image: MainWindow, generated at
// build time from image/main_window_description.cpp. The length is a
// constant, so that the image header that points at the block is constant
// data too.
#pragma once
#include <cstdint>

#include "main_window_template_length.h"  // generated: kMainWindowTemplateLength

namespace klv {

extern const uint8_t kMainWindowTemplate[kMainWindowTemplateLength];

}  // namespace klv
