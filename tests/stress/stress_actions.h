// The operator's actions on the stage: each is done to Klikvane's window and
// to the model alike, then checked. Each returns false at the first check
// that fails; the stage tells what failed.
#pragma once
#include <windows.h>

#include <string>

#include "tests/stress/settings_files.h"
#include "tests/stress/stress_stage.h"

namespace klvtest {

enum class RowMenuEntry { kDelete = 1, kEdit = 2, kFire = 3 };

// The fields typed (WM_SETTEXT), then "添加".
bool AddRow(StressStage& stage, const Fields& fields);
bool EditRow(StressStage& stage, size_t row, const Fields& fields);
bool DeleteRow(StressStage& stage, size_t row);
bool PickRowBack(StressStage& stage, size_t row);
// The row selected, then "单步调试", or its menu's "执行".
bool FireRow(StressStage& stage, size_t row, bool byMenu);
// The file put beside Klikvane, then "读取".
bool LoadFile(StressStage& stage, const SettingsFile& file);
bool LoadWithoutFile(StressStage& stage);
// "读取" with the file beside Klikvane as it is.
bool LoadAgain(StressStage& stage);
bool Save(StressStage& stage);
bool ChooseMode(StressStage& stage, Mode mode);
bool ChooseButton(StressStage& stage, Button button);
bool PickTitle(StressStage& stage, int target);
bool TypeTitle(StressStage& stage, const std::string& title);
// Control+1 over a target's client point.
bool Capture(StressStage& stage, int target, POINT client);
bool Start(StressStage& stage, bool byHotkey);
bool Stop(StressStage& stage, bool byHotkey);
// Minimised, the run checked while the window is hidden, and shown again
// from the tray icon.
bool MinimiseAndRestore(StressStage& stage);

}  // namespace klvtest
