// The window template block of the program image.
#pragma once
#include <cstdint>

namespace klv {

extern const uint8_t* const kMainWindowTemplate;
extern const uint32_t kMainWindowTemplateLength;

}  // namespace klv
