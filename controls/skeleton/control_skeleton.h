// The skeleton every control type stands on, the window type and the tray
// icon included: the one place that makes the controls' system windows, the
// one procedure their messages enter by, and the one way a unit takes its
// window. A type's file holds its property table, its typed message
// handlers and its commands.
#pragma once
#include <windows.h>

#include <string>

#include "controls/skeleton/child_window.h"
#include "controls/skeleton/control_font.h"
#include "controls/skeleton/property_table.h"
#include "controls/skeleton/word_properties.h"
#include "runtime/unit_object.h"

namespace klv {

// What a system window is made from.
struct SystemWindowDesign {
  const char* windowClass = nullptr;  // a system class, or one of the runtime's own
  std::string text;                   // program text
  DWORD style = 0;
  DWORD extendedStyle = 0;
  RECT rect = {};                     // in the parent's client coordinates
  HWND parent = nullptr;
  int childId = 0;                    // a child's identifier
  HMENU menu = nullptr;               // a top-level window's menu bar
};

// The rectangle a create request asks for, in the parent's client
// coordinates.
inline RECT RequestedRect(const CreateRequest& request) {
  return RECT{request.left, request.top, request.left + request.width, request.top + request.height};
}

// The only place the controls make system windows, all of them Unicode
// windows (an edit control then counts its selection in characters on
// every system); null when the system refuses.
HWND MakeSystemWindow(const SystemWindowDesign& design);

// The parts of units' windows that enter by their unit's procedure (a combo
// box's edit field): the unit each was adopted by, until its last message.
void NotePart(HWND part, UnitObject* owner);
UnitObject* PartOwner(HWND part);
void ForgetPart(HWND part);

// The unit whose window this is, or whose window this is a part of, while
// it still owns that window; null while no unit does (yet, or any more).
inline UnitObject* OwnerOf(HWND hwnd) {
  if (UnitObject* unit = UnitObject::FromWindow(hwnd)) return unit->hwnd() == hwnd ? unit : nullptr;
  UnitObject* owner = PartOwner(hwnd);
  return owner != nullptr && owner->hwnd() != nullptr && owner->hwnd() == GetParent(hwnd) ? owner : nullptr;
}

// The procedure every control's messages enter by. The message goes to the
// typed handlers of the unit that owns the window (or the window it is a
// part of), or straight on to what the window had before while no unit owns
// it, as while it is being built or destroyed. Unit needs LRESULT
// HandleOwnMessage(hwnd, message, wParam, lParam), which hands what it does
// not answer to CallPreviousProcedure. Only windows adopted by a unit of
// that type enter here, so the owner found is of that type.
template <class Unit>
LRESULT CALLBACK UnitProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  UnitObject* owner = OwnerOf(hwnd);
  LRESULT result = owner ? static_cast<Unit*>(owner)->HandleOwnMessage(hwnd, message, wParam, lParam)
                         : CallPreviousProcedure(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) ForgetPart(hwnd);
  return result;
}

// Registers (once) a window class of the runtime's own whose windows enter
// by UnitProcedure<Unit>: the arrow cursor, and the given background brush
// (none: the unit paints all of itself). True when the class exists.
bool RegisterOwnClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background = nullptr);
template <class Unit>
bool RegisterUnitClass(const char* name, UINT style, HBRUSH background = nullptr) {
  return RegisterOwnClass(name, &UnitProcedure<Unit>, style, background);
}

// The base of every type's unit, named with the type itself: its spare
// properties, held without effect, the reading and writing of the settings
// words its property table names, its tag for a typed lookup, and the
// taking of its window.
template <class Unit, int kFirstSpare, int kPropertyCount>
class ControlUnit : public UnitObject {
 public:
  static constexpr UnitTypeTag kTypeTag{};
  const UnitTypeTag* typeTag() const override { return &kTypeTag; }

  // Makes the unit's window where the request places it, through the
  // type's bool Build(parent, childId, const RECT& rect, commonStyle), which
  // a rebuild calls again. A type that makes its window another way has its
  // own Create.
  bool Create(const CreateRequest& request) {
    return static_cast<Unit*>(this)->Build(request.parent, request.childId, RequestedRect(request),
                                           CommonChildStyle(request));
  }

 protected:
  explicit ControlUnit(const CreateRequest& request) : UnitObject(request.windowId, request.unitId) {}

  // Tags the window with this unit. A window of a system class gets
  // UnitProcedure<Unit> in front of the system's, whose procedure is
  // answered (a window of the runtime's own class enters by it already, and
  // answers null); the font, when given, goes to the window.
  WNDPROC Adopt(HWND window, bool systemClass, const ControlFont* font = nullptr) {
    AttachWindow(window);
    WNDPROC system = systemClass ? ChainProcedure(window, &UnitProcedure<Unit>) : nullptr;
    if (font) font->ApplyTo(window, false);
    return system;
  }
  // A part of the unit's window (a combo box's edit field) enters by the
  // same procedure.
  void AdoptPart(HWND part) {
    NotePart(part, this);
    ChainProcedure(part, &UnitProcedure<Unit>);
  }

  // A property that is a settings word of the table, or else a spare;
  // false when it is neither.
  template <class Settings, std::size_t N>
  bool ReadSettingWord(const PropertySpec<Unit, Settings> (&rows)[N], const Settings& settings,
                       TypePropertyNumber property, uint32_t* out) const {
    const PropertySpec<Unit, Settings>* row = FindRow(rows, property);
    if (row != nullptr && row->word) {
      *out = row->word.Read(settings);
      return true;
    }
    *out = spare_.Read(property);
    return spare_.Holds(property);
  }
  // Writes a settings word of the table, clamped to its range, and has the
  // row's effect; a spare is held, anything else ignored.
  template <class Settings, std::size_t N>
  WriteOutcome WriteSettingWord(const PropertySpec<Unit, Settings> (&rows)[N], Settings& settings,
                                TypePropertyNumber property, uint32_t value) {
    const PropertySpec<Unit, Settings>* row = FindRow(rows, property);
    if (row == nullptr || !row->word) {
      spare_.Write(property, value);
      return WriteOutcome::kApplied;
    }
    WordChange change = {row->word.Read(settings), ClampWord(row->range, value)};
    row->word.Write(settings, change.after);
    return row->onWrite.Run(*static_cast<Unit*>(this), change);
  }

  SpareProperties<kPropertyCount - kFirstSpare> spare_{kFirstSpare};
};

}  // namespace klv
