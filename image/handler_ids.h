// The numbers under which the window template refers to the program's event
// handlers. The template stores the number; at start-up the runtime looks it
// up in the image's handler table, whose rows name these numbers in this
// order (clicker/event_handlers.cpp), so that the build fails when a row is
// out of place. The numbers are written out and the list is append-only: a
// new handler takes the next number, just above Count. -1 (not listed here)
// means that an event has no handler. A scoped enum, so that the names do
// not clash with the handler functions of the same names.
#pragma once
#include <cstdint>

namespace klv {

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
  Count  // not a handler: the number of handlers
};

constexpr int32_t kHandlerCount = static_cast<int32_t>(HandlerId::Count);

// The handler reference stored in the template for a handler.
constexpr int32_t HandlerRef(HandlerId id) { return static_cast<int32_t>(id); }

}  // namespace klv
