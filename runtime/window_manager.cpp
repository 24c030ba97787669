// Window descriptions and live windows. This first version knows no window
// template format yet: a program image with templates cannot be read, and
// no window can be loaded.
#include "runtime/window_manager.h"

#include "runtime/property_access.h"
#include "runtime/runtime_errors.h"

namespace klv {

bool ReadWindowTemplates(const uint8_t* block, uint32_t length) { return false; }
bool LoadWindowById(uint32_t windowId, bool modal, HWND parent) { return false; }
bool AnyLoadedWindowAlive() { return false; }
void DestroyAllWindowDescriptions() {}
bool PreTranslateWindowMessage(MSG* message) { return false; }
bool RunWindowIdleProcessing(uint32_t idleMilliseconds) { return false; }
uint32_t WindowHostNotify(int code, uint32_t first, uint32_t second) { return 0; }

uint64_t ReadProperty(uint32_t windowId, uint32_t unitId, int index, int element) {
  ReportRuntimeError("未载入欲访问窗口组件所在的窗口", 0);
}

void WriteProperty(uint32_t windowId, uint32_t unitId, int index, int element, uint64_t value) {
  ReportRuntimeError("未载入欲访问窗口组件所在的窗口", 0);
}

}  // namespace klv
