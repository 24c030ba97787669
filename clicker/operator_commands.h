// The operator's commands that edit the plan row by row and show, hide and
// raise the main window; all run on the user-interface thread.
#pragma once

namespace klv::clicker {

void AddStep();
void EditStep();
void DeleteStep();
void PickStep();
void ShowStepMenu();
void ApplyClickMode();
void ToggleMainWindow();
void ShowMainWindow();
void HideWhenMinimised();

}  // namespace klv::clicker
