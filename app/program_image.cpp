#include "app/program_image.h"

#include <iterator>

#include "clicker/program_code.h"
#include "image/program_constants.h"
#include "image/program_image_data.h"
#include "image/window_template_data.h"

namespace klv {

const ProgramImageHeader kProgramImage = {
    3,
    0,
    0x183F6 + 1,
    &kProgramCode,
    reinterpret_cast<const uint8_t*>(&kConstants),
    sizeof kConstants,
    kMainWindowTemplate,
    kMainWindowTemplateLength,
    std::size(kProgramLibraries),
    kProgramLibraries,
    kSystemFunctionEntries,
    kSystemLibraryNames.data(),
    kSystemFunctionNames.data(),
};

}  // namespace klv
