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

// The places from which every click on follows the pass over and over from
// its first row; the end of the clicks is one of them.
std::vector<size_t> PassStarts(const std::vector<Click>& clicks, const std::vector<Click>& pass) {
  std::vector<size_t> starts = {clicks.size()};
  for (size_t last = 0; last < pass.size(); ++last) {  // the row of the last click
    size_t at = clicks.size(), row = last;
    while (at > 0 && clicks[at - 1] == pass[row]) {
      --at;
      if (row == 0) starts.push_back(at);
      row = (row + pass.size() - 1) % pass.size();
    }
  }
  return starts;
}

// Where the longest stretch of the pass's rows in order (from any row, not
// past the last) that ends just before `end` begins.
size_t StretchStart(const std::vector<Click>& clicks, const std::vector<Click>& pass, size_t end) {
  size_t earliest = end;
  for (size_t last = 0; last < pass.size(); ++last) {
    size_t at = end, row = last + 1;
    while (at > 0 && row > 0 && clicks[at - 1] == pass[row - 1]) {
      --at;
      --row;
    }
    earliest = std::min(earliest, at);
  }
  return earliest;
}

bool Among(const Click& click, const std::vector<Click>& pass) {
  return std::find(pass.begin(), pass.end(), click) != pass.end();
}

// Every click on a point of either pass, or of a step that read its row
// before the action and the rest after it; those of the pass after the
// action counted.
Judgement JudgeByPlace(const std::vector<Click>& clicks, const Expectation& expected) {
  size_t after = 0;
  for (const Click& click : clicks) {
    if (Among(click, expected.after)) {
      ++after;
    } else if (!Among(click, expected.before) && !Among(click, expected.straddling)) {
      return {};
    }
  }
  return {true, after, false};
}

// Where the clicks of the pass after the action begin, when they follow
// those of the pass before from `head` on at the latest; clicks.size() + 1
// when they do not.
size_t NewPassFrom(const std::vector<Click>& clicks, const Expectation& expected, size_t head) {
  size_t newFrom = clicks.size() + 1;
  for (size_t start : PassStarts(clicks, expected.after)) {
    const size_t from = StretchStart(clicks, expected.after, start);
    if (from <= head) newFrom = std::min(newFrom, from);
  }
  return newFrom;
}

// The pass under way when the plan changed goes on over the new rows until
// its old count of rows is done ("rows join from the next pass"), or until
// the plan's end when it was shortened: between the clicks of the pass
// before and the passes after, a stretch of the new rows in order may come.
// One step may straddle the action: its click comes where the clicks of the
// pass before end.
Judgement JudgeRun(const std::vector<Click>& clicks, const Expectation& expected) {
  if (!expected.ordered) return JudgeByPlace(clicks, expected);
  const size_t head = FollowingHead(clicks, expected.before);
  const size_t newFrom = NewPassFrom(clicks, expected, head);
  if (newFrom <= clicks.size()) return {true, clicks.size() - newFrom, false};
  for (size_t at = 0; at <= head && at < clicks.size(); ++at) {
    if (!Among(clicks[at], expected.straddling)) continue;
    std::vector<Click> rest = clicks;
    rest.erase(rest.begin() + static_cast<long>(at));
    if (FollowingHead(rest, expected.before) < at) continue;
    const size_t restFrom = NewPassFrom(rest, expected, at);
    if (restFrom <= rest.size()) return {true, rest.size() - restFrom, false};
  }
  return {};
}

}  // namespace

Judgement Judge(const std::vector<Click>& clicks, const Expectation& expected) {
  Judgement plain = JudgeRun(clicks, expected);
  if (!expected.hasStep || (plain.fits && !expected.stepMustShow)) return plain;
  for (size_t i = 0; i < clicks.size(); ++i) {
    if (!(clicks[i] == expected.step)) continue;
    std::vector<Click> rest = clicks;
    rest.erase(rest.begin() + static_cast<long>(i));
    Judgement without = JudgeRun(rest, expected);
    if (without.fits) return {true, without.afterClicks, true};
  }
  // The step's click is still to come: only clicks of the pass before may be here.
  if (expected.stepMustShow) {
    Expectation before = expected;
    before.after.clear();
    return {JudgeRun(clicks, before).fits, 0, false};
  }
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
