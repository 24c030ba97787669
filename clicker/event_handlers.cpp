#include "clicker/event_handlers.h"

#include "clicker/main_window_created.h"
#include "clicker/operator_commands.h"
#include "clicker/runner.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_file.h"
#include "clicker/window_list.h"
#include "image/handler_ids.h"

namespace klv::clicker {
namespace {

// Every handler ignores the event's arguments and returns no value.
template <void (*Command)()>
HandlerResult Handler(const uint32_t*, int) {
  Command();
  return {false, 0};
}

void QuitProgram() { Support().ExitProgram(0); }
// Label9's feedback event is bound to a handler that does nothing.
void IgnoreFeedback() {}

}  // namespace

const EventHandler kEventHandlers[] = {
    Handler<OnMainWindowCreated>,  // OnMainWindowCreated
    Handler<HideWhenMinimised>,    // HideWhenMinimised
    Handler<ToggleMainWindow>,     // ToggleMainWindow
    Handler<IgnoreFeedback>,       // Label9Feedback
    Handler<AddStep>,              // AddStep
    Handler<RefreshWindowTitles>,  // RefreshWindowTitles
    Handler<ShowStepMenu>,         // ShowStepMenu
    Handler<PickStep>,             // PickStep
    Handler<ApplyClickMode>,       // ApplyClickMode
    Handler<SaveSettings>,         // SaveSettings
    Handler<LoadSettings>,         // LoadSettings
    Handler<SingleStep>,           // SingleStep
    Handler<StopRun>,              // StopRun
    Handler<StartRun>,             // StartRun
    Handler<DeleteStep>,           // DeleteStep
    Handler<EditStep>,             // EditStep
    Handler<ShowMainWindow>,       // ShowMainWindow
    Handler<QuitProgram>,          // QuitProgram
};
const uint32_t kEventHandlerCount = sizeof kEventHandlers / sizeof kEventHandlers[0];
static_assert(sizeof kEventHandlers / sizeof kEventHandlers[0] == kHandlerCount, "one handler per handler id");

}  // namespace klv::clicker
