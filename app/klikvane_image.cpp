#include "app/klikvane_image.h"

#include <iterator>

#include "clicker/program_code.h"
#include "image/program_constants.h"
#include "image/program_image_data.h"
#include "image/window_template_data.h"

namespace klv {
namespace {

// The header's first three words. The runtime keeps them; nothing in the
// program depends on them.
constexpr uint32_t kRunMode = 3;
constexpr uint32_t kSecondHeaderWord = 0;
constexpr uint32_t kThirdHeaderWord = 0x183F6;  // stored increased by one

ProgramImageHeader KlikvaneImageHeader() {
  ProgramImageHeader header = {};
  header.runMode = kRunMode;
  header.unknownHeaderWord2 = kSecondHeaderWord;
  header.unknownHeaderWord3 = kThirdHeaderWord + 1;
  header.codeBase = &kProgramCode;
  header.constants = reinterpret_cast<const uint8_t*>(&kConstants);
  header.constantsLength = sizeof kConstants;
  header.templateBlock = kMainWindowTemplate;
  header.templateLength = kMainWindowTemplateLength;
  header.libraryCount = std::size(kProgramLibraries);
  header.libraries = kProgramLibraries;
  header.systemFunctionCount = kSystemFunctionEntries;
  header.libraryNames = kSystemLibraryNames.data();
  header.functionNames = kSystemFunctionNames.data();
  return header;
}

}  // namespace

const ProgramImageHeader kProgramImage = KlikvaneImageHeader();

}  // namespace klv
