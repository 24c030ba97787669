// The clicks the recording targets get after an operator action. Once the
// action is done the test posts a marker to every target; what a target's
// log holds after its marker came after the action, or was still on its way.
#pragma once
#include <windows.h>

#include <vector>

#include "tests/stress/operator_model.h"
#include "tests/support/click_target.h"

namespace klvtest {

class TargetWatch {
 public:
  // The targets in the model's order.
  explicit TargetWatch(std::vector<const ClickTarget*> targets);
  // Posts a fresh marker to every target and forgets the clicks before it.
  void Mark();
  // Reads what the targets recorded since the last look; false while some
  // target has not reached its marker yet.
  bool Update();
  // The clicks each target got after its marker, in order.
  const std::vector<Click>& ClicksAt(int target) const { return watched_[static_cast<size_t>(target)].clicks; }
  size_t TotalClicks() const;

 private:
  struct Watched {
    const ClickTarget* target;
    unsigned long long offset = 0;
    bool marked = false;
    std::vector<Click> clicks;
  };
  void Take(int index, const ReceivedMessage& message);

  std::vector<Watched> watched_;
  unsigned long marker_ = 0;
};

}  // namespace klvtest
