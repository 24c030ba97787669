#include "clicker/settings_file.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "clicker/globals.h"
#include "clicker/system_functions.h"
#include "clicker/units.h"
#include "controls/core_commands.h"
#include "controls/report_list_commands.h"
#include "image/program_constants.h"
#include "runtime/byte_reader.h"

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

constexpr uint32_t kFirstNamesRoom = 4096;
constexpr uint32_t kLargestNamesRoom = 64u << 20;
constexpr char kEmptyKeyName[] = "";

uint32_t ReadRowSection(const char* key, const char* fallback, char* buffer, uint32_t room) {
  return CallSystem(kGetPrivateProfileStringA, {Word(kConstants.sectionCoordinate), Word(key), Word(fallback),
                                                Word(buffer), room, Word(Globals().settingsPath)});
}

// True when the "Coordinate" section holds a key whose name is empty (a line
// "=value"): asked with two different defaults, a missing key answers each.
bool RowSectionHasEmptyKeyName() {
  char answers[2][4];
  ReadRowSection(kEmptyKeyName, kConstants.zero, answers[0], sizeof answers[0]);
  ReadRowSection(kEmptyKeyName, kConstants.one, answers[1], sizeof answers[1]);
  return !TextsMatch(answers[0], kConstants.zero) || !TextsMatch(answers[1], kConstants.one);
}

// The key names of the "Coordinate" section, each ending with a zero byte,
// as one list. False when the system cannot hand over the whole list: it
// grew past the largest room, or the first name is empty, in which case the
// system answers the default as if the section held no key at all.
bool ReadRowKeyNames(std::vector<char>* names) {
  for (uint32_t room = kFirstNamesRoom; room <= kLargestNamesRoom; room *= 2) {
    names->assign(room, '\0');
    uint32_t length = ReadRowSection(nullptr, nullptr, names->data(), room);
    // A list that fills the room (room - 2, or room - 1 when converting the
    // names to GBK overflowed) may have been cut: ask again with more.
    if (length + 2 < room) {
      names->resize(length);
      return length > 0 || !RowSectionHasEmptyKeyName();
    }
  }
  return false;
}

// The row number a key name stands for: i when the name is "坐标" followed
// by the decimal text of i with no leading zeros, else 0.
int32_t RowNumberOf(const std::string& name) {
  size_t prefix = std::strlen(kConstants.keyRowPrefix);
  if (name.compare(0, prefix, kConstants.keyRowPrefix) != 0) return 0;
  int32_t number = TextToInteger(name.c_str() + prefix);
  return RowKey(number).Equals(name.c_str()) ? number : 0;
}

// The numbers 1..limit, ascending, whose row keys the list names. An empty
// name inside the list is a name like any other, so the list is walked by
// its length rather than up to a double zero byte.
std::vector<int32_t> RowNumbersListed(const std::vector<char>& names, int32_t limit) {
  ByteReader reader(reinterpret_cast<const uint8_t*>(names.data()), names.size());
  std::vector<int32_t> numbers;
  std::string name;
  while (!reader.atEnd() && reader.ReadString(&name)) {
    int32_t number = RowNumberOf(name);
    if (number >= 1 && number <= limit) numbers.push_back(number);
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

void AppendRowOfKey(int32_t number) {
  AppendRow(ReadItem(kConstants.sectionCoordinate, RowKey(number).get(), nullptr));
}

// Appends the rows of the keys "坐标" + i for i from 1 to the count, in that
// order. Only the keys the section holds are read: the plan is the same as
// reading every i, but a damaged count costs nothing more than the keys the
// file really has. When the names cannot be listed, every i is read.
void AppendRowsUpTo(int32_t count) {
  if (count < 1) return;
  std::vector<char> names;
  if (ReadRowKeyNames(&names)) {
    for (int32_t number : RowNumbersListed(names, count)) AppendRowOfKey(number);
    return;
  }
  for (int32_t number = 1;; ++number) {
    AppendRowOfKey(number);
    if (number == count) break;  // stops before the number could wrap
  }
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
  AppendRowsUpTo(rows);
}

}  // namespace klv::clicker
