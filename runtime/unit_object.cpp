#include "runtime/unit_object.h"

#include "runtime/window_table.h"

namespace klv {
namespace {

// The unit behind each tagged window. A unit takes its entry out when it lets
// its window go; a window destroyed under a living unit (with its parent)
// keeps the entry until the unit is released, and a system window handle is
// not handed out again meanwhile.
WindowTable<UnitObject*>& UnitsByWindow() {
  static WindowTable<UnitObject*> table;
  return table;
}

}  // namespace

UnitObject::~UnitObject() { DestroyOwnWindow(); }

void UnitObject::AttachWindow(HWND window) {
  if (window) {
    ownerThread_.store(GetWindowThreadProcessId(window, nullptr), std::memory_order_relaxed);
    UnitsByWindow().Set(window, this);
  }
  hwnd_.store(window, std::memory_order_release);
}

void UnitObject::DestroyOwnWindow() {
  HWND window = hwnd_.exchange(nullptr, std::memory_order_acq_rel);
  if (window == nullptr) return;
  UnitsByWindow().RemoveIfHeld(window, this);
  if (IsWindow(window)) DestroyWindow(window);
}

void UnitObject::DetachWindow() {
  HWND window = hwnd_.exchange(nullptr, std::memory_order_acq_rel);
  if (window) UnitsByWindow().RemoveIfHeld(window, this);
}

UnitObject* UnitObject::FromWindow(HWND window) {
  return window ? UnitsByWindow().Get(window) : nullptr;
}

DWORD CommonChildStyle(const CreateRequest& request) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (request.disabled) style |= WS_DISABLED;
  if (request.tabStop) style |= WS_TABSTOP;
  return style;
}

DataTypeRecord MakeTypeRecord(const char* displayName, const char* englishName, uint32_t flags,
                              const PropertyDescriptor* properties, uint32_t propertyCount,
                              TypeInterfaceFunction interfaceFunction) {
  DataTypeRecord record = {};
  record.displayName = displayName;
  record.englishName = englishName;
  record.description = "";
  record.typeFlags = flags;
  record.propertyCount = propertyCount;
  record.properties = properties;
  record.interfaceFunction = interfaceFunction;
  return record;
}

namespace {

WriteOutcome WriteOperation(UnitObject* unit, TypePropertyNumber property, int element, const PropertyValue& value) {
  return unit ? unit->WriteTypeProperty(property, element, value) : WriteOutcome::kApplied;
}
bool ReadOperation(UnitObject* unit, TypePropertyNumber property, int element, PropertyValue* out) {
  return unit ? unit->ReadTypeProperty(property, element, out) : false;
}
void DestroyOperation(UnitObject* unit) { delete unit; }
void EnumerateTexts(const ControlRecord& record, void (*callback)(const std::string&, void*), void* context) {
  if (!record.name.empty()) callback(record.name, context);
  if (!record.tag.empty()) callback(record.tag, context);
}

}  // namespace

void* CommonTypeOperation(int operation) {
  switch (operation) {
    case TypeOperation::kWriteProperty: return reinterpret_cast<void*>(&WriteOperation);
    case TypeOperation::kReadProperty: return reinterpret_cast<void*>(&ReadOperation);
    case TypeOperation::kShared: return reinterpret_cast<void*>(&DestroyOperation);
    case TypeOperation::kEnumerateTexts: return reinterpret_cast<void*>(&EnumerateTexts);
    default: return nullptr;
  }
}

}  // namespace klv

namespace klv {

bool RouteParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND child = nullptr;
  switch (message) {
    case WM_COMMAND: child = reinterpret_cast<HWND>(lParam); break;
    case WM_NOTIFY: child = lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr; break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      child = message == WM_DRAWITEM ? (lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr)
              : message == WM_MEASUREITEM ? nullptr
                                          : reinterpret_cast<HWND>(lParam);
      break;
    default: return false;
  }
  UnitObject* unit = UnitObject::FromWindow(child);
  return unit != nullptr && unit->HandleParentNotification(message, wParam, lParam, result);
}

}  // namespace klv
