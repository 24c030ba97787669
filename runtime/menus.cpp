// System menus built from a window's menu entries: the entries keep their
// definition order, levels give the nesting, and every entry uses up one
// command identifier whether it is shown or not.
#include "runtime/events.h"
#include "runtime/system_text.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

// The first entry after index i that is not inside i's subtree.
size_t SubtreeEnd(const std::vector<LiveUnit*>& entries, size_t i, size_t end) {
  size_t j = i + 1;
  while (j < end && entries[j]->description.menu.level > entries[i]->description.menu.level) ++j;
  return j;
}

void AppendRange(HMENU menu, const std::vector<LiveUnit*>& entries, size_t begin, size_t end) {
  for (size_t i = begin; i < end;) {
    const MenuRecord& entry = entries[i]->description.menu;
    size_t next = SubtreeEnd(entries, i, end);
    bool hidden = (entry.menuFlags & MenuFlag::kHidden) != 0;
    UINT greyed = (entry.menuFlags & MenuFlag::kDisabled) ? MF_GRAYED : 0;
    if (next > i + 1) {
      if (!hidden) {
        HMENU sub = CreatePopupMenu();
        AppendRange(sub, entries, i + 1, next);
        AppendMenuW(menu, MF_POPUP | MF_STRING | greyed, reinterpret_cast<UINT_PTR>(sub), ToSystemText(entry.caption).c_str());
      }
    } else if (!hidden) {
      UINT id = kFirstMenuCommand + static_cast<UINT>(i);
      if (entry.caption == "-") {
        AppendMenuW(menu, MF_SEPARATOR, id, nullptr);
      } else {
        UINT checked = (entry.menuFlags & MenuFlag::kChecked) ? MF_CHECKED : 0;
        AppendMenuW(menu, MF_STRING | greyed | checked, id, ToSystemText(entry.caption).c_str());
      }
    }
    i = next;
  }
}

}  // namespace

std::vector<LiveUnit*> MenuEntries(LiveWindow& window) {
  std::vector<LiveUnit*> entries;
  for (LiveUnit& unit : window.units) {
    if (unit.isMenuEntry()) entries.push_back(&unit);
  }
  return entries;
}

HMENU BuildMenuBar(LiveWindow& window) {
  std::vector<LiveUnit*> entries = MenuEntries(window);
  if (entries.empty()) return nullptr;
  HMENU bar = CreateMenu();
  AppendRange(bar, entries, 0, entries.size());
  if (GetMenuItemCount(bar) == 0) {
    DestroyMenu(bar);
    return nullptr;
  }
  return bar;
}

HMENU BuildPopupMenu(LiveWindow& window, size_t menuIndex) {
  std::vector<LiveUnit*> entries = MenuEntries(window);
  if (menuIndex >= entries.size()) return nullptr;
  size_t end = SubtreeEnd(entries, menuIndex, entries.size());
  if (end == menuIndex + 1) return nullptr;
  HMENU popup = CreatePopupMenu();
  AppendRange(popup, entries, menuIndex + 1, end);
  return popup;
}

namespace {

bool RaiseChosen(LiveWindow& window, size_t menuIndex) {
  std::vector<LiveUnit*> entries = MenuEntries(window);
  if (menuIndex >= entries.size()) return false;
  EventNotice notice = {};
  notice.windowId = window.windowId;
  notice.unitId = entries[menuIndex]->description.unitId;
  notice.event = MenuEntryEvent::kChosen;
  return DispatchEvent(&notice);
}

constexpr UINT kSystemMenuStep = 16;

}  // namespace

bool RaiseMenuCommand(LiveWindow& window, UINT commandId) {
  if (commandId < kFirstMenuCommand || commandId >= kMenuCommandLimit) return false;
  return RaiseChosen(window, commandId - kFirstMenuCommand);
}

bool AddSystemMenuEntry(uint32_t windowId, uint32_t menuEntryId) {
  LiveWindow* window = FindWindowDescription(windowId);
  HMENU menu = window && window->alive() ? GetSystemMenu(window->hwnd(), FALSE) : nullptr;
  if (menu == nullptr) return false;
  if (menuEntryId == 0) return AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) != FALSE;
  std::vector<LiveUnit*> entries = MenuEntries(*window);
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i]->description.unitId != menuEntryId) continue;
    UINT id = kFirstSystemMenuCommand + static_cast<UINT>(i) * kSystemMenuStep;
    if (id >= kSystemMenuCommandLimit) return false;
    return AppendMenuW(menu, MF_STRING, id, ToSystemText(entries[i]->description.menu.caption).c_str()) != FALSE;
  }
  return false;
}

bool RaiseSystemMenuCommand(LiveWindow& window, WPARAM command) {
  UINT id = static_cast<UINT>(command) & 0xFFF0;
  if (id < kFirstSystemMenuCommand || id >= kSystemMenuCommandLimit) return false;
  return RaiseChosen(window, (id - kFirstSystemMenuCommand) / kSystemMenuStep);
}

}  // namespace klv
