#include "image/program_image_data.h"

#include "controls/libraries.h"
#include "image/program_constants.h"
#include "image/window_template_data.h"

namespace klv {

const LibraryRecord* const kProgramLibraries[4] = {&kCoreLibrary, &kExtendedControlsLibrary,
                                                   &kSpecialFunctionsLibrary, &kTrayIconLibrary};

const ProgramImageHeader kProgramImage = {
    3,
    0,
    0x183F6 + 1,
    &kProgramCode,
    reinterpret_cast<const uint8_t*>(&kConstants),
    sizeof kConstants,
    kMainWindowTemplate,
    kMainWindowTemplateLength,
    4,
    kProgramLibraries,
    kSystemFunctionEntries,
    kSystemLibraryNames.data(),
    kSystemFunctionNames.data(),
};

}  // namespace klv
