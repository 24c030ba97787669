#include "image/program_image_data.h"

#include "controls/commands/libraries.h"

namespace klv {

const LibraryRecord* const kProgramLibraries[4] = {&kCoreLibrary, &kExtendedControlsLibrary,
                                                   &kSpecialFunctionsLibrary, &kTrayIconLibrary};

}  // namespace klv
