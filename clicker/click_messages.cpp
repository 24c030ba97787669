#include "clicker/click_messages.h"

#include <algorithm>

#include "clicker/system_numbers.h"

namespace klv::clicker {
namespace {

using namespace SystemMessage;

// The wheel message's first parameter: the notch (high half) and the
// middle button as held (low half).
constexpr uint32_t WheelParameter(int32_t delta) {
  return (static_cast<uint32_t>(delta) << 16) | MouseKeyState::kMiddleButton;
}
constexpr uint32_t kWheelForward = WheelParameter(kWheelDelta);
constexpr uint32_t kWheelBackward = WheelParameter(-kWheelDelta);

struct ButtonMessages {
  uint32_t down, downW, up, upW, doubleClick;
};

constexpr ButtonMessages kLeft = {kLeftButtonDown, MouseKeyState::kLeftButton, kLeftButtonUp, 0,
                                  kLeftButtonDoubleClick};
constexpr ButtonMessages kRight = {kRightButtonDown, MouseKeyState::kRightButton, kRightButtonUp,
                                   MouseKeyState::kRightButton, kRightButtonDoubleClick};
constexpr ButtonMessages kMiddle = {kMiddleButtonDown, MouseKeyState::kMiddleButton, kMiddleButtonUp, 0,
                                    kMiddleButtonDoubleClick};

const ButtonMessages* MessagesFor(int32_t button) {
  switch (button) {
    case 0:
    case 1: return &kLeft;
    case 2: return &kRight;
    case 3: return &kMiddle;
    default: return nullptr;
  }
}

void AppendAction(std::vector<PostedMessage>& out, const ButtonMessages& b, int32_t action, uint32_t point) {
  bool click = action == 0 || action == 1;
  if (click || action == 2 || action == 3) out.push_back({b.down, b.downW, point});
  if (click || action == 2 || action == 4) out.push_back({b.up, b.upW, point});
  if (action == 2) out.push_back({b.doubleClick, 0, point});
}

}  // namespace

uint32_t PackPoint(int32_t x, int32_t y) {
  return (static_cast<uint32_t>(y) << 16) | (static_cast<uint32_t>(x) & 0xFFFFu);
}

std::vector<PostedMessage> BackgroundClickMessages(int32_t x, int32_t y, int32_t button, int32_t action) {
  uint32_t point = PackPoint(x, y);
  if (button == 4) return {{kMouseWheel, kWheelForward, point + kScreenOffset}};
  if (button == 5) return {{kMouseWheel, kWheelBackward, point + kScreenOffset}};
  std::vector<PostedMessage> out = {{kMouseMove, MouseKeyState::kRightButton, point}};
  if (const ButtonMessages* messages = MessagesFor(button)) AppendAction(out, *messages, action, point);
  if (button == 2) out.push_back({kContextMenu, kContextMenuParameter, point + kScreenOffset});
  return out;
}

uint32_t ForegroundClickFlags(int32_t button) {
  if (button == kLeftButton) return MouseEventFlag::kLeftDown | MouseEventFlag::kLeftUp;
  if (button == kRightButton) return MouseEventFlag::kRightDown | MouseEventFlag::kRightUp;
  return 0;
}

namespace {

constexpr int64_t kDeskUnits = 65536;

int32_t InUnits(int32_t coordinate, int32_t origin, int32_t extent) {
  if (extent <= 0) return 0;
  const int64_t pixel = std::clamp<int64_t>(static_cast<int64_t>(coordinate) - origin, 0, extent - 1);
  // (pixel + 1/4) * 65536 / extent, in whole units.
  return static_cast<int32_t>((4 * pixel + 1) * kDeskUnits / (4 * static_cast<int64_t>(extent)));
}

MouseInput AbsoluteInput(ScreenPoint units, uint32_t buttonFlag) {
  MouseInput input;
  input.dx = units.x;
  input.dy = units.y;
  input.flags = MouseEventFlag::kMove | MouseEventFlag::kAbsolute | MouseEventFlag::kVirtualDesk | buttonFlag;
  return input;
}

}  // namespace

ScreenPoint InDeskUnits(ScreenPoint point, const VirtualDesk& desk) {
  return {InUnits(point.x, desk.left, desk.width), InUnits(point.y, desk.top, desk.height)};
}

std::vector<MouseInput> ForegroundClickInputs(ScreenPoint point, ScreenPoint home, int32_t button,
                                              const VirtualDesk& desk) {
  const uint32_t flags = ForegroundClickFlags(button);
  // Without the desk's size no point can be placed: no click rather than
  // one at the desk's corner.
  if (flags == 0 || desk.width <= 0 || desk.height <= 0) return {};
  const uint32_t down = flags & ~(flags - 1);  // the lower flag of the pair
  const ScreenPoint at = InDeskUnits(point, desk);
  return {AbsoluteInput(at, down), AbsoluteInput(at, flags & ~down), AbsoluteInput(InDeskUnits(home, desk), 0)};
}

}  // namespace klv::clicker
