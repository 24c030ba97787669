// The special functions library (library number 3): listed by the program,
// with no data types and no commands of its own.
#include "controls/commands/libraries.h"
#include "controls/commands/library_record.h"

namespace klv {

const LibraryRecord kSpecialFunctionsLibrary = LibraryRecordNamed("SpecialFunctionsLibrary", "特殊功能支持库", 3, 1);

}  // namespace klv
