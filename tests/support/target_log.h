// The recording target the clicking tests share, and markers in its log
// that split it into before and after.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/recording_target.h"

namespace klvtest {

// GBK title of the shared target (unique on the desktop).
extern const char kTargetTitle[];
// Started on first use: 320 x 240 at (20, 20), left of the main window.
ClickTarget& Target();

// Posts a marker to the target and waits until the target has handled it.
// Returns the log position just after it: whatever was posted to the target
// before the marker (from any thread) lies before that position.
size_t MarkTarget(unsigned long milliseconds = 15000);
size_t MarkTarget(const ClickTarget& target, unsigned long milliseconds = 15000);
// The messages taken from the target's queue from one log position to the
// next (or to the end), markers left out; the target's children included.
std::vector<ReceivedMessage> QueuedBetween(size_t from, size_t to = SIZE_MAX);
std::vector<ReceivedMessage> QueuedBetween(const ClickTarget& target, size_t from, size_t to = SIZE_MAX);
// The same with the messages sent to the target's windows as well.
std::vector<ReceivedMessage> AllBetween(const ClickTarget& target, size_t from, size_t to = SIZE_MAX);
// Pumps until the queued messages from the position on satisfy the
// condition; they are returned either way, and the test fails when the
// time ran out first.
std::vector<ReceivedMessage> WaitForQueued(size_t from,
                                           const std::function<bool(const std::vector<ReceivedMessage>&)>& enough,
                                           unsigned long milliseconds = 15000);

// The left and right click of the program at (x, y), as posted to the
// target's top-level window or to its child of that name.
std::vector<ReceivedMessage> LeftClickAt(int x, int y, const std::string& window = "");
std::vector<ReceivedMessage> RightClickAt(int x, int y, const std::string& window = "");
uint32_t Packed(int x, int y);
// How many messages of the kind, and with that point when point is given.
size_t CountOf(const std::vector<ReceivedMessage>& messages, unsigned kind);
size_t CountAt(const std::vector<ReceivedMessage>& messages, unsigned kind, uint32_t point);

}  // namespace klvtest
