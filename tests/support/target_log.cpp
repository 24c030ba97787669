#include "tests/support/target_log.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

// A recorded message the program never posts, carrying a serial number.
constexpr unsigned kMarker = WM_XBUTTONDBLCLK;  // a message no click posts
constexpr unsigned long kMarkerTag = 0x4B4C56;

bool IsMarker(const ReceivedMessage& m) { return m.message == kMarker && m.wParam == kMarkerTag; }

}  // namespace

const char kTargetTitle[] = "点击目标窗口";

ClickTarget& Target() {
  static std::unique_ptr<ClickTarget> target = std::make_unique<ClickTarget>(kTargetTitle, 20, 20, 320, 240);
  return *target;
}

size_t MarkTarget(unsigned long milliseconds) { return MarkTarget(Target(), milliseconds); }

size_t MarkTarget(const ClickTarget& target, unsigned long milliseconds) {
  static unsigned long serial = 0;
  unsigned long mine = ++serial;
  PostMessageA(target.window(), kMarker, kMarkerTag, static_cast<LPARAM>(mine));
  size_t position = 0;
  PumpUntil([&] {
    std::vector<ReceivedMessage> all = target.Received();
    for (size_t i = all.size(); i-- > 0;) {
      if (IsMarker(all[i]) && all[i].lParam == mine) {
        position = i + 1;
        return true;
      }
    }
    return false;
  }, milliseconds);
  return position;
}

std::vector<ReceivedMessage> QueuedBetween(size_t from, size_t to) { return QueuedBetween(Target(), from, to); }

std::vector<ReceivedMessage> QueuedBetween(const ClickTarget& target, size_t from, size_t to) {
  return ClickTarget::Queued(AllBetween(target, from, to));
}

std::vector<ReceivedMessage> AllBetween(const ClickTarget& target, size_t from, size_t to) {
  std::vector<ReceivedMessage> all = target.Received();
  std::vector<ReceivedMessage> kept;
  for (size_t i = from; i < all.size() && i < to; ++i) {
    if (!IsMarker(all[i])) kept.push_back(all[i]);
  }
  return kept;
}

std::vector<ReceivedMessage> WaitForQueued(size_t from,
                                           const std::function<bool(const std::vector<ReceivedMessage>&)>& enough,
                                           unsigned long milliseconds) {
  std::vector<ReceivedMessage> messages;
  bool arrived = PumpUntil([&] {
    messages = QueuedBetween(from);
    return enough(messages);
  }, milliseconds);
  // Failed here, at the wait, rather than later at whatever reads the messages.
  EXPECT_TRUE(arrived) << "the awaited messages did not arrive within " << milliseconds << " ms; arrived:\n"
                       << Describe(messages);
  return messages;
}

uint32_t Packed(int x, int y) { return static_cast<uint32_t>(MAKELPARAM(x, y)); }

std::vector<ReceivedMessage> LeftClickAt(int x, int y, const std::string& window) {
  unsigned long p = Packed(x, y);
  return {{WM_MOUSEMOVE, 2, p, true, 0, window},
          {WM_LBUTTONDOWN, 1, p, true, 0, window},
          {WM_LBUTTONUP, 0, p, true, 0, window}};
}

std::vector<ReceivedMessage> RightClickAt(int x, int y, const std::string& window) {
  unsigned long p = Packed(x, y);
  return {{WM_MOUSEMOVE, 2, p, true, 0, window},
          {WM_RBUTTONDOWN, 2, p, true, 0, window},
          {WM_RBUTTONUP, 2, p, true, 0, window},
          {WM_CONTEXTMENU, 0x206AE, static_cast<unsigned long>(p + 0x17F0249ul), true, 0, window}};
}

size_t CountOf(const std::vector<ReceivedMessage>& messages, unsigned kind) {
  size_t n = 0;
  for (const ReceivedMessage& m : messages) n += m.message == kind;
  return n;
}

size_t CountAt(const std::vector<ReceivedMessage>& messages, unsigned kind, uint32_t point) {
  size_t n = 0;
  for (const ReceivedMessage& m : messages) n += m.message == kind && m.lParam == point;
  return n;
}

}  // namespace klvtest
