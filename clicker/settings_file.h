// The settings file: one click plan, the click mode and the target title,
// kept in an ini file beside the program.
#pragma once

namespace klv::clicker {

// Forms SettingsPath anew: the run directory followed by the file name.
void FormSettingsPath();
void SaveSettings();
void LoadSettings();

}  // namespace klv::clicker
