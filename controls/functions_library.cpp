// The special functions library (library number 3): listed by the program,
// with no data types and no commands of its own.
#include "controls/host.h"
#include "controls/libraries.h"

namespace klv {

const LibraryRecord kSpecialFunctionsLibrary = {
    kLibraryFormatWord, "SpecialFunctionsLibrary", 3, 1, 0, 5, 0, 5, 0, "特殊功能支持库", 1, 0, 0,
    {"", "", "", "", "", "", "", ""}, 0, nullptr, 0, 0, 0, 0, nullptr, 0, 0,
    ProcessNotifyLibrary, {0, 0, 0, 0, 0},
};

}  // namespace klv
