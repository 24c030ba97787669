// The runtime's windows: the descriptions read from the template block, and
// the live windows loaded from them.
#pragma once
#include <windows.h>

#include <cstdint>

namespace klv {

// The runtime error of a template block that cannot be read.
constexpr char kUnreadableTemplateMessage[] = "载入窗口模板数据段出错!";

// Finds every window's template in the block; false when the block cannot
// be read. Each window's own record is read when it is first asked for.
bool ReadWindowTemplates(const uint8_t* block, uint32_t length);
// Creates and shows a window from its description; false when it fails.
bool LoadWindowById(uint32_t windowId, bool modal, HWND parent);
// Loads a window owned by another loaded window (ownerId 0: none).
bool LoadOwnedWindow(uint32_t windowId, uint32_t ownerId);
bool AnyLoadedWindowAlive();
// True when the window is loaded and alive and no other loaded window is:
// its going ends the message loop.
bool OnlyLoadedWindowAlive(uint32_t windowId);
// Destroys every live window and forgets every description (clean-up).
void DestroyAllWindowDescriptions();
// Lets the live windows see input first (common events, accelerators);
// true when the message was consumed.
bool PreTranslateWindowMessage(MSG* message);
// Raises the idle event of the live windows; true when one asks for more.
bool RunWindowIdleProcessing(uint32_t idleMilliseconds);

class UnitObject;
// The object of a loaded window's unit; null when the unit is missing, and
// then, when it is required, the runtime error for a missing unit is raised.
UnitObject* LoadedUnitObject(uint32_t windowId, uint32_t unitId, bool required);

}  // namespace klv
