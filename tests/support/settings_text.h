// A plan as its rows' four cells, and the settings file that holds a plan,
// in the format the program reads (GBK).
#pragma once
#include <string>
#include <vector>

namespace klvtest {

struct PlanRow {
  std::string x, y, delay, button;
  bool operator==(const PlanRow& other) const;
};
using Plan = std::vector<PlanRow>;

// The file a plan saved into a fresh file gives: the two sections in the
// order the program writes its keys.
std::string FreshFile(const std::string& mode, const std::string& title, const Plan& plan);

}  // namespace klvtest
