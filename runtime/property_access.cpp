// Numbered property access: the common properties of every unit, those of
// menu entries, and type properties through the type's operations, converted
// by the property's kind.
#include "runtime/property_access.h"

#include <cstring>

#include "runtime/array_value.h"
#include "runtime/heap.h"
#include "runtime/interface/property_indices.h"
#include "runtime/runtime_errors.h"
#include "runtime/text_value.h"
#include "runtime/unit_conversions.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

constexpr int32_t kCoordinateLimit = 32627;

int32_t ClampCoordinate(int32_t value) {
  return value < -kCoordinateLimit ? -kCoordinateLimit : (value > kCoordinateLimit ? kCoordinateLimit : value);
}
int32_t ClampSize(int32_t value) { return value < 0 ? 0 : (value > kCoordinateLimit ? kCoordinateLimit : value); }

uint64_t HeapPointer(void* block) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(block)); }

struct Located {
  LiveWindow* window;
  LiveUnit* unit;
};

Located Locate(uint32_t windowId, uint32_t unitId) {
  LiveWindow* window = FindWindowDescription(windowId);
  if (window == nullptr || !window->everLoaded) ReportRuntimeError("未载入欲访问窗口组件所在的窗口", 0);
  LiveUnit* unit = FindUnit(*window, unitId);
  if (unit == nullptr) ReportRuntimeError("指定窗口或窗口组件不存在或尚未载入", 0);
  return {window, unit};
}

HWND LiveHandle(const LiveUnit& unit) {
  HWND hwnd = unit.object ? unit.object->hwnd() : nullptr;
  return hwnd && IsWindow(hwnd) ? hwnd : nullptr;
}

RECT RectInParent(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

uint64_t ReadCommon(LiveUnit& unit, int index) {
  ControlRecord& record = unit.record();
  HWND hwnd = LiveHandle(unit);
  switch (index) {
    case CommonProperty::kLeft: return static_cast<uint32_t>(hwnd ? RectInParent(hwnd).left : record.left);
    case CommonProperty::kTop: return static_cast<uint32_t>(hwnd ? RectInParent(hwnd).top : record.top);
    case CommonProperty::kWidth: {
      if (!hwnd) return static_cast<uint32_t>(record.width);
      RECT r = RectInParent(hwnd);
      return static_cast<uint32_t>(r.right - r.left);
    }
    case CommonProperty::kHeight: {
      if (!hwnd) return static_cast<uint32_t>(record.height);
      RECT r = RectInParent(hwnd);
      return static_cast<uint32_t>(r.bottom - r.top);
    }
    case CommonProperty::kTag: return HeapPointer(CopyText(record.tag.c_str()));
    case CommonProperty::kVisible:
      if (hwnd && !(unit.object && unit.object->IsWindowless())) return IsWindowVisible(hwnd) ? 1 : 0;
      return (record.flags & UnitFlag::kVisible) ? 1 : 0;
    case CommonProperty::kDisabled:
      return hwnd ? (IsWindowEnabled(hwnd) ? 0 : 1) : ((record.flags & UnitFlag::kDisabled) ? 1 : 0);
    default: return HeapPointer(NewByteSet(record.mousePointer.data(), static_cast<uint32_t>(record.mousePointer.size())));
  }
}

// A position write moves the live window and keeps its size; a size write
// resizes it and keeps its place. Only what was written changes, so a
// control whose system window is larger than its visible part (an open
// drop-down list's room) keeps that room when it is merely moved.
void MoveLive(LiveUnit& unit, bool size) {
  HWND hwnd = LiveHandle(unit);
  if (!hwnd) return;
  ControlRecord& r = unit.record();
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (size ? SWP_NOMOVE : SWP_NOSIZE);
  SetWindowPos(hwnd, nullptr, r.left, r.top, r.width, r.height, flags);
}

void SetFlag(ControlRecord& record, uint32_t flag, bool on) {
  record.flags = on ? (record.flags | flag) : (record.flags & ~flag);
}

void WriteCommon(LiveWindow& window, LiveUnit& unit, size_t unitIndex, int index, uint64_t value) {
  ControlRecord& record = unit.record();
  HWND hwnd = LiveHandle(unit);
  int32_t number = static_cast<int32_t>(value);
  if (hwnd && index <= CommonProperty::kHeight) {
    RECT r = RectInParent(hwnd);  // keep the live geometry for the parts not written
    record.left = r.left, record.top = r.top, record.width = r.right - r.left, record.height = r.bottom - r.top;
  }
  switch (index) {
    case CommonProperty::kLeft: record.left = ClampCoordinate(number); MoveLive(unit, false); break;
    case CommonProperty::kTop: record.top = ClampCoordinate(number); MoveLive(unit, false); break;
    case CommonProperty::kWidth: record.width = ClampSize(number); MoveLive(unit, true); break;
    case CommonProperty::kHeight: record.height = ClampSize(number); MoveLive(unit, true); break;
    case CommonProperty::kTag: {
      const char* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(value));
      record.tag = text ? text : "";
      break;
    }
    case CommonProperty::kVisible:
      SetFlag(record, UnitFlag::kVisible, number != 0);
      if (!hwnd || (unit.object && unit.object->IsWindowless())) break;
      // A window hidden while minimised comes back as the operator left it
      // before minimising, not as a button on the taskbar.
      if (unitIndex == 0) ShowWindow(hwnd, number ? (IsIconic(hwnd) ? SW_RESTORE : SW_SHOW) : SW_HIDE);
      else ShowWindow(hwnd, number && !unit.hiddenByPage ? SW_SHOWNA : SW_HIDE);
      break;
    case CommonProperty::kDisabled:
      SetFlag(record, UnitFlag::kDisabled, number != 0);
      if (hwnd) EnableWindow(hwnd, number ? FALSE : TRUE);
      break;
    default: {
      const void* set = reinterpret_cast<const void*>(static_cast<uintptr_t>(value));
      const uint8_t* bytes = ByteSetBytes(set);
      record.mousePointer.assign(bytes, bytes + ByteSetLength(set));
      ApplyUnitCursor(unit);
      break;
    }
  }
}

