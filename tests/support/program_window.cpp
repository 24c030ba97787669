#include "tests/support/program_window.h"

#include <vector>

#include "image/main_window_units.h"
#include "image/program_constants.h"
#include "image/window_template_data.h"
#include "runtime/window_registry.h"
#include "tests/support/child_process.h"

namespace klvtest {
namespace {

// The runtime's numbering: the controls are created from the last unit of
// the template to the second (unit 0 is the window itself), menu entries
// left out, the first at 100 and each next 10 higher; windowless controls
// take their number too.
constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

// A window search through the system's enumeration: the first window for
// which matches holds.
struct Search {
  const std::function<bool(HWND)>* matches;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (!(*search->matches)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// Every descendant, not only the direct children: controls inside a group
// box are its children, not the window's.
HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& matches) {
  Search search = {&matches, nullptr};
  EnumChildWindows(parent, Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool HasClass(HWND window, const std::string& className) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return className == name;
}

}  // namespace

const klv::WindowDescription& ProgramWindowTemplate(uint32_t windowId) {
  static const std::vector<klv::WindowDescription> windows = [] {
    std::vector<klv::WindowDescription> read;
    klv::ReadTemplateBlock(klv::kMainWindowTemplate, klv::kMainWindowTemplateLength, &read);
    return read;
  }();
  static const klv::WindowDescription none;
  for (const klv::WindowDescription& window : windows) {
    if (window.windowId == windowId) return window;
  }
  return none;
}

const klv::WindowDescription& MainWindowTemplate() { return ProgramWindowTemplate(klv::MainWindowUnit::kMainWindow); }

int ChildIdOf(uint32_t unitId, uint32_t windowId) {
  const klv::WindowDescription& window = ProgramWindowTemplate(windowId);
  int childId = kFirstChildId;
  for (size_t i = window.units.size(); i-- > 1;) {
    const klv::UnitDescription& unit = window.units[i];
    if (unit.isMenuEntry) continue;
    if (unit.unitId == unitId) return childId;
    childId += kChildIdStep;
  }
  return 0;
}

UINT MenuCommandOf(uint32_t unitId) {
  UINT place = 0;
  for (const klv::UnitDescription& unit : MainWindowTemplate().units) {
    if (!unit.isMenuEntry) continue;
    if (unit.unitId == unitId) return klv::kFirstMenuCommand + place;
    ++place;
  }
  return 0;
}

HWND ProgramUnit(HWND mainWindow, uint32_t unitId, uint32_t windowId) {
  const int childId = ChildIdOf(unitId, windowId);
  if (childId == 0 || mainWindow == nullptr) return nullptr;
  return FindDescendant(mainWindow, [childId](HWND window) { return GetDlgCtrlID(window) == childId; });
}

HWND FindTopLevelWindow(DWORD processId, const std::function<bool(HWND)>& matches) {
  const std::function<bool(HWND)> ofTheProcess = [&](HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId && matches(window);
  };
  Search search = {&ofTheProcess, nullptr};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ShownOptionsWindow(HWND mainWindow) {
  DWORD processId = 0;
  GetWindowThreadProcessId(mainWindow, &processId);
  return FindTopLevelWindow(processId, [mainWindow](HWND window) {
    return GetWindow(window, GW_OWNER) == mainWindow && IsWindowVisible(window) && !HasClass(window, "#32768") &&
           !HasClass(window, "#32770");
  });
}

HWND ShownProgramWindow(DWORD processId) { return ShownWindow(processId, kProgramWindowTitle); }

HWND WaitForProgramWindow(DWORD processId, DWORD milliseconds, const std::function<bool()>& gone) {
  DWORD start = GetTickCount();
  do {
    if (HWND found = ShownProgramWindow(processId)) return found;
    Sleep(20);
  } while (GetTickCount() - start < milliseconds && !gone());
  return nullptr;
}

HWND ShownMessageBox(DWORD processId) {
  return FindTopLevelWindow(processId,
                            [](HWND window) { return HasClass(window, "#32770") && IsWindowVisible(window); });
}

bool MessageBoxShown(DWORD processId) { return ShownMessageBox(processId) != nullptr; }

HWND FindChildOfClass(HWND parent, const std::string& className) {
  return FindDescendant(parent, [&className](HWND window) { return HasClass(window, className); });
}

HWND DeepestChildAt(HWND window, POINT clientPoint) {
  for (;;) {
    HWND child = ChildWindowFromPointEx(window, clientPoint, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == window) return window;
    MapWindowPoints(window, child, &clientPoint, 1);
    window = child;
  }
}

// The constant starts with the separator the program puts between its
// folder and the name.
std::string SettingsFileName() { return klv::kConstants.settingsFileName + 1; }

std::string SettingsFileIn(const std::string& folder) { return folder + klv::kConstants.settingsFileName; }

std::string SettingsPathHere() { return SettingsFileIn(ProgramFolder()); }

}  // namespace klvtest
