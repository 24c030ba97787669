// The runtime's window descriptions: one per window of the template block,
// each with its units, their stored records and, while the window lives,
// their unit objects.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/interface/image_format.h"
#include "runtime/interface/support_entries.h"
#include "runtime/unit_object.h"
#include "runtime/window_template.h"

namespace klv {

struct LiveUnit {
  UnitDescription description;
  const DataTypeRecord* type = nullptr;
  std::vector<EventHandler> handlers;  // parallel to the event bindings
  EventHandler menuHandler = nullptr;
  UnitObject* object = nullptr;        // the object slot
  HCURSOR cursor = nullptr;            // the cursor slot
  bool hiddenByPage = false;
  bool isMenuEntry() const { return description.isMenuEntry; }
  ControlRecord& record() { return description.control; }
};

struct LiveWindow {
  uint32_t windowId = 0;
  // The window's record in the image's template block, read into head and
  // units when the window is first asked for.
  const uint8_t* record = nullptr;
  size_t recordLength = 0;
  bool described = false;
  WindowDescription head;  // head words and texts (units moved out)
  std::vector<LiveUnit> units;
  HMENU menuBar = nullptr;
  HACCEL accelerators = nullptr;
  bool everLoaded = false;
  bool loaded = false;
  bool modal = false;
  std::vector<HWND> disabledByModal;

  HWND hwnd() const { return units.empty() || !units[0].object ? nullptr : units[0].object->hwnd(); }
  bool alive() const { return hwnd() != nullptr && IsWindow(hwnd()); }
};

// The window with that UnitId, its record read on the first call; null for
// an unknown window. A record that does not read is the runtime error of an
// unreadable template block (the call does not return).
LiveWindow* FindWindowDescription(uint32_t windowId);
// The unit with that UnitId (0: the window's own unit); null when none.
LiveUnit* FindUnit(LiveWindow& window, uint32_t unitId, size_t* index = nullptr);
std::vector<std::unique_ptr<LiveWindow>>& AllWindowDescriptions();

// The data type record for a type code (library number * 65536 + type).
const DataTypeRecord* TypeRecordFor(uint32_t typeCode);

// Called when a window's system window is gone: unit objects released,
// slots cleared, and the loop ended when it was the last loaded window.
void ForgetLiveWindow(uint32_t windowId);

// Menu entries of a window in definition order (their menu index).
std::vector<LiveUnit*> MenuEntries(LiveWindow& window);
// Builds the window's menu bar (hidden top-level entries left out).
HMENU BuildMenuBar(LiveWindow& window);
// Builds a pop-up of the children of the entry at menuIndex, ids from
// 20000 + the first child's menu index; null when it has no children.
HMENU BuildPopupMenu(LiveWindow& window, size_t menuIndex);
constexpr UINT kFirstMenuCommand = 20000;
constexpr UINT kMenuCommandLimit = 57600;
// Raises the click event of the entry with that command identifier.
bool RaiseMenuCommand(LiveWindow& window, UINT commandId);
// System-menu entries are numbered apart from the menu's own commands, in
// steps of 16: the system keeps the low four bits of WM_SYSCOMMAND.
constexpr UINT kFirstSystemMenuCommand = 0x1000;
constexpr UINT kSystemMenuCommandLimit = 0xF000;
// Appends a menu entry (0: a separator) to a loaded window's system menu.
bool AddSystemMenuEntry(uint32_t windowId, uint32_t menuEntryId);
// Raises the chosen event of the entry a system-menu command stands for;
// false for the system's own commands.
bool RaiseSystemMenuCommand(LiveWindow& window, WPARAM command);

}  // namespace klv
