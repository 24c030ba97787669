// The plan list: the report list that holds the click plan, one step a row.
// Every read asks the list as it is at that moment: nothing keeps a plan.
#pragma once
#include <cstdint>
#include <optional>

#include "clicker/runtime_access.h"

namespace klv::clicker {

CommandArgument PlanListArgument();
int32_t CountPlanRows();

// The plan list's columns, in the order the list shows them.
enum class PlanColumn : int32_t { kX, kY, kDelay, kButton, kCount };
constexpr uint32_t kPlanColumnCount = static_cast<uint32_t>(PlanColumn::kCount);
HeapText PlanCellText(int32_t row, PlanColumn column);
void SetPlanCellText(int32_t row, PlanColumn column, const char* text);

// A row's numeric cells, in column order.
struct PlanStep {
  int32_t x;
  int32_t y;
  int32_t delay;
};
// One row's cells as integers, read as the core's ToInteger reads a text (a
// cell that is not a number reads as 0), all from one state of the list in
// one call; none for a row the list does not hold, so that a plan shortened
// under a reader is never read as empty rows.
std::optional<PlanStep> ReadPlanStep(int32_t row);

}  // namespace klv::clicker
