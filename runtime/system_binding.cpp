#include "runtime/system_binding.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "runtime/heap.h"
#include "runtime/program_path.h"
#include "runtime/runtime_errors.h"
#include "runtime/system_text.h"
#include "runtime/system_thunks.h"
#include "runtime/text_value.h"
#include "runtime/wide_entries.h"

namespace klv {

const char* const kDefaultLibraryList[6] = {"Kernel32.dll", "Gdi32.dll",   "User32.dll",
                                            "Advapi32.dll", "Mpr.dll",     "Shell32.dll"};

namespace {

struct SystemFunctionTables {
  std::vector<const char*> libraryTexts;
  std::vector<const char*> exportNames;
  std::vector<void*> boundAddresses;    // written with one store each: 0 or the final address
  std::vector<HMODULE> boundModules;
  // Optional entries found missing once: not looked for again.
  std::vector<uint8_t> absent;
};

SystemFunctionTables g_tables;

const char* LibraryText(int n) {
  return n >= 0 && n < static_cast<int>(g_tables.libraryTexts.size()) ? g_tables.libraryTexts[n] : nullptr;
}
const char* ExportName(int n) {
  return n >= 0 && n < static_cast<int>(g_tables.exportNames.size()) ? g_tables.exportNames[n] : nullptr;
}
bool CacheSlot(int n) { return n >= 0 && n < static_cast<int>(g_tables.boundAddresses.size()); }

[[noreturn]] void ReportUnbindable(const char* library, const char* exportName) {
  char message[600];
  if (TextIsEmpty(library)) {
    std::snprintf(message, sizeof message, "无法找到指定DLL库文件中的输出命令“%s”", exportName ? exportName : "");
  } else {
    std::snprintf(message, sizeof message, "无法找到指定DLL库文件“%s”中的输出命令“%s”", library,
                  exportName ? exportName : "");
  }
  ReportRuntimeError(message, 0);
}

// Searches the default libraries; returns the module that exports the name.
HMODULE SearchDefaultLibraries(const char* exportName, void** address) {
  for (const char* name : kDefaultLibraryList) {
    HMODULE module = LoadLibraryA(name);
    if (module == nullptr) continue;
    *address = reinterpret_cast<void*>(GetProcAddress(module, exportName));
    if (*address != nullptr) return module;
    FreeLibrary(module);
  }
  return nullptr;
}

// A name with a colon is a full path; any other is tried beside the program
// first, then through the system's own search order.
HMODULE LoadNamedLibrary(const char* library) {
  if (std::strchr(library, ':') != nullptr) return LoadLibraryW(SystemTextArgument(library).get());
  char* besideProgram = ConcatTexts({ProgramDirectory(), "\\", library});
  HMODULE module = LoadLibraryW(SystemTextArgument(besideProgram ? besideProgram : library).get());
  FreeMemory(besideProgram);
  if (module == nullptr) module = LoadLibraryW(SystemTextArgument(library).get());
  return module;
}

// Binding is invisible to the caller: the thread's last error stays what the
// call before left (the first call of GetLastError through the table would
// otherwise answer the binding's own failed library loads).
class LastErrorKept {
 public:
  LastErrorKept() : error_(GetLastError()) {}
  ~LastErrorKept() { SetLastError(error_); }
  LastErrorKept(const LastErrorKept&) = delete;
  LastErrorKept& operator=(const LastErrorKept&) = delete;

 private:
  DWORD error_;
};

// Binds entry n on its first call. An entry that cannot be bound is the
// runtime error, unless it may be missing: then it is noted as absent and
// the answer is null, now and on every later call.
void* Bind(int n, bool mayBeMissing) {
  if (CacheSlot(n) && g_tables.boundAddresses[n] != nullptr) return g_tables.boundAddresses[n];
  if (mayBeMissing && CacheSlot(n) && g_tables.absent[n]) return nullptr;
  LastErrorKept lastError;
  const char* library = LibraryText(n);
  const char* exportName = ExportName(n);
  void* address = nullptr;
  HMODULE module = nullptr;
  if (exportName == nullptr) ReportUnbindable(library, exportName);
  if (TextIsEmpty(library)) {
    module = SearchDefaultLibraries(exportName, &address);
  } else {
    module = LoadNamedLibrary(library);
    if (module) address = reinterpret_cast<void*>(GetProcAddress(module, exportName));
  }
  if (address == nullptr) {
    if (module) FreeLibrary(module);
    if (!mayBeMissing) ReportUnbindable(library, exportName);
    if (CacheSlot(n)) g_tables.absent[n] = 1;
    return nullptr;
  }
  // Where the system has the function, an entry that carries text binds to
  // the runtime's own, which speaks program text to the wide function.
  if (void* wide = WideEntryFor(n)) address = wide;
  if (CacheSlot(n)) {
    g_tables.boundModules[n] = module;
    g_tables.boundAddresses[n] = address;
  }
  return address;
}

}  // namespace

void InitSystemFunctionTables(const ProgramImageHeader* image) {
  uint32_t count = image ? image->systemFunctionCount : 0;
  g_tables.libraryTexts.assign(count, nullptr);
  g_tables.exportNames.assign(count, nullptr);
  g_tables.boundAddresses.assign(count, nullptr);
  g_tables.boundModules.assign(count, nullptr);
  g_tables.absent.assign(count, 0);
  for (uint32_t i = 0; i < count; ++i) {
    g_tables.libraryTexts[i] = image->libraryNames[i];
    g_tables.exportNames[i] = image->functionNames[i];
  }
}

void* ResolveSystemFunction(int n) { return Bind(n, false); }

uint32_t CallSystemFunction(int number, int argumentCount, const uint32_t* arguments) {
  const SystemFunctionThunk* thunk = SystemFunctionThunkFor(number);
  if (thunk == nullptr) ReportUnbindable(LibraryText(number), ExportName(number));
  void* address = Bind(number, thunk->optional());
  if (argumentCount != thunk->argumentCount) RaiseRuntimeError(RuntimeError::kStackErrorAfterDllCall);
  return address ? thunk->invoke(address, arguments) : 0;
}

void ReleaseSystemFunctions() {
  for (HMODULE module : g_tables.boundModules) {
    if (module) FreeLibrary(module);
  }
  g_tables = SystemFunctionTables();
}

void* BoundSystemAddress(int number) { return CacheSlot(number) ? g_tables.boundAddresses[number] : nullptr; }
HMODULE BoundSystemModule(int number) { return CacheSlot(number) ? g_tables.boundModules[number] : nullptr; }

void ForgetSystemFunction(int number) {
  if (!CacheSlot(number)) return;
  if (HMODULE module = g_tables.boundModules[number]) FreeLibrary(module);
  g_tables.boundModules[number] = nullptr;
  g_tables.boundAddresses[number] = nullptr;
  g_tables.absent[number] = 0;
}

}  // namespace klv
