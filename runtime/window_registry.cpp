#include "runtime/window_registry.h"

#include "runtime/app_runtime.h"
#include "runtime/event_notice.h"
#include "runtime/runtime_errors.h"
#include "runtime/window_manager.h"

namespace klv {
namespace {

std::vector<std::unique_ptr<LiveWindow>> g_windows;

// Turns template handler references into the program's handlers.
bool ResolveHandler(int32_t reference, EventHandler* handler) {
  *handler = nullptr;
  if (reference == kNoHandler) return true;
  const ProgramImageHeader* image = Runtime().image;
  const ProgramCode* code = image ? image->codeBase : nullptr;
  if (code == nullptr || reference < 0 || static_cast<uint32_t>(reference) >= code->handlerCount) return false;
  *handler = code->handlers[reference];
  return true;
}

bool ResolveUnit(LiveUnit& unit) {
  if (unit.isMenuEntry()) {
    unit.type = TypeRecordFor(kMenuEntryType);
    return ResolveHandler(unit.description.menu.handlerRef, &unit.menuHandler);
  }
  unit.type = TypeRecordFor(unit.record().type);
  unit.handlers.resize(unit.record().events.size());
  for (size_t i = 0; i < unit.handlers.size(); ++i) {
    if (!ResolveHandler(unit.record().events[i].handlerRef, &unit.handlers[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<std::unique_ptr<LiveWindow>>& AllWindowDescriptions() { return g_windows; }

const DataTypeRecord* TypeRecordFor(uint32_t typeCode) {
  return reinterpret_cast<const DataTypeRecord*>(
      static_cast<uintptr_t>(HostNotify(HostNotifyCode::kDataTypeRecord, typeCode, 0)));
}

// Start-up finds where each window's record lies; a window's units are read
// and their handlers resolved when the window is first asked for, so that a
// window the operator never opens costs nothing.
bool ReadWindowTemplates(const uint8_t* block, uint32_t length) {
  std::vector<WindowRecordSpan> spans;
  if (!IndexTemplateBlock(block, length, &spans)) return false;
  std::vector<std::unique_ptr<LiveWindow>> live;
  for (const WindowRecordSpan& span : spans) {
    auto window = std::make_unique<LiveWindow>();
    window->windowId = span.windowId;
    window->record = block + span.offset;
    window->recordLength = span.length;
    live.push_back(std::move(window));
  }
  g_windows = std::move(live);
  return true;
}

namespace {

bool Describe(LiveWindow& window) {
  WindowDescription description;
  if (!ReadWindowRecord(window.record, window.recordLength, window.windowId, &description)) return false;
  window.units.resize(description.units.size());
  for (size_t i = 0; i < description.units.size(); ++i) {
    window.units[i].description = std::move(description.units[i]);
    if (!ResolveUnit(window.units[i])) return false;
  }
  description.units.clear();
  window.head = std::move(description);
  return true;
}

}  // namespace

LiveWindow* FindWindowDescription(uint32_t windowId) {
  for (auto& window : g_windows) {
    if (window->windowId != windowId) continue;
    if (!window->described) {
      if (!Describe(*window)) {
        window->units.clear();
        ReportRuntimeError(kUnreadableTemplateMessage, 0);
      }
      window->described = true;
    }
    return window.get();
  }
  return nullptr;
}

LiveUnit* FindUnit(LiveWindow& window, uint32_t unitId, size_t* index) {
  for (size_t i = 0; i < window.units.size(); ++i) {
    if ((unitId == 0 && i == 0) || window.units[i].description.unitId == unitId) {
      if (index) *index = i;
      return &window.units[i];
    }
  }
  return nullptr;
}

bool AnyLoadedWindowAlive() {
  for (auto& window : g_windows) {
    if (window->loaded && window->alive()) return true;
  }
  return false;
}

bool OnlyLoadedWindowAlive(uint32_t windowId) {
  bool found = false;
  for (auto& window : g_windows) {
    if (!window->loaded || !window->alive()) continue;
    if (window->windowId != windowId) return false;
    found = true;
  }
  return found;
}

void ForgetLiveWindow(uint32_t windowId) {
  LiveWindow* window = FindWindowDescription(windowId);
  if (window == nullptr) return;
  for (HWND other : window->disabledByModal) EnableWindow(other, TRUE);
  window->disabledByModal.clear();
  if (window->accelerators) DestroyAcceleratorTable(window->accelerators);
  window->accelerators = nullptr;
  window->menuBar = nullptr;  // destroyed with its window
  bool wasLoaded = window->loaded;
  window->loaded = false;
  // Controls first (last to first), the window's own unit last.
  for (size_t i = window->units.size(); i-- > 0;) {
    LiveUnit& unit = window->units[i];
    if (unit.cursor) DestroyCursor(unit.cursor);
    unit.cursor = nullptr;
    UnitObject* object = unit.object;
    unit.object = nullptr;
    if (object && unit.type && unit.type->interfaceFunction) {
      auto destroy = reinterpret_cast<SharedOperation>(unit.type->interfaceFunction(TypeOperation::kShared));
      if (destroy) destroy(object);
    }
  }
  if (wasLoaded && Runtime().lastWindowEndsLoop && !AnyLoadedWindowAlive()) PostQuitMessage(0);
}

void DestroyAllWindowDescriptions() {
  for (auto& window : g_windows) {
    HWND hwnd = window->hwnd();
    if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
    ForgetLiveWindow(window->windowId);
  }
  g_windows.clear();
}

bool RunWindowIdleProcessing(uint32_t idleMilliseconds) {
  bool more = false;
  for (auto& window : g_windows) {
    if (!window->loaded || !window->alive() || !window->units[0].object) continue;
    HandlerResult result = {false, 0};
    if (window->units[0].object->RaiseEvent(WindowEvent::kIdle, {idleMilliseconds}, &result) && result.hasValue && result.value) {
      more = true;
    }
  }
  return more;
}

}  // namespace klv