uint64_t ReadMenuEntry(LiveUnit& unit, int index) {
  const MenuRecord& menu = unit.description.menu;
  switch (index) {
    case MenuEntryProperty::kCaption: return HeapPointer(CopyText(menu.caption.c_str()));
    case MenuEntryProperty::kChecked: return (menu.menuFlags & MenuFlag::kChecked) ? 1 : 0;
    case MenuEntryProperty::kDisabled: return (menu.menuFlags & MenuFlag::kDisabled) ? 1 : 0;
    default: return (menu.menuFlags & MenuFlag::kHidden) ? 0 : 1;
  }
}

void RebuildMenuBar(LiveWindow& window) {
  HWND hwnd = window.hwnd();
  if (!hwnd || !IsWindow(hwnd)) return;
  HMENU old = GetMenu(hwnd);
  window.menuBar = BuildMenuBar(window);
  SetMenu(hwnd, window.menuBar);
  if (old) DestroyMenu(old);
  DrawMenuBar(hwnd);
}

void WriteMenuEntry(LiveWindow& window, LiveUnit& unit, int index, uint64_t value) {
  MenuRecord& menu = unit.description.menu;
  bool on = static_cast<uint32_t>(value) != 0;
  uint32_t flags = menu.menuFlags;
  switch (index) {
    case MenuEntryProperty::kCaption: {
      const char* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(value));
      std::string caption = text ? text : "";
      if (caption == menu.caption) return;
      menu.caption = caption;
      RebuildMenuBar(window);
      return;
    }
    case MenuEntryProperty::kChecked: flags = on ? (flags | MenuFlag::kChecked) : (flags & ~MenuFlag::kChecked); break;
    case MenuEntryProperty::kDisabled:
      flags = on ? (flags | MenuFlag::kDisabled) : (flags & ~MenuFlag::kDisabled);
      break;
    default: flags = on ? (flags & ~MenuFlag::kHidden) : (flags | MenuFlag::kHidden); break;
  }
  if (flags == menu.menuFlags) return;
  menu.menuFlags = flags;
  RebuildMenuBar(window);
}

const PropertyDescriptor* Descriptor(const LiveUnit& unit, TypePropertyNumber property) {
  if (unit.type == nullptr || property < 0 || static_cast<uint32_t>(property) >= unit.type->propertyCount ||
      unit.type->properties == nullptr) {
    return nullptr;
  }
  return &unit.type->properties[property];
}

UnitObject* RequireLive(LiveUnit& unit) {
  if (unit.object == nullptr) ReportRuntimeError("指定窗口尚未载入", 0);
  return unit.object;
}

}  // namespace

uint64_t ReadProperty(uint32_t windowId, uint32_t unitId, int index, int element) {
  Located at = Locate(windowId, unitId);
  if (at.unit->isMenuEntry()) return ReadMenuEntry(*at.unit, index);
  if (index >= 0 && index < CommonProperty::kFirstTypeProperty) return ReadCommon(*at.unit, index);
  UnitObject* object = RequireLive(*at.unit);
  TypePropertyNumber property = index - CommonProperty::kFirstTypeProperty;
  const PropertyDescriptor* descriptor = Descriptor(*at.unit, property);
  if (descriptor == nullptr) RaiseRuntimeError(RuntimeError::kArgumentTypeMismatch);
  auto read = reinterpret_cast<ReadPropertyOperation>(at.unit->type->interfaceFunction(TypeOperation::kReadProperty));
  PropertyValue value;
  int fontElement = (descriptor->kind & 0xFFFF) == PropertyKind::kFont ? -1 : element;
  if (read) read(object, property, fontElement, &value);
  return PropertyValueToProgram(descriptor->kind, element, value);
}

void WriteProperty(uint32_t windowId, uint32_t unitId, int index, int element, uint64_t value) {
  Located at = Locate(windowId, unitId);
  size_t unitIndex = static_cast<size_t>(at.unit - at.window->units.data());
  if (at.unit->isMenuEntry()) return WriteMenuEntry(*at.window, *at.unit, index, value);
  if (index >= 0 && index < CommonProperty::kFirstTypeProperty) {
    return WriteCommon(*at.window, *at.unit, unitIndex, index, value);
  }
  UnitObject* object = RequireLive(*at.unit);
  TypePropertyNumber property = index - CommonProperty::kFirstTypeProperty;
  const PropertyDescriptor* descriptor = Descriptor(*at.unit, property);
  if (descriptor == nullptr) RaiseRuntimeError(RuntimeError::kArgumentTypeMismatch);
  auto fn = at.unit->type->interfaceFunction;
  auto read = reinterpret_cast<ReadPropertyOperation>(fn(TypeOperation::kReadProperty));
  auto write = reinterpret_cast<WritePropertyOperation>(fn(TypeOperation::kWriteProperty));
  PropertyValue converted;
  if ((descriptor->kind & 0xFFFF) == PropertyKind::kFont && element >= 0 && read) {
    read(object, property, -1, &converted);  // one field changes, the rest stays
  }
  ProgramValueToProperty(descriptor->kind, element, value, &converted);
  WriteOutcome outcome = write ? write(object, property, -1, converted) : WriteOutcome::kApplied;
  if (outcome == WriteOutcome::kRebuildWindow && at.window->alive() && at.unit->object) {
    const EventSuppressionScope suppressed;
    at.unit->object->Rebuild();
  }
}

}  // namespace klv
