// A live unit: the object behind one unit of a loaded window (the window
// itself or a control). The runtime reaches a control type only through its
// data type record's interface function, which hands out the operations
// below by code; the operations work on these objects.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/interface/image_format.h"
#include "runtime/interface/property_indices.h"
#include "runtime/interface/support_entries.h"
#include "runtime/window_template.h"

namespace klv {

// A font as the program sees it: angle (tenths of a degree), bold, italic,
// strike-out, underline, size in points, face name (empty: the default face).
struct FontValue {
  int32_t angle = 0;
  uint32_t bold = 0, italic = 0, strikeOut = 0, underline = 0;
  int32_t size = 9;
  std::string face;
  bool operator==(const FontValue& o) const {
    return angle == o.angle && bold == o.bold && italic == o.italic && strikeOut == o.strikeOut &&
           underline == o.underline && size == o.size && face == o.face;
  }
};

// One property value in the type's own terms; the property's kind decides
// which member carries it (the runtime converts to and from the program's
// values: integers, 64-bit pairs, logicals, byte sets, font records, texts).
struct PropertyValue {
  uint32_t low = 0, high = 0;
  std::string text;
  std::vector<uint8_t> bytes;
  FontValue font;
};

// Property kinds. A kOther kind converts like its namesake; what sets the
// two apart is unknown.
namespace PropertyKind {
constexpr uint32_t kInteger = 1000;
constexpr uint32_t kColour = 1001;
constexpr uint32_t kPair = 1002;
constexpr uint32_t kLogical = 1003;
constexpr uint32_t kOtherPair = 1004;
constexpr uint32_t kNonNegative = 1006;
constexpr uint32_t kBytes = 1009;
constexpr uint32_t kPicture = 1010;
constexpr uint32_t kPointer = 1011;
constexpr uint32_t kIcon = 1012;
constexpr uint32_t kFont = 1013;
constexpr uint32_t kChoice = 1014;
constexpr uint32_t kOtherChoice = 1015;
constexpr uint32_t kText = 1016;
constexpr uint32_t kOtherInteger = 1017;
constexpr uint32_t kTextList = 1018;
constexpr uint32_t kBlob = 1023;
constexpr uint32_t kOtherBlob = 1024;
}  // namespace PropertyKind

// The runtime's private notices of a window load (UnitObject::HandleLoadNotice).
namespace LoadNotice {
constexpr UINT kApplyFont = 0x806F;     // to every control, once all exist and are placed
constexpr UINT kWindowLoaded = 0x8004;  // to the window's own unit, right after kApplyFont
constexpr UINT kLoadFinished = 0x8076;  // to every control, once the window is shown
}  // namespace LoadNotice

// A unit type's identity for a typed lookup (controls/skeleton/unit_lookup.h): a type
// holds one and answers its address from typeTag().
struct UnitTypeTag {};

// What a type's create operation gets.
struct CreateRequest {
  HWND parent;           // the window, the temporary parent of every control
  uint32_t windowId;     // UnitIds of the window and of the unit
  uint32_t unitId;
  uint32_t typeCode;
  const ControlRecord* record;  // the stored record (geometry, flags, settings)
  int left, top, width, height;
  bool disabled;
  bool tabStop;
  int childId;           // 100, 110, 120, ... in creation order
  HMENU menu;            // the window's menu bar (window type only)
};

// True when the unit's stored record binds a handler to the event: a type
// may offer what only a handled event needs (a window accepts dropped files
// only when something handles the drop).
inline bool BindsEvent(const CreateRequest& request, int event) {
  if (request.record == nullptr) return false;
  for (const EventBinding& binding : request.record->events) {
    if (binding.event == event && binding.handlerRef != kNoHandler) return true;
  }
  return false;
}

// What writing a type property asks of the runtime.
enum class WriteOutcome : int {
  kApplied = 0,        // the live window shows the new value already
  kRebuildWindow = 1,  // the system window must be built anew (Rebuild)
};

class UnitObject {
 public:
  UnitObject(uint32_t windowId, uint32_t unitId) : windowId_(windowId), unitId_(unitId) {}
  virtual ~UnitObject();
  UnitObject(const UnitObject&) = delete;
  UnitObject& operator=(const UnitObject&) = delete;

