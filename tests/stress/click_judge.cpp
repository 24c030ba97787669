#include "tests/stress/click_judge.h"

#include <algorithm>

namespace klvtest {
namespace {

// How many clicks from the first on follow the pass over and over, begun
// at any of its rows.
size_t FollowingHead(const std::vector<Click>& clicks, const std::vector<Click>& pass) {
  size_t longest = 0;
  for (size_t start = 0; start < pass.size(); ++start) {
    size_t n = 0;
    while (n < clicks.size() && clicks[n] == pass[(start + n) % pass.size()]) ++n;
    longest = std::max(longest, n);
  }
  return longest;
}

// Where the longest run of clicks up to the last one that follows the pass
// over and over begins (the end of the clicks for an empty pass).
size_t FollowingTailStart(const std::vector<Click>& clicks, const std::vector<Click>& pass) {
  size_t earliest = clicks.size();
  for (size_t last = 0; last < pass.size(); ++last) {
    size_t begin = clicks.size(), row = last;
    while (begin > 0 && clicks[begin - 1] == pass[row]) {
      --begin;
      row = (row + pass.size() - 1) % pass.size();
    }
    earliest = std::min(earliest, begin);
  }
  return earliest;
}

Judgement JudgeRun(const std::vector<Click>& clicks, const Expectation& expected) {
  size_t head = FollowingHead(clicks, expected.before);
  size_t tail = FollowingTailStart(clicks, expected.after);
  if (head < tail) return {};
  return {true, clicks.size() - tail, false};
}

}  // namespace

Judgement Judge(const std::vector<Click>& clicks, const Expectation& expected) {
  Judgement plain = JudgeRun(clicks, expected);
  if (!expected.hasStep) return plain;
  for (size_t i = 0; i < clicks.size(); ++i) {
    if (!(clicks[i] == expected.step)) continue;
    std::vector<Click> rest = clicks;
    rest.erase(rest.begin() + static_cast<long>(i));
    Judgement without = JudgeRun(rest, expected);
    if (without.fits) return {true, without.afterClicks, true};
  }
  // The step's click is still to come: only what was on its way may be here.
  if (expected.stepMustShow) return {FollowingHead(clicks, expected.before) == clicks.size(), 0, false};
  return plain;
}

std::vector<Click> ClicksAt(const std::vector<Click>& pass, int target) {
  std::vector<Click> at;
  for (const Click& click : pass) {
    if (click.target == target) at.push_back(click);
  }
  return at;
}

}  // namespace klvtest
