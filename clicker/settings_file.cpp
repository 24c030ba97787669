#include "clicker/settings_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "clicker/globals.h"
#include "clicker/system_functions.h"
#include "clicker/units.h"
#include "controls/core_commands.h"
#include "controls/report_list_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

constexpr uint32_t kShowMessageSystemModal = 4096;

HeapText FromResult(const CommandResult& result) {
  return HeapText(reinterpret_cast<char*>(static_cast<uintptr_t>(result.low)));
}

CommandArgument PlanList() { return UnitArgument(Unit::kPlanList, TypeCode::kReportList); }

void WriteItem(const char* section, const char* key, const char* value) {
  CallCore(core::kWriteIniItem,
           {TextArgument(Globals().settingsPath), TextArgument(section), TextArgument(key), TextArgument(value)});
}

HeapText ReadItem(const char* section, const char* key, const char* fallback) {
  return FromResult(CallCore(core::kReadIniItem, {TextArgument(Globals().settingsPath), TextArgument(section),
                                                  TextArgument(key),
                                                  fallback ? TextArgument(fallback) : OmittedArgument()}));
}

int32_t PlanRowCount() { return static_cast<int32_t>(CallReportList(reportlist::kListRowCount, {PlanList()}).low); }

HeapText Cell(int32_t row, int32_t column) {
  return FromResult(
      CallReportList(reportlist::kListCellText, {PlanList(), IntegerArgument(row), IntegerArgument(column)}));
}

HeapText RowKey(int32_t number) {
  return HeapText(JoinTexts({kConstants.keyRowPrefix, IntegerToText(number).get()}));
}

// The row numbers i for which the "Coordinate" section holds the key
// "坐标" + i (decimal, no leading zeros), in ascending order, up to limit.
// The section's key names are read once, so a damaged row count costs
// nothing more than the keys the file really has.
std::vector<int32_t> PresentRowNumbers(int32_t limit) {
  std::vector<char> names(4096);
  for (;;) {
    uint32_t got = CallSystem(kGetPrivateProfileStringA,
                              {Word(kConstants.sectionCoordinate), 0, Word(""), Word(names.data()),
                               static_cast<uint32_t>(names.size()), Word(Globals().settingsPath)});
    if (got + 2 < names.size() || names.size() >= (64u << 20)) break;
    names.assign(names.size() * 2, '\0');
  }
  std::vector<int32_t> numbers;
  size_t prefix = std::strlen(kConstants.keyRowPrefix);
  for (const char* name = names.data(); *name; name += std::strlen(name) + 1) {
    if (std::strncmp(name, kConstants.keyRowPrefix, prefix) != 0) continue;
    int32_t number = TextToInteger(name + prefix);
    if (number < 1 || number > limit || !RowKey(number).Equals(name)) continue;
    numbers.push_back(number);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

void ApplyClickModeFromFile(const HeapText& mode) {
  bool background = mode.Equals(kConstants.one);
  WriteUnitInteger(Unit::kComboClickMode, Property::kComboSelection, background ? 1 : 0);
  WriteUnitInteger(Unit::kComboWindowTitle, Property::kDisabled, background ? 0 : 1);
  WriteUnitInteger(Unit::kComboWindowTitle, Property::kComboStyle, background ? 1 : 2);
}

void AppendRow(const HeapText& value) {
  CommandResult split = CallCore(core::kSplitText, {TextArgument(value.get()), TextArgument(kConstants.rowSeparator)});
  void* parts = reinterpret_cast<void*>(static_cast<uintptr_t>(split.low));
  if (PointerCount(parts) == 4) {
    int32_t row = static_cast<int32_t>(CallReportList(reportlist::kListInsertRow, {PlanList()}).low);
    for (int32_t column = 0; column < 4; ++column) {
      CallReportList(reportlist::kListSetCellText,
                     {PlanList(), IntegerArgument(row), IntegerArgument(column),
                      TextArgument(static_cast<const char*>(PointerAt(parts, static_cast<uint32_t>(column))))});
    }
  }
  FreePointerArrayDeep(parts);
}

}  // namespace

void FormSettingsPath() {
  HeapText directory = FromResult(CallCore(core::kGetRunDirectory, {}));
  char* path = JoinTexts({directory.get(), kConstants.settingsFileName});
  Free(Globals().settingsPath);
  Globals().settingsPath = path;
}

void SaveSettings() {
  FormSettingsPath();
  bool background = ReadUnitText(Unit::kComboClickMode, Property::kComboText).Equals(kConstants.backgroundMode);
  WriteItem(kConstants.sectionConfiguration, kConstants.keyClickMode, background ? kConstants.one : kConstants.zero);
  HeapText title = ReadUnitText(Unit::kComboWindowTitle, Property::kComboText);
  WriteItem(kConstants.sectionConfiguration, kConstants.keyWindowTitle, title.get());
  WriteItem(kConstants.sectionConfiguration, kConstants.keyRowCount, IntegerToText(PlanRowCount()).get());
  int32_t rows = PlanRowCount();
  for (int32_t i = 1; i <= rows; ++i) {
    HeapText x = Cell(i - 1, 0), y = Cell(i - 1, 1), delay = Cell(i - 1, 2), button = Cell(i - 1, 3);
    const char* bar = kConstants.rowSeparator;
    HeapText value(JoinTexts({x.get(), bar, y.get(), bar, delay.get(), bar, button.get()}));
    WriteItem(kConstants.sectionCoordinate, RowKey(i).get(), value.get());
  }
}

void LoadSettings() {
  CommandResult exists = CallCore(core::kFileExists, {TextArgument(Globals().settingsPath)});
  if (exists.low != 1) {
    CallCore(core::kShowMessageBox,
             {TextArgument(kConstants.noSettingsMessage), IntegerArgument(kShowMessageSystemModal)});
    return;
  }
  HeapText mode = ReadItem(kConstants.sectionConfiguration, kConstants.keyClickMode, kConstants.zero);
  HeapText title = ReadItem(kConstants.sectionConfiguration, kConstants.keyWindowTitle, nullptr);
  HeapText count = ReadItem(kConstants.sectionConfiguration, kConstants.keyRowCount, kConstants.zero);
  int32_t rows = TextToInteger(count.get());
  ApplyClickModeFromFile(mode);
  WriteUnitText(Unit::kComboWindowTitle, Property::kComboText, title.get());
  CallReportList(reportlist::kListDeleteAllRows, {PlanList()});
  for (int32_t number : PresentRowNumbers(rows)) {
    AppendRow(ReadItem(kConstants.sectionCoordinate, RowKey(number).get(), nullptr));
  }
}

}  // namespace klv::clicker