  uint32_t windowId() const { return windowId_; }
  uint32_t unitId() const { return unitId_; }
  // The unit's system window (a windowless type still has its own helper
  // window); null while the window is being built anew. Another thread may
  // ask while the owner rebuilds it, so the handle is atomic.
  HWND hwnd() const { return hwnd_.load(std::memory_order_acquire); }
  // True on the thread that owns the system window. Any other thread that
  // asks the window something waits until this one answers.
  bool OnOwnerThread() const { return GetCurrentThreadId() == ownerThread_.load(std::memory_order_relaxed); }

  // One of the type's own properties. Reading fills *out; writing tells
  // whether the unit's system window must be built anew.
  virtual bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) = 0;
  virtual WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) = 0;
  // Builds the system window again from the current properties, keeping the
  // child identifier, position, size, z-order place, parent and visibility.
  virtual void Rebuild() {}

  // A WM_COMMAND, WM_NOTIFY or WM_CTLCOLOR* that the system sent to the
  // parent about this unit's system window; true when handled.
  virtual bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return false;
  }
  // The runtime's private notices of a load (LoadNotice::kApplyFont, kLoadFinished).
  virtual void HandleLoadNotice(UINT notice) {}
  // True for types whose own window is never shown as a child window.
  virtual bool IsWindowless() const { return false; }
  // The type's tag; null for a type that no command looks up by type.
  virtual const UnitTypeTag* typeTag() const { return nullptr; }

  // Raises one of this unit's events; returns whether a handler ran. Defined
  // in events.cpp, beside the dispatch.
  bool RaiseEvent(int event, std::initializer_list<uint32_t> arguments = {}, HandlerResult* result = nullptr);

  // Finds the unit object owning a system window (null when none).
  static UnitObject* FromWindow(HWND window);

 protected:
  // Takes ownership of a freshly created system window and tags it.
  void AttachWindow(HWND window);
  // Destroys the system window (the object stays).
  void DestroyOwnWindow();
  // Forgets the system window without destroying it (it is being destroyed).
  void DetachWindow();

 private:
  uint32_t windowId_;
  uint32_t unitId_;
  std::atomic<HWND> hwnd_{nullptr};
  std::atomic<DWORD> ownerThread_{0};
};

// Operations handed out by a type's interface function.
namespace TypeOperation {
constexpr int kCreate = 1;
constexpr int kWriteProperty = 4;
constexpr int kShared = 5;
constexpr int kReadProperty = 6;
constexpr int kEnumerateTexts = 9;
}  // namespace TypeOperation

using CreateOperation = UnitObject* (*)(const CreateRequest& request);  // null: creation failed
using WritePropertyOperation = WriteOutcome (*)(UnitObject* unit, TypePropertyNumber property, int element,
                                                const PropertyValue& value);
using ReadPropertyOperation = bool (*)(UnitObject* unit, TypePropertyNumber property, int element, PropertyValue* out);
using SharedOperation = void (*)(UnitObject* unit);  // destroys the live object
using EnumerateTextsOperation = void (*)(const ControlRecord& record, void (*callback)(const std::string&, void*),
                                         void* context);

// The interface function shared by every type: only creation differs.
void* CommonTypeOperation(int operation);
template <CreateOperation Create>
void* TypeInterface(int operation) {
  if (operation == TypeOperation::kCreate) return reinterpret_cast<void*>(Create);
  return CommonTypeOperation(operation);
}

// Builds a data type record.
DataTypeRecord MakeTypeRecord(const char* displayName, const char* englishName, uint32_t flags,
                              const PropertyDescriptor* properties, uint32_t propertyCount,
                              TypeInterfaceFunction interfaceFunction);

// Text styles common to every control's system window: child, clip siblings,
// plus disabled and tab stop as requested (never visible at creation).
DWORD CommonChildStyle(const CreateRequest& request);

}  // namespace klv

namespace klv {

// The system sends WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* to a control's
// parent; window and container procedures hand them on to the unit object
// that owns the control. True when that unit handled it.
bool RouteParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

}  // namespace klv
