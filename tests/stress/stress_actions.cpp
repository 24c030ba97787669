#include "tests/stress/stress_actions.h"

#include "tests/support/child_process.h"

namespace klvtest {
namespace {

void TypeFields(StressStage& stage, const Fields& fields) {
  KlikvaneWindow& window = stage.window();
  window.SetField(window.FieldX(), fields.x);
  window.SetField(window.FieldY(), fields.y);
  window.SetField(window.FieldDelay(), fields.delay);
  stage.model().SetFields(fields);
}

bool ChooseFromMenu(StressStage& stage, size_t row, RowMenuEntry entry) {
  if (stage.window().ChooseFromRowMenu(static_cast<int>(row), static_cast<int>(entry))) return true;
  return stage.Fail("the row menu did not open and close");
}

bool Load(StressStage& stage) {
  stage.Begin();
  const char* box = stage.fileGives() ? nullptr : kNoSettingsBox;
  if (stage.fileGives()) stage.model().Load(*stage.fileGives());
  return stage.Press(stage.window().LoadButton(), box) && stage.Check();
}

}  // namespace

bool AddRow(StressStage& stage, const Fields& fields) {
  stage.Begin();
  TypeFields(stage, fields);
  const std::string refusal = stage.model().FieldsRefusal();
  stage.model().Add();
  return stage.Press(stage.window().AddButton(), refusal.empty() ? nullptr : refusal.c_str()) && stage.Check();
}

bool EditRow(StressStage& stage, size_t row, const Fields& fields) {
  stage.Begin();
  TypeFields(stage, fields);
  const std::string refusal = stage.model().FieldsRefusal();
  stage.model().Edit(row);
  if (!ChooseFromMenu(stage, row, RowMenuEntry::kEdit)) return false;
  if (!refusal.empty() && !stage.TakeBox(refusal.c_str(), [] { return true; })) return false;
  return stage.Check();
}

bool DeleteRow(StressStage& stage, size_t row) {
  stage.Begin();
  stage.model().Delete(row);
  return ChooseFromMenu(stage, row, RowMenuEntry::kDelete) && stage.Check();
}

bool PickRowBack(StressStage& stage, size_t row) {
  stage.Begin();
  stage.model().PickBack(row);
  if (!stage.window().DoubleClickRow(static_cast<int>(row))) return stage.Fail("the row is not on the screen");
  return stage.Check();
}

bool FireRow(StressStage& stage, size_t row, bool byMenu) {
  stage.Begin();
  if (byMenu) {
    if (!ChooseFromMenu(stage, row, RowMenuEntry::kFire)) return false;
  } else {
    if (!stage.window().SelectRow(static_cast<int>(row))) return stage.Fail("the row could not be selected");
    if (!stage.Press(stage.window().StepButton())) return false;
  }
  return stage.Check(row);
}

bool LoadFile(StressStage& stage, const SettingsFile& file) {
  WriteWholeFile(stage.settingsFile(), file.bytes);
  stage.fileGives() = file.loads;
  return Load(stage);
}

bool LoadWithoutFile(StressStage& stage) {
  DeleteFileA(stage.settingsFile().c_str());
  stage.fileGives().reset();
  return Load(stage);
}

bool LoadAgain(StressStage& stage) { return Load(stage); }

bool Save(StressStage& stage) {
  stage.Begin();
  stage.fileGives() = stage.model().Save();
  return stage.Press(stage.window().SaveButton()) && stage.Check();
}

bool ChooseMode(StressStage& stage, Mode mode) {
  stage.Begin();
  stage.model().ChooseMode(mode);
  KlikvaneWindow& window = stage.window();
  if (!window.PickItem(window.ModeBox(), mode == Mode::kBackground ? 1 : 0)) return stage.Fail("the mode was not chosen");
  return stage.Check();
}

bool ChooseButton(StressStage& stage, Button button) {
  stage.Begin();
  stage.model().ChooseButton(button);
  KlikvaneWindow& window = stage.window();
  if (!window.PickItem(window.ButtonBox(), button == Button::kRight ? 1 : 0)) {
    return stage.Fail("the button was not chosen");
  }
  return stage.Check();
}

bool PickTitle(StressStage& stage, int target) {
  stage.Begin();
  stage.model().PickTitle(target);
  if (!stage.window().PickTitleOf(stage.TargetWindow(target))) return stage.Fail("the title was not picked");
  return stage.Check();
}

bool TypeTitle(StressStage& stage, const std::string& title) {
  stage.Begin();
  stage.model().TypeTitle(title);
  if (!stage.window().TypeTitle(title)) return stage.Fail("the title was not typed");
  return stage.Check();
}

bool Capture(StressStage& stage, int target, POINT client) {
  stage.Begin();
  stage.model().CaptureOver(target, client.x, client.y);
  ClientToScreen(stage.TargetWindow(target), &client);
  const Fields& fields = stage.model().fields();
  stage.window().CaptureAt(client, fields.x, fields.y);
  return stage.Check();
}

bool Start(StressStage& stage, bool byHotkey) {
  stage.Begin();
  const char* box = stage.model().Start() ? kEmptyPlanBox : nullptr;
  if (!byHotkey) return stage.Press(stage.window().StartButton(), box) && stage.Check();
  stage.window().PressHotkey(VK_F6);
  return stage.TakeBox(box, [] { return true; }) && stage.Check();
}

bool Stop(StressStage& stage, bool byHotkey) {
  stage.Begin();
  stage.model().Stop();
  if (byHotkey) {
    stage.window().PressHotkey(VK_F7);
  } else if (!stage.Press(stage.window().StopButton())) {
    return false;
  }
  return stage.Check();
}

bool MinimiseAndRestore(StressStage& stage) {
  stage.Begin();
  if (!stage.window().MinimiseToTray()) return stage.Fail("minimised, the window did not hide");
  if (!stage.Check()) return false;
  stage.Begin();
  if (!stage.window().RestoreFromTray()) return stage.Fail("the tray icon did not show the window again");
  return stage.Check();
}

}  // namespace klvtest
