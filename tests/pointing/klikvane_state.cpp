#include "tests/pointing/klikvane_state.h"

#include "clicker/hotkeys.h"
#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "controls/report_list/report_list_commands.h"
#include "runtime/interface/command_values.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;
namespace Property = klv::clicker::Property;

klv::CommandArgument PlanList() { return klv::clicker::UnitArgument(Unit::kPlanList, klv::TypeCode::kReportList); }

}  // namespace

uint32_t HotkeyRecordCount() { return klv::clicker::PointerCount(klv::clicker::Globals().hotkeyTable); }

const klv::clicker::HotkeyRecord& HotkeyRecordAt(uint32_t index) {
  return *static_cast<klv::clicker::HotkeyRecord*>(klv::clicker::PointerAt(klv::clicker::Globals().hotkeyTable, index));
}

std::string IdentifierOf(uint32_t index) {
  const char* identifier = HotkeyRecordAt(index).identifier;
  return identifier ? identifier : "";
}

HWND WindowOf(uint32_t index) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(HotkeyRecordAt(index).window)); }

LONG_PTR HotkeyProcedure() { return reinterpret_cast<LONG_PTR>(&klv::clicker::HotkeyWindowProc); }

bool KeyIsFree(UINT modifiers, UINT key) {
  ProbeWindow probe("", WS_OVERLAPPED);
  if (!RegisterHotKey(probe.handle(), 0x7000, modifiers, key)) return false;
  UnregisterHotKey(probe.handle(), 0x7000);
  return true;
}

void ClearCaptureFields() {
  for (uint32_t label : {Unit::kLabelScreenX, Unit::kLabelScreenY, Unit::kLabelWindowX, Unit::kLabelWindowY}) {
    WriteUnitText(label, Property::kLabelText, "");
  }
  WriteUnitText(Unit::kEditX, Property::kEditText, "");
  WriteUnitText(Unit::kEditY, Property::kEditText, "");
}

std::string CaptureFields() {
  return ReadUnitText(Unit::kLabelScreenX, Property::kLabelText) + "," +
         ReadUnitText(Unit::kLabelScreenY, Property::kLabelText) + "," +
         ReadUnitText(Unit::kLabelWindowX, Property::kLabelText) + "," +
         ReadUnitText(Unit::kLabelWindowY, Property::kLabelText) + "," +
         ReadUnitText(Unit::kEditX, Property::kEditText) + "," + ReadUnitText(Unit::kEditY, Property::kEditText);
}

bool CaptureShown() { return CaptureFields() != ",,,,,"; }

void PrepareHarmlessPlan() {
  ClearPlan();
  int32_t row = static_cast<int32_t>(klv::clicker::CallReportList(klv::reportlist::kListInsertRow, {PlanList()}).low);
  const char* cells[4] = {"5", "5", "40", "左键"};
  for (int32_t column = 0; column < 4; ++column) {
    klv::clicker::CallReportList(klv::reportlist::kListSetCellText,
                                 {PlanList(), klv::clicker::IntegerArgument(row), klv::clicker::IntegerArgument(column),
                                  klv::clicker::TextArgument(cells[column])});
  }
  WriteUnit(Unit::kComboClickMode, Property::kComboSelection, 1);
  WriteUnitText(Unit::kComboWindowTitle, Property::kComboText, "");
}

void ClearPlan() { klv::clicker::CallReportList(klv::reportlist::kListDeleteAllRows, {PlanList()}); }

bool StartButtonDisabled() { return ReadUnit(Unit::kButtonStart, Property::kDisabled) == 1; }

}  // namespace klvtest
