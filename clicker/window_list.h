// The listing of windows: the titles of the top-level windows the operator
// may choose as the target of background clicks, and the snapshot of
// top-level windows that finds a process's own window (the owner of the
// reminder box).
#pragma once
#include <cstdint>

namespace klv::clicker {

// Refills the title list of ComboWindowTitle from the current desktop.
void RefreshWindowTitles();
// The handles of parent's direct children (0: all top-level windows) whose
// class matches (null: any), in FindWindowExA order; *handles is replaced.
uint32_t ListChildWindowHandles(uint32_t parent, void** handles, const char* className);
// The window's text, at most 255 bytes; a fresh heap text (null when empty).
char* GetWindowTitle(uint32_t window);

// Fills *list (freed first) with one WindowInfo per top-level window.
uint32_t SnapshotWindowRecords(void** list);
// The first visible window of the process whose title and class contain the
// texts given (case-insensitively); 0 for none.
uint32_t FindProcessWindow(uint32_t processId, const char* title, const char* className);
// A message box with defaults: owner = the process's first visible window,
// caption "友情提醒", the information icon with the OK button; returns the
// system's answer minus 1.
int32_t ShowReminderBox(const char* text, const uint32_t* style = nullptr, const char* caption = nullptr,
                        const uint32_t* owner = nullptr);

}  // namespace klv::clicker
