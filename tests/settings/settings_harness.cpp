#include "tests/settings/settings_harness.h"

#include <commctrl.h>

#include <cstdio>
#include <utility>

#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "controls/report_list/report_list_commands.h"
#include "runtime/events.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/program_window.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;

using klv::clicker::Property::kComboSelection;
using klv::clicker::Property::kComboStyle;
using klv::clicker::Property::kComboText;

klv::CommandArgument PlanListArgument() {
  return klv::clicker::UnitArgument(Unit::kPlanList, klv::TypeCode::kReportList);
}

void RaiseClick(uint32_t button) {
  ASSERT_TRUE(RaiseUnitEvent(Unit::kMainWindow, button, klv::ButtonEvent::kClicked))
      << "no handler bound to the button's click";
}

BOOL CALLBACK CountParts(HWND child, LPARAM context) {
  auto* seen = reinterpret_cast<SeenBox*>(context);
  char className[32] = "";
  GetClassNameA(child, className, sizeof className);
  LONG style = GetWindowLongA(child, GWL_STYLE);
  if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child)) ++seen->buttons;
  if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) {
    if (SendMessageA(child, STM_GETICON, 0, 0) != 0) ++seen->icons;
  }
  return TRUE;
}


}  // namespace


std::thread WatchForTheBox(SeenBox* seen) {
  return std::thread([seen] {
    HWND box = WaitForMessageBox(GetCurrentProcessId(), "信息：", 20000);
    if (!box) return;
    seen->found = true;
    seen->text = MessageBoxText(box);
    seen->topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    EnumChildWindows(box, CountParts, reinterpret_cast<LPARAM>(seen));
    DismissMessageBox(box);
  });
}

void PrintTo(const PlanRow& row, std::ostream* out) {
  *out << "{" << Shown(row.x) << " | " << Shown(row.y) << " | " << Shown(row.delay) << " | " << Shown(row.button)
       << "}";
}

KeptFile::KeptFile(std::string path) : path_(std::move(path)), existed_(FileThere(path_)) {
  if (existed_) bytes_ = ReadWholeFile(path_);
  DeleteFileA(path_.c_str());
}

KeptFile::~KeptFile() {
  if (existed_) {
    WriteWholeFile(path_, bytes_);
  } else {
    DeleteFileA(path_.c_str());
  }
}

bool FileThere(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string SystemReason(DWORD error) {
  char text[512] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  return std::string(text, length);
}

namespace {

std::string FullPath(const std::string& path) {
  char full[MAX_PATH] = "";
  GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return full;
}

}  // namespace

std::string BuiltProgram() { return FullPath(ProgramFolder() + "\\..\\Klikvane.exe"); }

std::string BuiltProgramSettings() { return FullPath(SettingsFileIn(ProgramFolder() + "\\..")); }

std::unique_ptr<KlikvaneWindow> WaitForOtherKlikvane(DWORD processId, DWORD milliseconds) {
  HWND main = nullptr;
  if (!PumpUntil([&] { return (main = ShownProgramWindow(processId)) != nullptr; }, milliseconds)) return nullptr;
  return std::make_unique<KlikvaneWindow>(main, processId);
}

Plan PlanInList(HWND list) {
  Plan plan;
  int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    plan.push_back({ListCellText(list, row, 0), ListCellText(list, row, 1), ListCellText(list, row, 2),
                    ListCellText(list, row, 3)});
  }
  return plan;
}

Plan CurrentPlan() { return PlanInList(UnitHandle(Unit::kPlanList)); }

void PutPlan(const Plan& plan) {
  using namespace klv::reportlist;
  using klv::clicker::CallReportList;
  using klv::clicker::IntegerArgument;
  CallReportList(kListDeleteAllRows, {PlanListArgument()});
  for (const PlanRow& row : plan) {
    int32_t at = static_cast<int32_t>(CallReportList(kListInsertRow, {PlanListArgument()}).low);
    const std::string* cells[4] = {&row.x, &row.y, &row.delay, &row.button};
    for (int32_t column = 0; column < 4; ++column) {
      CallReportList(kListSetCellText, {PlanListArgument(), IntegerArgument(at), IntegerArgument(column),
                                        klv::clicker::TextArgument(cells[column]->c_str())});
    }
  }
}

void PressSave() { RaiseClick(Unit::kButtonSave); }
void PressLoad() { RaiseClick(Unit::kButtonLoad); }

std::string Shown(const std::string& bytes) {
  std::string shown;
  for (unsigned char byte : bytes) {
    if (byte == '\r' || byte == '\n') {
      shown += byte == '\r' ? "\\r" : "\\n";
    } else if (byte < 0x20 || byte >= 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      shown += hex;
    } else {
      shown += static_cast<char>(byte);
    }
  }
  return shown;
}

void SettingsFileTest::SetUp() {
  kept_ = std::make_unique<KeptFile>(SettingsPathHere());
  PutPlan({});
  SelectMode(0);
  SetTitle("");
}

void SettingsFileTest::TearDown() { kept_.reset(); }

std::string SettingsFileTest::FileBytes() const { return ReadWholeFile(SettingsPathHere()); }
void SettingsFileTest::WriteFile(const std::string& bytes) const { WriteWholeFile(SettingsPathHere(), bytes); }

std::string SettingsFileTest::ModeText() const { return ReadUnitText(Unit::kComboClickMode, kComboText); }
std::string SettingsFileTest::TitleText() const { return ReadUnitText(Unit::kComboWindowTitle, kComboText); }

void SettingsFileTest::SetTitle(const std::string& title) const {
  WriteUnit(Unit::kComboWindowTitle, kComboStyle, 1);  // an editable field holds any text
  WriteUnitText(Unit::kComboWindowTitle, kComboText, title);
}

void SettingsFileTest::SelectMode(int item) const { WriteUnit(Unit::kComboClickMode, kComboSelection, item); }

}  // namespace klvtest
