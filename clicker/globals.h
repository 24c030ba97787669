// The few globals the clicker owns; everything else lives in the controls.
#pragma once
#include <cstdint>

namespace klv::clicker {

// One successful hotkey registration.
struct HotkeyRecord {
  uint32_t window;
  char* identifier;  // own copy of the identifier text
  uint32_t callback;
};

// One top-level window of a snapshot.
struct WindowInfo {
  uint32_t handle;
  uint32_t processId;
  uint32_t threadId;
  char* title;
  char* className;
};

struct ClickerGlobals {
  char* settingsPath = nullptr;    // full path of the settings file, null until set
  uint32_t runnerThread = 0;       // the worker thread of the current or last run
  void* hotkeyTable = nullptr;     // array of HotkeyRecord pointers
  uint32_t previousWindowProc = 0; // replaced by the hotkey module's procedure
  void* windowSnapshot = nullptr;  // array of WindowInfo pointers
  bool planDialogShown = false;    // a plan file dialog showed before: the system keeps its folder
};

ClickerGlobals& Globals();

// Program start: the tables become empty arrays.
void CreateGlobals();
// The exit routine: frees the settings path and both tables with the texts
// their records hold. Hotkeys stay registered; the system drops them.
void ReleaseGlobals();

}  // namespace klv::clicker
