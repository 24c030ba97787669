// The numbers under which the window template refers to the program's event
// handlers; at start-up the runtime looks each up in the image's handler
// table (clicker/event_handlers.cpp), whose rows name them in this order.
// Append-only. -1 (not listed) means that an event has no handler.
#pragma once
#include <cstdint>

namespace klv {

// Scoped, so that the names do not clash with the handler functions'.
enum class HandlerId : int32_t {
  OnMainWindowCreated = 0,
  HideWhenMinimised = 1,
  ToggleMainWindow = 2,
  IgnoreNoticeFeedback = 3,  // the notice label's feedback event: nothing to do
  AddStep = 4,
  RefreshWindowTitles = 5,
  ShowStepMenu = 6,
  PickStep = 7,
  ApplyClickMode = 8,
  SaveSettings = 9,
  LoadSettings = 10,
  SingleStep = 11,
  StopRun = 12,
  StartRun = 13,
  DeleteStep = 14,
  EditStep = 15,
  ShowMainWindow = 16,
  QuitProgram = 17,
  ShowTrayMenu = 18,
  OpenOptionsWindow = 19,
  OpenPlanFile = 20,
  SavePlanAsFile = 21,
  LoadDroppedPlan = 22,       // with the drop's handle
  OnOptionsWindowCreated = 23,
  CloseOptionsWindow = 24,
  CloseOptionsOnEscape = 25,  // a key pressed anywhere in the options window: with its key code
  ApplyChangedHotkey = 26,    // a hotkey box reported a change
  WithdrawHotkeysWhileTyping = 27,  // a hotkey box took the focus
  ApplyLeftHotkeyBox = 28,    // a hotkey box lost the focus
  RestoreDefaultHotkeys = 29,
  OnOptionsWindowClosed = 30,
  Count  // not a handler: the number of handlers
};

constexpr int32_t kHandlerCount = static_cast<int32_t>(HandlerId::Count);

// The handler reference stored in the template for a handler.
constexpr int32_t HandlerRef(HandlerId id) { return static_cast<int32_t>(id); }

}  // namespace klv
