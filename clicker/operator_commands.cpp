#include "clicker/operator_commands.h"

#include "clicker/plan_list.h"
#include "clicker/runtime_access.h"
#include "clicker/system_numbers.h"
#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/report_list/report_list_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

constexpr int32_t kNoRow = -1;
constexpr int32_t kMinimised = 2;
constexpr uint32_t kNotFound = static_cast<uint32_t>(-1);

int32_t SelectedRow() { return ReadUnitInteger(Unit::kPlanList, Property::kListSelection); }

// The typed fields, each with the column title that names it to the operator.
struct TypedField {
  uint32_t unit;
  const char* name;
};
constexpr TypedField kTypedFields[] = {
    {Unit::kEditX, kConstants.columnX}, {Unit::kEditY, kConstants.columnY}, {Unit::kEditDelay, kConstants.columnDelay}};

// A "|" of its own would split the saved row into more columns than the plan has,
// and the next load would drop the row. The search walks the text a
// character at a time, as the load's split does, so a double-byte
// character whose second byte is 0x7C is no separator.
bool HoldsSeparator(const HeapText& text) {
  return CallCore(core::kFindText, {TextArgument(text.get()), TextArgument(kConstants.rowSeparator)}).low != kNotFound;
}

// False, with a box naming the field, when a typed field holds the
// separator: such a row could not be kept in the settings file.
bool FieldsFitTheFile() {
  for (const TypedField& field : kTypedFields) {
    if (!HoldsSeparator(ReadUnitText(field.unit, Property::kEditText))) continue;
    HeapText message(JoinTexts({field.name, kConstants.separatorInFieldMessage}));
    CallCore(core::kShowMessageBox,
             {TextArgument(message.get()), IntegerArgument(MessageBoxStyle::kSystemModalInformation)});
    return false;
  }
  return true;
}

// The editing fields go into the row's cells, verbatim.
void WriteFieldsToRow(int32_t row) {
  SetPlanCellText(row, PlanColumn::kX, ReadUnitText(Unit::kEditX, Property::kEditText).get());
  SetPlanCellText(row, PlanColumn::kY, ReadUnitText(Unit::kEditY, Property::kEditText).get());
  SetPlanCellText(row, PlanColumn::kDelay, ReadUnitText(Unit::kEditDelay, Property::kEditText).get());
  SetPlanCellText(row, PlanColumn::kButton, ReadUnitText(Unit::kComboMouseButton, Property::kComboText).get());
}

bool MainWindowVisible() { return ReadUnitInteger(Unit::kMainWindowOwn, Property::kVisible) != 0; }

// Writing always-on-top on and at once off again raises the window above
// all others without leaving it topmost.
void ShowRaised() {
  WriteUnitInteger(Unit::kMainWindowOwn, Property::kVisible, 1);
  WriteUnitInteger(Unit::kMainWindowOwn, Property::kAlwaysOnTop, 1);
  WriteUnitInteger(Unit::kMainWindowOwn, Property::kAlwaysOnTop, 0);
}

}  // namespace

void AddStep() {
  if (!FieldsFitTheFile()) return;
  int32_t row = static_cast<int32_t>(CallReportList(reportlist::kListInsertRow, {PlanListArgument()}).low);
  WriteFieldsToRow(row);
}

void EditStep() {
  int32_t row = SelectedRow();
  if (row == kNoRow || !FieldsFitTheFile()) return;
  WriteFieldsToRow(row);
}

void DeleteStep() {
  int32_t row = SelectedRow();
  if (row == kNoRow) return;
  CallReportList(reportlist::kListDeleteRow, {PlanListArgument(), IntegerArgument(row)});
}

void PickStep() {
  int32_t row = SelectedRow();
  if (row == kNoRow) return;
  WriteUnitText(Unit::kEditX, Property::kEditText, PlanCellText(row, PlanColumn::kX).get());
  WriteUnitText(Unit::kEditY, Property::kEditText, PlanCellText(row, PlanColumn::kY).get());
  WriteUnitText(Unit::kEditDelay, Property::kEditText, PlanCellText(row, PlanColumn::kDelay).get());
  bool left = PlanCellText(row, PlanColumn::kButton).Equals(kConstants.leftButton);
  WriteUnitInteger(Unit::kComboMouseButton, Property::kComboSelection, left ? 0 : 1);
}

void ShowStepMenu() {
  if (SelectedRow() == kNoRow) return;
  CallCore(core::kPopupMenu, {WindowArgument(), {Unit::kMainWindow, Unit::kMenuOperations, TypeCode::kMenu}});
}

void ApplyClickMode() {
  bool foreground = ReadUnitText(Unit::kComboClickMode, Property::kComboText).Equals(kConstants.foregroundMode);
  WriteUnitInteger(Unit::kComboWindowTitle, Property::kDisabled, foreground ? 1 : 0);
}

void ToggleMainWindow() {
  if (MainWindowVisible()) {
    WriteUnitInteger(Unit::kMainWindowOwn, Property::kVisible, 0);
    return;
  }
  ShowRaised();
}

void ShowMainWindow() { ShowRaised(); }

// Hidden, the window comes back only through the tray icon: without the
// icon in the notification area it stays a taskbar button instead.
void HideWhenMinimised() {
  if (ReadUnitInteger(Unit::kMainWindowOwn, Property::kWindowState) != kMinimised) return;
  if (ReadUnitInteger(Unit::kTray, Property::kTrayInNotificationArea) == 0) return;
  WriteUnitInteger(Unit::kMainWindowOwn, Property::kVisible, 0);
}

}  // namespace klv::clicker
