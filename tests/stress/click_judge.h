// Whether the clicks a target got since an operator action began fit the
// model: first what the run clicked until the action took effect (a stretch
// of the pass before it, repeated), then the rest of the pass under way, over
// the new rows, and then the pass after it, repeated from its first row; a
// single step's click comes once among them. When the plan was shortened,
// the pass under way ends at its new end. One step may straddle the action: it
// read its row before it and the mode or title after it, and clicks an old
// row so, once, where the clicks of the pass before end. A run that is
// stopped has an empty pass: nothing may follow what came before.
// Foreground clicks are judged by place and button only, not by order:
// under Wine a cursor set at full speed is now and then set back to an
// earlier place by the echo of an earlier move, so a click may land on the
// point of another row, of this plan or of the one before.
#pragma once
#include <cstddef>
#include <vector>

#include "tests/stress/operator_model.h"

namespace klvtest {

struct Expectation {
  std::vector<Click> before;   // one pass's clicks at this target before the action
  std::vector<Click> after;    // ... and after it
  bool hasStep = false;        // a single step clicks here once
  Click step;
  bool stepMustShow = false;   // false: it may be one of the run's own clicks
  bool ordered = true;         // false: judged by place and button only
  // A step that read its row before the action and the mode, the title or
  // the button after it clicks one of these, once, where the clicks of the
  // pass before end.
  std::vector<Click> straddling;
};

struct Judgement {
  bool fits = false;         // some reading of the clicks fits the expectation
  size_t afterClicks = 0;    // how many of them follow the pass after the action
  bool stepSeen = false;
};

Judgement Judge(const std::vector<Click>& clicks, const Expectation& expected);

// The clicks of a pass that go to one target, in order.
std::vector<Click> ClicksAt(const std::vector<Click>& pass, int target);

}  // namespace klvtest
