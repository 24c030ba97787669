#include "tests/support/bound_functions.h"

#include <windows.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "tests/support/import_slots.h"

namespace klvtest {
namespace {

using GetProcAddressFunction = FARPROC(WINAPI*)(HMODULE, LPCSTR);

struct Change {
  std::string name;
  void* standIn = nullptr;
  void** real = nullptr;
  std::atomic<bool> hidden{false};
};

GetProcAddressFunction g_realGetProcAddress = nullptr;
std::mutex g_lock;
std::vector<Change*> g_changes;  // never freed: bindings may outlive any test

Change& ChangeFor(const char* name) {
  std::lock_guard<std::mutex> guard(g_lock);
  for (Change* change : g_changes) {
    if (change->name == name) return *change;
  }
  g_changes.push_back(new Change);
  g_changes.back()->name = name;
  return *g_changes.back();
}

const Change* Find(const char* name) {
  std::lock_guard<std::mutex> guard(g_lock);
  for (const Change* change : g_changes) {
    if (change->name == name) return change;
  }
  return nullptr;
}

FARPROC WINAPI WatchedGetProcAddress(HMODULE module, LPCSTR name) {
  FARPROC address = g_realGetProcAddress(module, name);
  if (HIWORD(reinterpret_cast<uintptr_t>(name)) == 0) return address;  // by ordinal
  const Change* change = Find(name);
  if (change == nullptr) return address;
  if (change->hidden) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  // Only where the module asked has the function: the stand-in passes calls on.
  if (change->standIn == nullptr || address == nullptr) return address;
  *change->real = reinterpret_cast<void*>(address);
  return reinterpret_cast<FARPROC>(change->standIn);
}

void Install() {
  std::lock_guard<std::mutex> guard(g_lock);
  if (g_realGetProcAddress) return;
  g_realGetProcAddress = &GetProcAddress;  // through the import table, before it changes
  RedirectImports(reinterpret_cast<void*>(g_realGetProcAddress), reinterpret_cast<void*>(&WatchedGetProcAddress));
}

}  // namespace

void StandInFor(const char* exportName, void* standIn, void** real) {
  Install();
  Change& change = ChangeFor(exportName);
  change.real = real;
  change.standIn = standIn;
}

void HideFunction(const char* exportName, bool hidden) {
  Install();
  ChangeFor(exportName).hidden = hidden;
}

}  // namespace klvtest
