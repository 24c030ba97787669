#include "app/klikvane_image.h"

#include "clicker/program_code.h"
#include "image/program_constants.h"
#include "image/program_image_data.h"
#include "image/window_template_data.h"

namespace klv {
namespace {

// The header's first words. The runtime keeps them; nothing in the
// program depends on them.
constexpr uint32_t kRunMode = 3;
constexpr uint32_t kSecondHeaderWord = 0;
constexpr uint32_t kThirdHeaderWord = 0x183F6;  // stored increased by one

}  // namespace

// Filled by field name (designated initialisers, which this compiler takes
// in C++17 too) and still a constant: the header lies in read-only data, as
// the rest of the image does, with no code run to fill it.
const ProgramImageHeader kProgramImage = {
    .runMode = kRunMode,
    .unknownHeaderWord2 = kSecondHeaderWord,
    .unknownHeaderWord3 = kThirdHeaderWord + 1,
    .codeBase = &kProgramCode,
    .constants = reinterpret_cast<const uint8_t*>(&kConstants),
    .constantsLength = sizeof kConstants,
    .templateBlock = kMainWindowTemplate,
    .templateLength = kMainWindowTemplateLength,
    .libraryCount = kProgramLibraries.size(),
    .libraries = kProgramLibraries.data(),
    .systemFunctionCount = kSystemFunctionEntries,
    .libraryNames = kSystemLibraryNames.data(),
    .functionNames = kSystemFunctionNames.data(),
};

}  // namespace klv
