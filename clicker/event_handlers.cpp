#include "clicker/event_handlers.h"

#include <iterator>

#include "clicker/hotkey_choices.h"
#include "clicker/main_window_created.h"
#include "clicker/operator_commands.h"
#include "clicker/options_window.h"
#include "clicker/plan_files.h"
#include "clicker/runner.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_file.h"
#include "clicker/tray_menu.h"
#include "clicker/window_list.h"
#include "runtime/interface/numbered_table.h"

namespace klv::clicker {
namespace {

// Every handler ignores the event's arguments and returns no value.
template <void (*Command)()>
HandlerResult Handler(const uint32_t*, int) {
  Command();
  return {false, 0};
}

// A handler that takes the event's first argument (0 when it has none).
template <void (*Command)(uint32_t)>
HandlerResult HandlerOfFirst(const uint32_t* arguments, int count) {
  Command(count > 0 ? arguments[0] : 0);
  return {false, 0};
}

void QuitProgram() { Support().ExitProgram(0); }
// The notice label's feedback event is bound to a handler that does nothing.
void IgnoreNoticeFeedback() {}

// A key-down handler: a key it took is swallowed (the answer 0), any
// other goes on.
template <bool (*Command)(uint32_t)>
HandlerResult KeyHandler(const uint32_t* arguments, int count) {
  if (Command(count > 0 ? arguments[0] : 0)) return {true, 0};
  return {false, 0};
}

struct HandlerRow {
  HandlerId number;
  EventHandler handler;
};

constexpr HandlerRow kHandlerRows[] = {
    {HandlerId::OnMainWindowCreated, Handler<OnMainWindowCreated>},
    {HandlerId::HideWhenMinimised, Handler<HideWhenMinimised>},
    {HandlerId::ToggleMainWindow, Handler<ToggleMainWindow>},
    {HandlerId::IgnoreNoticeFeedback, Handler<IgnoreNoticeFeedback>},
    {HandlerId::AddStep, Handler<AddStep>},
    {HandlerId::RefreshWindowTitles, Handler<RefreshWindowTitles>},
    {HandlerId::ShowStepMenu, Handler<ShowStepMenu>},
    {HandlerId::PickStep, Handler<PickStep>},
    {HandlerId::ApplyClickMode, Handler<ApplyClickMode>},
    {HandlerId::SaveSettings, Handler<SaveSettings>},
    {HandlerId::LoadSettings, Handler<LoadSettings>},
    {HandlerId::SingleStep, Handler<SingleStep>},
    {HandlerId::StopRun, Handler<StopRun>},
    {HandlerId::StartRun, Handler<StartRun>},
    {HandlerId::DeleteStep, Handler<DeleteStep>},
    {HandlerId::EditStep, Handler<EditStep>},
    {HandlerId::ShowMainWindow, Handler<ShowMainWindow>},
    {HandlerId::QuitProgram, Handler<QuitProgram>},
    {HandlerId::ShowTrayMenu, Handler<ShowTrayMenu>},
    {HandlerId::OpenOptionsWindow, Handler<OpenOptionsWindow>},
    {HandlerId::OpenPlanFile, Handler<OpenPlanFile>},
    {HandlerId::SavePlanAsFile, Handler<SavePlanAsFile>},
    {HandlerId::LoadDroppedPlan, HandlerOfFirst<LoadDroppedPlan>},
    {HandlerId::OnOptionsWindowCreated, Handler<OnOptionsWindowCreated>},
    {HandlerId::CloseOptionsWindow, Handler<CloseOptionsWindow>},
    {HandlerId::CloseOptionsOnEscape, KeyHandler<CloseOptionsOnEscape>},
    {HandlerId::ApplyChangedHotkey, Handler<ApplyChangedHotkey>},
    {HandlerId::WithdrawHotkeysWhileTyping, Handler<WithdrawHotkeysWhileTyping>},
    {HandlerId::ApplyLeftHotkeyBox, Handler<ApplyLeftHotkeyBox>},
    {HandlerId::RestoreDefaultHotkeys, Handler<RestoreDefaultHotkeys>},
    {HandlerId::OnOptionsWindowClosed, Handler<OnOptionsWindowClosed>},
};
static_assert(std::size(kHandlerRows) == kHandlerCount, "one handler per handler id");
static_assert(RowsInNumberOrder(kHandlerRows), "handlers out of handler-id order");

}  // namespace

const std::array<EventHandler, kHandlerCount> kEventHandlers = ColumnOf(kHandlerRows, &HandlerRow::handler);

}  // namespace klv::clicker
