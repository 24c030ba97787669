// Watches the module-loading calls this test program makes through its own
// import table (LoadLibraryA, GetProcAddress, FreeLibrary), as the runtime's
// binding code makes them. The calls still reach the system; each one is
// also written down as a line such as
//   LoadLibraryA("Gdi32.dll") -> gdi32.dll
//   GetProcAddress(gdi32.dll, "PostMessageA") -> null
//   FreeLibrary(gdi32.dll)
// with modules named by their lower-case file name.
#pragma once
#include <string>
#include <vector>

namespace klvtest {

class LoaderCallLog {
 public:
  LoaderCallLog();  // starts writing down
  ~LoaderCallLog();
  LoaderCallLog(const LoaderCallLog&) = delete;
  LoaderCallLog& operator=(const LoaderCallLog&) = delete;

  // The calls seen since the start or the last Take.
  std::vector<std::string> Take();
};

}  // namespace klvtest
