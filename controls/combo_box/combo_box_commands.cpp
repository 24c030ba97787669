// The core commands that work on a combo box: item text, add item, clear,
// item data and the shown choice.
#include "controls/combo_box/combo_box_unit.h"
#include "controls/commands/command_arguments.h"
#include "controls/commands/core_commands.h"
#include "controls/skeleton/unit_lookup.h"
#include "runtime/text_value.h"

namespace klv {

// The commands reach the combo box through messages to its system window,
// so they work from any thread; another thread reads item texts from the
// mirror and does not wait for the owner.
namespace core {

void ComboItemText(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ComboBoxUnit* combo = RequireUnit<ComboBoxUnit>(args.At(0));
  int32_t index = args.Integer(1, -1);
  std::string text;
  if (combo) text = combo->mirror().Item(index);
  SetTextResult(result, CopyText(text.c_str()));
}

void ComboAddItem(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  HWND combo = RequireUnitWindow<ComboBoxUnit>(args.At(0));
  const char* text = args.Text(1, "");
  LRESULT at = combo ? AddItem({combo}, text ? text : "") : CB_ERR;
  if (at < 0) {
    SetIntegerResult(result, -1);
    return;
  }
  SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(args.Integer(2, 0)));
  SetIntegerResult(result, static_cast<int32_t>(at));
}

void ComboClear(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  if (HWND combo = RequireUnitWindow<ComboBoxUnit>(args.At(0))) SendMessageA(combo, CB_RESETCONTENT, 0, 0);
}

void ComboItemData(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ComboBoxUnit* combo = RequireUnit<ComboBoxUnit>(args.At(0));
  int32_t item = args.Integer(1, -1);
  uint32_t data = combo ? combo->mirror().ItemData(item) : 0;
  SetIntegerResult(result, static_cast<int32_t>(data));
}

// The runner asks at every step: the shown text, and the picked item's data
// word of the same moment, so that the two never come from both sides of a
// change.
void ComboShownChoice(CommandResult* result, int count, const CommandArgument* arguments) {
  CommandArguments args(count, arguments);
  ComboBoxUnit* combo = RequireUnit<ComboBoxUnit>(args.At(0));
  ComboMirror::Choice choice;
  if (combo) choice = combo->mirror().ShownChoice();
  if (auto* place = static_cast<uint32_t*>(const_cast<void*>(args.Pointer(1)))) *place = choice.itemData;
  SetTextResult(result, CopyText(choice.text.c_str()));
}

}  // namespace core
}  // namespace klv
