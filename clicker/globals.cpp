#include "clicker/globals.h"

#include "clicker/runtime_access.h"

namespace klv::clicker {
namespace {

ClickerGlobals g_globals;

template <typename Record, typename FreeTexts>
void FreeRecordArray(void*& array, FreeTexts freeTexts) {
  if (array == nullptr) return;
  for (uint32_t i = 0; i < PointerCount(array); ++i) {
    if (auto* record = static_cast<Record*>(PointerAt(array, i))) freeTexts(*record);
  }
  FreePointerArrayDeep(array);
  array = nullptr;
}

}  // namespace

ClickerGlobals& Globals() { return g_globals; }

void CreateGlobals() {
  g_globals.hotkeyTable = NewEmptyPointerArray();
  g_globals.windowSnapshot = NewEmptyPointerArray();
}

void ReleaseGlobals() {
  Free(g_globals.settingsPath);
  g_globals.settingsPath = nullptr;
  FreeRecordArray<HotkeyRecord>(g_globals.hotkeyTable, [](HotkeyRecord& r) { Free(r.identifier); });
  FreeRecordArray<WindowInfo>(g_globals.windowSnapshot, [](WindowInfo& w) {
    Free(w.title);
    Free(w.className);
  });
}

}  // namespace klv::clicker
