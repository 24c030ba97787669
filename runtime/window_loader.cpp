// Loading a window: its menu, its system window and controls from the
// template, re-parenting, z-order, cursors, notices, and the first events.
#include <algorithm>

#include "runtime/app_runtime.h"
#include "runtime/events.h"
#include "runtime/runtime_errors.h"
#include "runtime/unit_conversions.h"
#include "runtime/window_manager.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

uint32_t g_loadingWindow = 0;

CreateOperation CreateOperationOf(const LiveUnit& unit) {
  if (unit.type == nullptr || unit.type->interfaceFunction == nullptr) return nullptr;
  return reinterpret_cast<CreateOperation>(unit.type->interfaceFunction(TypeOperation::kCreate));
}

bool Windowless(const LiveUnit& unit) { return unit.type && (unit.type->typeFlags & TypeFlags::kWindowless); }

CreateRequest RequestFor(LiveWindow& window, LiveUnit& unit, HWND parent, int childId, HMENU menu) {
  ControlRecord& r = unit.record();
  bool windowless = Windowless(unit);
  return CreateRequest{parent, window.windowId, unit.description.unitId, r.type, &r, r.left, r.top, r.width, r.height,
                       !windowless && (r.flags & UnitFlag::kDisabled) != 0,
                       !windowless && (r.flags & UnitFlag::kTabStop) != 0, childId, menu};
}

void DestroyPartialLoad(LiveWindow& window) {
  HWND hwnd = window.hwnd();
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  ForgetLiveWindow(window.windowId);
}

// The parent of a top-level window is its owner: it stays above it and goes
// with it when it is minimised or closed.
bool CreateWindowUnit(LiveWindow& window, HWND owner) {
  LiveUnit& own = window.units[0];
  CreateOperation create = CreateOperationOf(own);
  window.menuBar = BuildMenuBar(window);
  own.object = create ? create(RequestFor(window, own, owner, 0, window.menuBar)) : nullptr;
  if (own.object == nullptr) {
    if (window.menuBar) DestroyMenu(window.menuBar);
    window.menuBar = nullptr;
    return false;
  }
  return true;
}

bool CreateControls(LiveWindow& window) {
  HWND parent = window.hwnd();
  int childId = kFirstChildId;
  for (size_t i = window.units.size(); i-- > 1;) {
    LiveUnit& unit = window.units[i];
    if (unit.isMenuEntry()) continue;
    CreateOperation create = CreateOperationOf(unit);
    unit.object = create ? create(RequestFor(window, unit, parent, childId, nullptr)) : nullptr;
    if (unit.object == nullptr) return false;
    childId += kChildIdStep;
  }
  return true;
}

void Reparent(LiveWindow& window) {
  for (LiveUnit& unit : window.units) {
    if (unit.isMenuEntry()) continue;
    bool afterZero = false;
    for (uint32_t childId : unit.record().children) {
      if (childId == 0) {  // a 0 entry ends the first group (pages of a container)
        afterZero = true;
        continue;
      }
      LiveUnit* child = FindUnit(window, childId);
      if (child && afterZero) child->hiddenByPage = true;
    }
  }
  for (size_t i = 1; i < window.units.size(); ++i) {
    LiveUnit& unit = window.units[i];
    if (unit.isMenuEntry() || unit.record().parent == 0 || !unit.object || Windowless(unit)) continue;
    LiveUnit* container = FindUnit(window, unit.record().parent);
    if (container && container->object && container->object->hwnd()) {
      SetParent(unit.object->hwnd(), container->object->hwnd());
    }
  }
}

// Template order is z-order (and tab order): each control goes right after
// the nearest earlier control with the same parent; the first goes on top.
void ApplyZOrder(LiveWindow& window) {
  std::vector<std::pair<uint32_t, HWND>> lastByParent;
  for (size_t i = 1; i < window.units.size(); ++i) {
    LiveUnit& unit = window.units[i];
    if (unit.isMenuEntry() || !unit.object || !unit.object->hwnd() || Windowless(unit)) continue;
    uint32_t parent = unit.record().parent;
    auto it = std::find_if(lastByParent.begin(), lastByParent.end(),
                           [parent](const auto& entry) { return entry.first == parent; });
    HWND after = it == lastByParent.end() ? HWND_TOP : it->second;
    SetWindowPos(unit.object->hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (it == lastByParent.end()) lastByParent.push_back({parent, unit.object->hwnd()});
    else it->second = unit.object->hwnd();
  }
}

void SendNotice(LiveWindow& window, UINT notice) {
  for (size_t i = window.units.size(); i-- > 1;) {
    if (window.units[i].object) window.units[i].object->HandleLoadNotice(notice);
  }
}

void ShowControls(LiveWindow& window) {
  for (size_t i = 1; i < window.units.size(); ++i) {
    LiveUnit& unit = window.units[i];
    if (unit.isMenuEntry() || !unit.object || !unit.object->hwnd() || Windowless(unit)) continue;
    bool visible = (unit.record().flags & UnitFlag::kVisible) && !unit.hiddenByPage;
    ShowWindow(unit.object->hwnd(), visible ? SW_SHOWNA : SW_HIDE);
  }
}

void RaiseWindowEvent(LiveWindow& window, int event) {
  if (window.alive() && window.units[0].object) window.units[0].object->RaiseEvent(event);
}

void DisableOthersForModal(LiveWindow& window) {
  for (auto& other : AllWindowDescriptions()) {
    if (other.get() == &window || !other->loaded || !other->alive() || !IsWindowEnabled(other->hwnd())) continue;
    EnableWindow(other->hwnd(), FALSE);
    window.disabledByModal.push_back(other->hwnd());
  }
}

bool ActivateLoaded(LiveWindow& window) {
  HWND hwnd = window.hwnd();
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  else SetForegroundWindow(hwnd);
  return true;
}

bool ParentUsable(HWND parent) { return parent == nullptr || IsWindow(parent); }

}  // namespace

