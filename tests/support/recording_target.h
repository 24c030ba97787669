// A recording target window in another process (tests/tools/recording_window).
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "runtime/private_messages.h"
#include "tests/support/child_process.h"
#include "tests/support/dpi_awareness.h"

namespace klvtest {

// The question the target answers with where it sees the real cursor: a
// line of its log with this message, the question's serial as wParam, the
// cursor's point in the client area of the target's window under it as
// lParam, and that window's name ("elsewhere" for none of the target's).
constexpr unsigned kCursorQuestion = klv::kFirstFreeMessage + 1;

struct ReceivedMessage {
  unsigned message;
  unsigned long wParam;
  unsigned long lParam;
  // Taken from the target's queue (posted, or real input), not sent to it.
  bool queued = true;
  // When the target handled it, on its QueryPerformanceCounter clock.
  unsigned long long microseconds = 0;
  // The child window's name in the target's layout; empty for the top-level window.
  std::string window = {};
  // When it was posted, or when the input happened (GetMessageTime, on the
  // GetTickCount clock); for a sent message, that of the last one taken.
  unsigned long messageTime = 0;
  bool operator==(const ReceivedMessage& o) const {
    return message == o.message && wParam == o.wParam && lParam == o.lParam && window == o.window;
  }
};
std::string Describe(const std::vector<ReceivedMessage>& messages);
// For GoogleTest's failure messages.
void PrintTo(const ReceivedMessage& message, std::ostream* out);

class ClickTarget {
 public:
  // title: GBK bytes; the window is placed at (left, top) with that size,
  // with the children of tests/support/target_children.h when asked.
  // hung: once shown, the target's thread never takes a message again.
  // awareness: the DPI awareness of the target's thread, in which its
  // place, its size, its children and its client origin are counted.
  // activatedByClicks: false, and a click leaves the active window as it is.
  ClickTarget(const std::string& title, int left = 200, int top = 150, int width = 320, int height = 240,
              bool withChildren = false, bool hung = false, Awareness awareness = Awareness::kProcessDefault,
              bool activatedByClicks = true);
  ~ClickTarget();
  ClickTarget(const ClickTarget&) = delete;
  ClickTarget& operator=(const ClickTarget&) = delete;

  bool ready() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  // The child of that name in the layout; null when there is none.
  HWND child(const std::string& name) const;
  POINT clientOrigin() const { return origin_; }
  // Where the target sees the real cursor, asked of it and waited for: the
  // window under it and the point in that window's client area, counted in
  // the target's own pixels (lParam), as the answer of kCursorQuestion.
  std::optional<ReceivedMessage> CursorAsSeen() const;
  // The size of the log so far, without reading it.
  unsigned long long LogBytes() const;
  // Everything recorded so far, in order.
  std::vector<ReceivedMessage> Received() const;
  // What was recorded from byte *offset of the log on, up to its last whole
  // line; *offset moves past what was read.
  std::vector<ReceivedMessage> ReceivedFrom(unsigned long long* offset) const;
  // Waits (pumping this thread's messages) until at least count are there.
  std::vector<ReceivedMessage> WaitFor(size_t count, DWORD milliseconds = 5000) const;
  // Only the messages of the given kinds.
  static std::vector<ReceivedMessage> Only(const std::vector<ReceivedMessage>& all, std::vector<unsigned> kinds);
  // Only the messages taken from the target's queue.
  static std::vector<ReceivedMessage> Queued(const std::vector<ReceivedMessage>& all);

 private:
  std::string log_;
  bool hung_;
  std::unique_ptr<ChildProcess> process_;
  HWND window_ = nullptr;
  std::vector<std::pair<std::string, HWND>> children_;
  POINT origin_ = {0, 0};
};

}  // namespace klvtest
