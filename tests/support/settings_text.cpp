#include "tests/support/settings_text.h"

namespace klvtest {

bool PlanRow::operator==(const PlanRow& other) const {
  return x == other.x && y == other.y && delay == other.delay && button == other.button;
}

std::string FreshFile(const std::string& mode, const std::string& title, const Plan& plan) {
  std::string bytes = "[Configuration]\r\n前后台=" + mode + "\r\n窗口标题=" + title + "\r\n坐标个数=" +
                      std::to_string(plan.size()) + "\r\n";
  if (plan.empty()) return bytes;
  bytes += "[Coordinate]\r\n";
  for (size_t i = 0; i < plan.size(); ++i) {
    const PlanRow& row = plan[i];
    bytes += "坐标" + std::to_string(i + 1) + "=" + row.x + "|" + row.y + "|" + row.delay + "|" + row.button + "\r\n";
  }
  return bytes;
}

}  // namespace klvtest
