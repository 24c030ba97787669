// The special functions library (library number 3): listed by the program,
// with no data types and no commands of its own.
#include "controls/libraries.h"
#include "controls/library_record.h"

namespace klv {

const LibraryRecord kSpecialFunctionsLibrary = LibraryRecordNamed("SpecialFunctionsLibrary", "特殊功能支持库", 3, 1);

}  // namespace klv
