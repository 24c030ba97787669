#include "clicker/delivery.h"

#include <cstring>
#include <vector>

#include "clicker/click_messages.h"
#include "clicker/dpi_context.h"
#include "clicker/reached_window.h"
#include "clicker/runtime_access.h"
#include "clicker/step_profile.h"
#include "clicker/system_numbers.h"
#include "clicker/units.h"
#include "clicker/window_list.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

ScreenPoint CursorPosition() {
  const HeapPoint cursor = ReadCursorPoint();
  return {cursor[0], cursor[1]};
}

int32_t Metric(int32_t index) {
  return static_cast<int32_t>(CallSystem(kGetSystemMetrics, {static_cast<uint32_t>(index)}));
}

// Read at every click: monitors come and go.
VirtualDesk CurrentVirtualDesk() {
  return {Metric(SystemMetric::kVirtualLeft), Metric(SystemMetric::kVirtualTop), Metric(SystemMetric::kVirtualWidth),
          Metric(SystemMetric::kVirtualHeight)};
}

bool HasTitle(uint32_t window, const char* title) {
  HeapText text(GetWindowTitle(window));
  return TextsMatch(text.get(), title);
}

CommandArgument TitleBox() { return UnitArgument(Unit::kComboWindowTitle, TypeCode::kComboBox); }

int32_t ChosenButton() {
  HeapText text = ReadUnitText(Unit::kComboMouseButton, Property::kComboText);
  return text.Equals(kConstants.leftButton) ? kLeftButton : kRightButton;
}

}  // namespace

bool ForegroundModeChosen() {
  return ReadUnitText(Unit::kComboClickMode, Property::kComboText).Equals(kConstants.foregroundMode);
}

void DeliverClick(int32_t x, int32_t y, uint32_t targetWindow) {
  DeliverClickInMode(ForegroundModeChosen(), x, y, targetWindow);
}

void DeliverClickInMode(bool foreground, int32_t x, int32_t y, uint32_t targetWindow) {
  DeliveryState state;
  DeliverClickInMode(foreground, x, y, targetWindow, state);
}

void DeliverClickInMode(bool foreground, int32_t x, int32_t y, uint32_t targetWindow, DeliveryState& state) {
  ThreadDpiContext& context = state.dpiContext;
  if (foreground) {
    // The screen point is in Klikvane's own coordinates, as it was captured.
    context.Leave();
    ForegroundClick(x, y, ChosenButton(), state.cursorHome);
    MarkStepPart(StepPart::kPosts);
    return;
  }
  if (static_cast<int32_t>(targetWindow) <= 0) return;
  // The point is in the target's own pixels, and so is everything the
  // system says about its windows while the thread is in its context.
  const bool inTargetPixels = context.EnterContextOf(targetWindow);
  MarkStepPart(StepPart::kDpiContext);
  // Posted to the top-level window, a click never reaches the control the
  // operator pointed at: its default handling passes nothing on to children.
  WindowPoint reached = WindowReachedAt(targetWindow, x, y);
  if (inTargetPixels) reached = InOwnPixels(reached, targetWindow, context.current());
  MarkStepPart(StepPart::kDescent);
  const int32_t button = ChosenButton();
  MarkStepPart(StepPart::kButton);
  BackgroundClick(reached.window, reached.x, reached.y, button, kClickAction);
  MarkStepPart(StepPart::kPosts);
}

uint32_t PickedOrFirstWindowTitled(const char* title, uint32_t pickedWindow) {
  if (title == nullptr || title[0] == '\0') return 0;
  // A closed window has no title any more, so one call tells both.
  if (pickedWindow != 0 && HasTitle(pickedWindow, title)) return pickedWindow;
  return FirstWindowTitled(title);
}

uint32_t TargetOfTitleBox() {
  uint32_t picked = 0;
  HeapText title = ResultText(CallCore(core::kComboShownChoice, {TitleBox(), IntegerArgument(Word(&picked))}));
  return PickedOrFirstWindowTitled(title.get(), picked);
}

uint32_t FirstWindowTitled(const char* title) {
  if (title == nullptr || title[0] == '\0') return 0;
  return CallSystem(kFindWindowExA, {0, 0, 0, Word(title)});
}

void BackgroundClick(uint32_t window, int32_t x, int32_t y, int32_t button, int32_t action) {
  if (window == 0) window = CallSystem(kGetDesktopWindow, {});
  for (const PostedMessage& m : BackgroundClickMessages(x, y, button, action)) {
    PostMouseMessage(window, m.message, m.wParam, m.lParam);
  }
}

void ForegroundClick(int32_t x, int32_t y, int32_t button, CursorHome& home) {
  if (ForegroundClickFlags(button) == 0) return;
  const ScreenPoint back = home.Settle(CursorPosition());
  std::vector<MouseInput> inputs = ForegroundClickInputs({x, y}, back, button, CurrentVirtualDesk());
  home.Sent({x, y});
  CallSystem(kSendInput, {static_cast<uint32_t>(inputs.size()), Word(inputs.data()), sizeof(MouseInput)});
}

HeapPoint ReadCursorPoint() {
  HeapPoint point = NewPoint();
  CallSystem(kGetCursorPos, {Word(point.get())});
  return point;
}

void PostMouseMessage(uint32_t window, uint32_t message, uint32_t wParam, uint32_t lParam) {
  CallSystem(kPostMessageA, {window, message, wParam, lParam});
}

}  // namespace klv::clicker
