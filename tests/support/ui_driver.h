// Driving windows as a user and the runtime's message loop do, shared by the
// harnesses of the control tests and of the program's own window: message
// pumps, real clicks and keys, bringing a window forward, a unit's event
// raised as its control raises it, and a list view's cells read.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace klvtest {

// One turn of a pump: handles the messages waiting on this thread now;
// true when there was at least one.
using MessageHandler = bool (*)();
// Translated and dispatched as they are.
bool DispatchWaiting();
// As the runtime's loop does: input goes through its pre-translation first.
bool DispatchWaitingThroughRuntime();

// Pumps until done() holds (true) or limitMs have passed (done() then).
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs, MessageHandler handle);
// Pumps until no message came for quietMs.
void PumpUntilQuiet(DWORD quietMs, MessageHandler handle);

// Real input through the system's input queue, at the cursor's place. A
// press and its release are queued together: a control that tracks a press
// in a modal loop of its own then finds the release waiting instead of
// waiting for it on the very thread that would send it.
void SendClick(bool right = false);
// Two left clicks, quick enough for a double click.
void SendDoubleClick();
// A key pressed and released; with a modifier key (VK_CONTROL, VK_MENU,
// VK_SHIFT) held around it when one is given.
void SendKeyPress(WORD key, WORD modifier = 0);
// Gives a top-level window the foreground and makes it active, so that it
// gets the input.
void BringForward(HWND topLevel);

// Raises an event of a unit, without arguments, as the control raises it
// (ButtonEvent::kClicked for a pressed button, MenuEntryEvent::kChosen for a
// chosen menu entry); true when a handler took it.
bool RaiseUnitEvent(uint32_t windowId, uint32_t unitId, int event);

// The text of a cell of a list view of this process.
std::string ListCellText(HWND list, int row, int column);
// A window's text as the user's screen shows it, in program text (GBK):
// read through the wide functions, whatever the system's code page.
std::string ShownText(HWND window);
// A combo box's item text the same way, and the first item with exactly
// that text (-1 for none).
std::string ComboItemText(HWND combo, int index);
int FindComboItem(HWND combo, const std::string& text);
// The first top-level window with that title (program text; null for none).
HWND FindTitledWindow(const std::string& title);

}  // namespace klvtest
