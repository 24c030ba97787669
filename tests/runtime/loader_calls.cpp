#include "tests/runtime/loader_calls.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "runtime/system_text.h"
#include "tests/support/import_slots.h"

namespace klvtest {
namespace {

using LoadLibraryFunction = HMODULE(WINAPI*)(LPCSTR);
using GetProcAddressFunction = FARPROC(WINAPI*)(HMODULE, LPCSTR);
using FreeLibraryFunction = BOOL(WINAPI*)(HMODULE);

LoadLibraryFunction g_realLoadLibrary = nullptr;
HMODULE(WINAPI* g_realLoadLibraryWide)(LPCWSTR) = nullptr;
GetProcAddressFunction g_realGetProcAddress = nullptr;
FreeLibraryFunction g_realFreeLibrary = nullptr;
bool g_recording = false;
std::vector<std::string> g_calls;

std::string ModuleName(HMODULE module) {
  if (module == nullptr) return "null";
  char path[MAX_PATH * 2] = "";
  if (GetModuleFileNameA(module, path, sizeof path) == 0) return "unknown";
  std::string name(path);
  name = name.substr(name.find_last_of('\\') + 1);
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name;
}

std::string Quoted(LPCSTR name) {
  if (HIWORD(reinterpret_cast<uintptr_t>(name)) == 0) return "#" + std::to_string(reinterpret_cast<uintptr_t>(name));
  return "\"" + std::string(name) + "\"";
}

HMODULE WINAPI LoadLibraryWatched(LPCSTR name) {
  HMODULE module = g_realLoadLibrary(name);
  if (g_recording) g_calls.push_back("LoadLibraryA(" + Quoted(name) + ") -> " + ModuleName(module));
  return module;
}

// A path in program text reaches the system in UTF-16; logged as program text.
HMODULE WINAPI LoadLibraryWideWatched(LPCWSTR name) {
  HMODULE module = g_realLoadLibraryWide(name);
  if (g_recording) g_calls.push_back("LoadLibraryW(\"" + klv::ToProgramText(name) + "\") -> " + ModuleName(module));
  return module;
}

FARPROC WINAPI GetProcAddressWatched(HMODULE module, LPCSTR name) {
  FARPROC address = g_realGetProcAddress(module, name);
  if (g_recording) {
    g_calls.push_back("GetProcAddress(" + ModuleName(module) + ", " + Quoted(name) + ") -> " +
                      (address ? "found" : "null"));
  }
  return address;
}

BOOL WINAPI FreeLibraryWatched(HMODULE module) {
  if (g_recording) g_calls.push_back("FreeLibrary(" + ModuleName(module) + ")");
  return g_realFreeLibrary(module);
}

void InstallOnce() {
  if (g_realLoadLibrary) return;
  // Taken through the import table itself, before it is changed.
  g_realLoadLibrary = &LoadLibraryA;
  g_realLoadLibraryWide = &LoadLibraryW;
  g_realGetProcAddress = &GetProcAddress;
  g_realFreeLibrary = &FreeLibrary;
  RedirectImports(reinterpret_cast<void*>(g_realLoadLibrary), reinterpret_cast<void*>(&LoadLibraryWatched));
  RedirectImports(reinterpret_cast<void*>(g_realLoadLibraryWide), reinterpret_cast<void*>(&LoadLibraryWideWatched));
  RedirectImports(reinterpret_cast<void*>(g_realGetProcAddress), reinterpret_cast<void*>(&GetProcAddressWatched));
  RedirectImports(reinterpret_cast<void*>(g_realFreeLibrary), reinterpret_cast<void*>(&FreeLibraryWatched));
}

}  // namespace

LoaderCallLog::LoaderCallLog() {
  InstallOnce();
  g_calls.clear();
  g_recording = true;
}

LoaderCallLog::~LoaderCallLog() {
  g_recording = false;
  g_calls.clear();
}

std::vector<std::string> LoaderCallLog::Take() {
  std::vector<std::string> taken;
  taken.swap(g_calls);
  return taken;
}

}  // namespace klvtest
