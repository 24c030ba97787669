// No window template is built into the image yet: the template block is empty,
// so the start window cannot be loaded.
#include "image/window_template_data.h"

namespace klv {

const uint8_t* const kMainWindowTemplate = nullptr;
const uint32_t kMainWindowTemplateLength = 0;

}  // namespace klv
