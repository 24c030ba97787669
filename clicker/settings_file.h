// The settings file: one click plan, the click mode and the target title,
// kept in an ini file beside the program, or in any file the operator
// names.
#pragma once

namespace klv::clicker {

// Forms SettingsPath anew: the run directory followed by the file name.
void FormSettingsPath();
// The plan written to, or read from, the file at path (program text), with
// the same refusals and messages whichever the file.
void SavePlanTo(const char* path);
void LoadPlanFrom(const char* path);
// The same for the settings file beside the program.
void SaveSettings();
void LoadSettings();

}  // namespace klv::clicker
