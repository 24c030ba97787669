#include "clicker/plan_list.h"

#include <cstddef>

#include "clicker/units.h"
#include "controls/report_list/report_list_commands.h"

namespace klv::clicker {
namespace {

CommandArgument ColumnArgument(PlanColumn column) { return IntegerArgument(static_cast<int32_t>(column)); }

// The step's fields lie as its columns do, so that the list fills it in place.
constexpr int32_t kStepColumns = static_cast<int32_t>(sizeof(PlanStep) / sizeof(int32_t));
static_assert(offsetof(PlanStep, x) == static_cast<size_t>(PlanColumn::kX) * sizeof(int32_t), "x is column X");
static_assert(offsetof(PlanStep, y) == static_cast<size_t>(PlanColumn::kY) * sizeof(int32_t), "y is column Y");
static_assert(offsetof(PlanStep, delay) == static_cast<size_t>(PlanColumn::kDelay) * sizeof(int32_t),
              "delay is column Delay");

}  // namespace

CommandArgument PlanListArgument() { return UnitArgument(Unit::kPlanList, TypeCode::kReportList); }

int32_t CountPlanRows() {
  return static_cast<int32_t>(CallReportList(reportlist::kListRowCount, {PlanListArgument()}).low);
}

HeapText PlanCellText(int32_t row, PlanColumn column) {
  return ResultText(
      CallReportList(reportlist::kListCellText, {PlanListArgument(), IntegerArgument(row), ColumnArgument(column)}));
}

void SetPlanCellText(int32_t row, PlanColumn column, const char* text) {
  CallReportList(reportlist::kListSetCellText,
                 {PlanListArgument(), IntegerArgument(row), ColumnArgument(column), TextArgument(text)});
}

std::optional<PlanStep> ReadPlanStep(int32_t row) {
  PlanStep step = {};
  const CommandResult held = CallReportList(
      reportlist::kListRowNumbers,
      {PlanListArgument(), IntegerArgument(row), IntegerArgument(static_cast<int32_t>(Word(&step))),
       IntegerArgument(kStepColumns)});
  if (held.low == 0) return std::nullopt;
  return step;
}

}  // namespace klv::clicker
