// The numbers under which the window template refers to the program's event
// handlers. The template stores the number; at start-up the runtime looks it
// up in the image's handler table, whose entries follow this order. -1 (not
// listed here) means that an event has no handler. A scoped enum, so that the
// names do not clash with the handler functions of the same names.
#pragma once
#include <cstdint>

namespace klv {

enum class HandlerId : int32_t {
  OnMainWindowCreated = 0,
  HideWhenMinimised,
  ToggleMainWindow,
  Label9Feedback,
  AddStep,
  RefreshWindowTitles,
  ShowStepMenu,
  PickStep,
  ApplyClickMode,
  SaveSettings,
  LoadSettings,
  SingleStep,
  StopRun,
  StartRun,
  DeleteStep,
  EditStep,
  ShowMainWindow,
  QuitProgram,
};

constexpr int32_t kHandlerCount = static_cast<int32_t>(HandlerId::QuitProgram) + 1;

// The handler reference stored in the template for a handler.
constexpr int32_t HandlerRef(HandlerId id) { return static_cast<int32_t>(id); }

}  // namespace klv