bool LoadWindowById(uint32_t windowId, bool modal, HWND parent) {
  LiveWindow* found = FindWindowDescription(windowId);
  if (found == nullptr) return false;
  LiveWindow& window = *found;
  if (window.loaded && window.alive() && !window.modal) return ActivateLoaded(window);
  if (!modal && !ParentUsable(parent)) return false;
  g_loadingWindow = windowId;
  window.everLoaded = true;
  window.modal = modal;
  if (!CreateWindowUnit(window, modal ? nullptr : parent) || !CreateControls(window)) {
    DestroyPartialLoad(window);
    g_loadingWindow = 0;
    return false;
  }
  Reparent(window);
  ApplyZOrder(window);
  for (LiveUnit& unit : window.units) {
    if (!unit.isMenuEntry()) ApplyUnitCursor(unit);
  }
  SendNotice(window, LoadNotice::kApplyFont);
  window.units[0].object->HandleLoadNotice(LoadNotice::kWindowLoaded);
  ShowControls(window);
  g_loadingWindow = 0;
  RaiseWindowEvent(window, WindowEvent::kCreated);
  RaiseWindowEvent(window, WindowEvent::kMoved);
  RaiseWindowEvent(window, WindowEvent::kResized);
  if ((window.units[0].record().flags & UnitFlag::kVisible) && window.alive()) {
    ShowWindow(window.hwnd(), SW_SHOW);
    SetForegroundWindow(window.hwnd());
  }
  if (!window.alive()) return false;
  if (modal) DisableOthersForModal(window);
  SendNotice(window, LoadNotice::kLoadFinished);
  HWND focus = GetFocus();
  if (focus && IsChild(window.hwnd(), focus)) SetFocus(focus);
  window.loaded = true;
  return true;
}

bool LoadOwnedWindow(uint32_t windowId, uint32_t ownerId) {
  HWND owner = nullptr;
  if (ownerId != 0) {
    LiveWindow* found = FindWindowDescription(ownerId);
    if (found == nullptr || !found->alive()) return false;
    owner = found->hwnd();
  }
  return LoadWindowById(windowId, false, owner);
}

UnitObject* LoadedUnitObject(uint32_t windowId, uint32_t unitId, bool required) {
  LiveWindow* window = FindWindowDescription(windowId);
  LiveUnit* unit = window ? FindUnit(*window, unitId) : nullptr;
  // A loaded unit has its object from creation until its window is
  // destroyed. Its system window may be missing for a moment, while the
  // owner thread builds it anew: the unit is not missing then, and a
  // command asked from another thread answers from the unit's mirror.
  UnitObject* object = unit ? unit->object : nullptr;
  if (object == nullptr && required) ReportRuntimeError("指定窗口或窗口组件不存在或尚未载入", 0);
  return object;
}

uint32_t WindowHostNotify(int code, uint32_t first, uint32_t second) {
  switch (code) {
    case HostNotifyCode::kWindowDescriptions:
      return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&AllWindowDescriptions()));
    case HostNotifyCode::kUnitDestroyed:
      ForgetLiveWindow(first);
      return 0;
    case HostNotifyCode::kFindUnitObject:
    case HostNotifyCode::kRequireUnitObject: {
      // The host protocol answers in a word; the libraries ask LoadedUnitObject.
      UnitObject* object = LoadedUnitObject(first, second, code == HostNotifyCode::kRequireUnitObject);
      return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(object));
    }
    case HostNotifyCode::kRaiseEvent:
      return DispatchEvent(reinterpret_cast<EventNotice*>(static_cast<uintptr_t>(first))) ? 1 : 0;
    case HostNotifyCode::kWindowLoadBegins:
      g_loadingWindow = first;
      return 0;
    case HostNotifyCode::kWindowLoadEnded:
      g_loadingWindow = 0;
      return 0;
    case HostNotifyCode::kWindowClosing:
      if (Runtime().lastWindowEndsLoop && OnlyLoadedWindowAlive(first)) RunEndingHook();
      return 0;
    default:
      return 0;
  }
}

}  // namespace klv
