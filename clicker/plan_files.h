// Plans kept in files of the operator's choosing: opened and saved through
// the system's file dialogs, or dropped on the main window.
#pragma once
#include <cstdint>

namespace klv::clicker {

void OpenPlanFile();
void SavePlanAsFile();
// drop: the handle a files-dropped event carries; finished here.
void LoadDroppedPlan(uint32_t drop);

// Where Klikvane runs elevated, the system drops the messages of a drag from
// programs of a lower level: the window lets them through. Nothing
// otherwise.
void AcceptDropsFromLowerLevels(uint32_t window);

}  // namespace klv::clicker
