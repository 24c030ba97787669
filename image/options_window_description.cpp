// The options window, unit by unit, in template order (also the tab order).
// Every unit closes the window on Escape; each hotkey box applies what the
// operator types into it and tells the program when it takes and loses the
// focus, so that the hotkeys in force never swallow the keys being typed.
#include "image/options_window_description.h"

#include "image/main_window_builder.h"
#include "image/main_window_units.h"
#include "image/program_constants.h"
#include "runtime/events.h"
#include "runtime/interface/command_values.h"

namespace klv {
namespace {

namespace Unit = OptionsWindowUnit;

constexpr uint32_t V = UnitFlag::kVisible;
constexpr uint32_t T = UnitFlag::kTabStop;
constexpr uint32_t kOnWindow = 0;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;

// The hotkeys' names, in the order of the boxes.
constexpr const char* kHotkeyNames[4] = {kConstants.hotkeyNameStart, kConstants.hotkeyNameStop,
                                         kConstants.hotkeyNameCapture, kConstants.hotkeyNameQuit};
constexpr int32_t kFirstRowTop = 22;
constexpr int32_t kRowStep = 30;

const EventBinding kCloseOnEscape = On(CommonEvent::kKeyDown, HandlerId::CloseOptionsOnEscape);

Bytes HotkeyBoxBlock() { return WriteSettings(HotkeyBoxSettings{}); }

void HotkeyRow(WindowBuilder& w, int row) {
  using namespace TypeCode;
  const int32_t top = kFirstRowTop + row * kRowStep;
  w.Control(0x16020041 + row, "", kLabel, Unit::kHotkeyGroup, {10, top + 2, 44, 18}, V, {kCloseOnEscape},
            LabelBlock(kHotkeyNames[row], kAlignLeft, kAlignCentre, kBlack));
  w.Control(Unit::kHotkeyBoxes[row], "", kHotkeyBox, Unit::kHotkeyGroup, {58, top, 120, 22}, V | T,
            {On(HotkeyBoxEvent::kChanged, HandlerId::ApplyChangedHotkey),
             On(CommonEvent::kGotFocus, HandlerId::WithdrawHotkeysWhileTyping),
             On(CommonEvent::kLostFocus, HandlerId::ApplyLeftHotkeyBox), kCloseOnEscape},
            HotkeyBoxBlock());
  w.Control(Unit::kRefusalLabels[row], "", kLabel, Unit::kHotkeyGroup, {184, top + 2, 88, 18}, V, {kCloseOnEscape},
            LabelBlock("", kAlignLeft, kAlignCentre, kRed));
}

}  // namespace

WindowDescription OptionsWindowDescription() {
  using namespace TypeCode;
  WindowBuilder w(Unit::kOptionsWindow, 0, 0);
  w.Window(Unit::kOptionsWindowOwn, {50, 50, 300, 258}, V,
           {On(WindowEvent::kCreated, HandlerId::OnOptionsWindowCreated),
            On(WindowEvent::kDestroyed, HandlerId::OnOptionsWindowClosed), kCloseOnEscape},
           FixedWindowBlock("选项", false));
  w.Control(Unit::kHotkeyGroup, "", kGroupBox, kOnWindow, {8, 8, 278, 176}, V, {kCloseOnEscape}, GroupBlock("热键"));
  for (int row = 0; row < 4; ++row) HotkeyRow(w, row);
  w.Control(Unit::kButtonDefaults, "", kButton, Unit::kHotkeyGroup, {10, 144, 72, 24}, V | T,
            {On(ButtonEvent::kClicked, HandlerId::RestoreDefaultHotkeys), kCloseOnEscape}, ButtonBlock("恢复默认"));
  w.Control(Unit::kButtonClose, "", kButton, kOnWindow, {214, 192, 72, 24}, V | T,
            {On(ButtonEvent::kClicked, HandlerId::CloseOptionsWindow), kCloseOnEscape}, ButtonBlock("关闭"));
  return w.Finish();
}

}  // namespace klv
