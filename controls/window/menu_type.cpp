// Menu entries: their data type, and the pop-up menu command that shows an
// entry's children as a context menu. The runtime itself builds the menus
// and carries the entries' properties.
#include <iterator>

#include "controls/commands/core_commands.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_lookup.h"
#include "runtime/control_mirror.h"
#include "runtime/interface/property_indices.h"
#include "runtime/unit_object.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

const PropertyDescriptor kMenuProperties[] = {
    {"标题", "Caption", "", PropertyKind::kText, 0},
    {"选中", "Checked", "", PropertyKind::kLogical, 0},
    {"禁止", "Disabled", "", PropertyKind::kLogical, 0},
    {"可视", "Visible", "", PropertyKind::kLogical, 0},
};
static_assert(std::size(kMenuProperties) == MenuEntryProperty::kVisible + 1, "one row per menu entry property");

// Menu entries are never created as units of their own.
UnitObject* NoUnit(const CreateRequest&) { return nullptr; }

}  // namespace

DataTypeRecord MenuTypeRecord() {
  return MakeTypeRecord("菜单", "menu", TypeFlags::kEvents, kMenuProperties, std::size(kMenuProperties),
                        &TypeInterface<NoUnit>);
}

namespace core {

void PopupMenu(CommandResult* result, int count, const CommandArgument* arguments) {
  if (count < 2) return;
  uint32_t windowId = arguments[0].low;
  // A window that is not loaded is the lookup's runtime error.
  UnitObject* owner = RequireUnitObject(windowId, 0);
  if (arguments[1].low != windowId) return;  // an entry of another window
  LiveWindow* window = FindWindowDescription(windowId);
  if (window == nullptr) return;
  std::vector<LiveUnit*> entries = MenuEntries(*window);
  size_t menuIndex = entries.size();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i]->description.unitId == arguments[1].high) menuIndex = i;
  }
  HMENU popup = BuildPopupMenu(*window, menuIndex);
  if (popup == nullptr) return;
  POINT at;
  GetCursorPos(&at);
  at.x += 3;
  at.y += 3;
  if (count > 2 && arguments[2].type != 0) at.x = static_cast<int32_t>(arguments[2].low);
  if (count > 3 && arguments[3].type != 0) at.y = static_cast<int32_t>(arguments[3].low);
  {
    MirrorBatch::Interlude tracking;  // the menu runs a message loop of its own
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, owner->hwnd(), nullptr);
  }
  DestroyMenu(popup);
}

}  // namespace core
}  // namespace klv
