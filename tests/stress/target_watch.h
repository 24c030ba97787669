// The clicks the recording targets get from a moment on: those posted, or
// made by real input, at that moment or later (by their message time). A
// target busy with a backlog of foreground clicks takes newer ones after
// messages posted later, so neither the order nor the moment a target
// handles a click tells when it was made.
#pragma once
#include <windows.h>

#include <vector>

#include "tests/stress/operator_model.h"
#include "tests/support/recording_target.h"

namespace klvtest {

class TargetWatch {
 public:
  // The targets in the model's order.
  explicit TargetWatch(std::vector<const ClickTarget*> targets);
  // Forgets the clicks so far; from now on they count.
  void Mark();
  // Reads what the targets recorded since the last look.
  void Update();
  // The clicks each target got since the mark, in the order it took them.
  const std::vector<Click>& ClicksAt(int target) const { return watched_[static_cast<size_t>(target)].clicks; }
  size_t TotalClicks() const;
  // Every press the targets have taken so far, also those made before the mark.
  unsigned long long PressesTaken() const { return pressesTaken_; }
  // How long before the mark the last press taken was made (negative: after it).
  long LastPressBeforeMark() const { return static_cast<LONG>(since_ - lastPressTime_); }

 private:
  struct Watched {
    const ClickTarget* target;
    unsigned long long offset = 0;
    std::vector<Click> clicks;
  };
  void Take(int index, const ReceivedMessage& message);

  std::vector<Watched> watched_;
  DWORD since_ = 0;
  unsigned long long pressesTaken_ = 0;
  DWORD lastPressTime_ = 0;
};

}  // namespace klvtest
