#include "clicker/plan_files.h"

namespace klv::clicker {

// Being written: the dialogs, the drop and the load and save on any path.
void OpenPlanFile() {}
void SavePlanAsFile() {}
void LoadDroppedPlan(uint32_t) {}

}  // namespace klv::clicker
