#include "runtime/program_path.h"

#include <windows.h>

#include <string>

#include "runtime/heap.h"
#include "runtime/system_text.h"
#include "runtime/text_value.h"

namespace klv {
namespace {
char* g_directory = nullptr;
char* g_fileName = nullptr;
}  // namespace

const char* ProgramDirectory() { return g_directory; }
const char* ProgramFileName() { return g_fileName; }

// Split where the system sees the last backslash: in GBK a backslash byte
// may also be the second byte of a character.
void SplitProgramPath() {
  const std::wstring path = ProgramModulePath();
  const size_t slash = path.rfind(L'\\');
  const std::string directory = slash == std::wstring::npos ? std::string() : ToProgramText(path.substr(0, slash));
  const std::string name = ToProgramText(slash == std::wstring::npos ? path : path.substr(slash + 1));
  FreeMemory(g_directory);
  FreeMemory(g_fileName);
  g_directory = slash == std::wstring::npos ? nullptr : CopyTextBytes(directory.data(), directory.size());
  g_fileName = CopyText(name.c_str());
  // "C:" alone would name the drive's current folder, not its root.
  char* current = ConcatTexts({g_directory, "\\"});
  SetCurrentDirectoryW(SystemTextArgument(current).get());
  FreeMemory(current);
}

}  // namespace klv
