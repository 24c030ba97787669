// Whether the clicks a target got after an operator action fit the model:
// first what was still on its way when the action was done (a stretch of the
// pass before it, repeated), then a stretch of the pass after it, repeated;
// a single step's click comes once among them. A run that is stopped has an
// empty pass: nothing may follow what was on its way.
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
