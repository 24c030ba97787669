#include "clicker/settings_file.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "clicker/globals.h"
#include "clicker/plan_list.h"
#include "clicker/profile_text.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_by_key.h"
#include "clicker/settings_storage.h"
#include "clicker/system_numbers.h"
#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/report_list/report_list_commands.h"
#include "image/program_constants.h"
#include "runtime/gb18030.h"

namespace klv::clicker {
namespace {

// The keys a save writes, in the order it writes them, with the values the
// controls hold now.
std::vector<profile::ProfileWrite> PlanWrites() {
  const std::string configuration = kConstants.sectionConfiguration;
  std::vector<profile::ProfileWrite> writes;
  bool background = ReadUnitText(Unit::kComboClickMode, Property::kComboText).Equals(kConstants.backgroundMode);
  writes.push_back({configuration, kConstants.keyClickMode, background ? kConstants.one : kConstants.zero});
  writes.push_back({configuration, kConstants.keyWindowTitle,
                    ReadUnitText(Unit::kComboWindowTitle, Property::kComboText).str()});
  const int32_t rows = CountPlanRows();
  writes.push_back({configuration, kConstants.keyRowCount, IntegerToText(rows).str()});
  const std::string bar = kConstants.rowSeparator;
  for (int32_t i = 1; i <= rows; ++i) {
    const int32_t row = i - 1;
    std::string value = PlanCellText(row, PlanColumn::kX).str() + bar + PlanCellText(row, PlanColumn::kY).str() +
                        bar + PlanCellText(row, PlanColumn::kDelay).str() + bar +
                        PlanCellText(row, PlanColumn::kButton).str();
    writes.push_back({kConstants.sectionCoordinate, kConstants.keyRowPrefix + IntegerToText(i).str(),
                      std::move(value)});
  }
  return writes;
}

// Saves through the in-memory model when it can follow the file; false when
// the file is left to the system's own writes.
bool SaveInOnePiece(const char* path, const std::string& old, const std::vector<profile::ProfileWrite>& writes) {
  if (!SurvivesProgramTextRoundTrip(old)) return false;
  std::string saved;
  switch (profile::SaveAsTheSystemWould(old, writes, &saved)) {
    case profile::SaveOutcome::kUnchanged: return true;
    case profile::SaveOutcome::kLeftToSystem: return false;
    case profile::SaveOutcome::kChanged: break;
  }
  if (!SurvivesProgramTextRoundTrip(saved)) return false;
  if (uint32_t error = ReplaceSettingsFile(path, saved)) ShowSaveFailed(path, error);
  return true;
}

// A value as the system's read gives it; one too long to come back whole is
// read through the system, which knows how it cuts it, where the system
// reads the file as meant; elsewhere it is cut at a whole character.
std::string ValueOf(const char* path, const profile::ProfileKey* key, const char* section, const char* fallback) {
  if (key == nullptr) return fallback ? fallback : "";
  const std::string value = profile::ValueAsRead(*key, fallback ? fallback : "");
  if (!key->hasValue || key->value.size() <= kLongestWholeValue) return value;
  if (SystemSpeaksProgramCodePage()) return ReadItem(path, section, key->name.c_str(), fallback).str();
  return gb18030::CutToWholeCharacters(value, kLongestWholeValue);
}

// The row keys 1..count of the first "Coordinate" section, in number order;
// of two keys with one name the first counts, as for the system's reads.
void ReadRowsFromText(const char* path, const profile::ProfileText& text, LoadedSettings* settings) {
  const profile::ProfileSection* section = text.FindSection(kConstants.sectionCoordinate);
  if (section == nullptr || settings->count < 1) return;
  std::vector<std::pair<int32_t, size_t>> numbered;
  for (size_t i = 0; i < section->keys.size(); ++i) {
    int32_t number = RowNumberOf(section->keys[i].name);
    if (number >= 1 && number <= settings->count) numbered.emplace_back(number, i);
  }
  std::stable_sort(numbered.begin(), numbered.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  numbered.erase(std::unique(numbered.begin(), numbered.end(),
                             [](const auto& a, const auto& b) { return a.first == b.first; }),
                 numbered.end());
  for (const auto& [number, index] : numbered) {
    settings->rows.push_back(ValueOf(path, &section->keys[index], kConstants.sectionCoordinate, nullptr));
  }
}

void LoadFromText(const char* path, const profile::ProfileText& text, LoadedSettings* settings) {
  const char* configuration = kConstants.sectionConfiguration;
  auto value = [&](const char* key, const char* fallback) {
    return ValueOf(path, text.Find(configuration, key), configuration, fallback);
  };
  settings->mode = value(kConstants.keyClickMode, kConstants.zero);
  settings->title = value(kConstants.keyWindowTitle, nullptr);
  settings->count = TextToInteger(value(kConstants.keyRowCount, kConstants.zero).c_str());
  ReadRowsFromText(path, text, settings);
}

void ShowNoSettings() {
  CallCore(core::kShowMessageBox,
           {TextArgument(kConstants.noSettingsMessage), IntegerArgument(MessageBoxStyle::kSystemModal)});
}

// Reads the file once and parses it when the model reads it as the system
// does; else asks the system key by key where it reads the file as meant.
// False, with the message shown, when nothing could be read as meant: a
// file that cannot be read at all (held open by another program, denied,
// a folder) would read as the defaults, an empty plan.
bool ReadSettings(const char* path, LoadedSettings* settings) {
  std::string bytes;
  uint32_t error = 0;
  FileRead read = ReadWholeSettingsFile(path, Access::kToRead, &bytes, &error);
  if (read == FileRead::kMissing) {  // gone since it was found
    ShowNoSettings();
    return false;
  }
  if (read == FileRead::kFailed) {
    ShowReadFailed(path, error);
    return false;
  }
  if (profile::IsPlainProfileFile(bytes) && SurvivesProgramTextRoundTrip(bytes)) {
    LoadFromText(path, profile::ProfileText::Parse(bytes), settings);
  } else if (SystemProfileKeepsMeaning(bytes)) {
    LoadKeyByKey(path, settings);
  } else {
    ShowUnreadableFile(path, kConstants.unreadableFileReason);
    return false;
  }
  return true;
}

void ApplyClickModeFromFile(const std::string& mode) {
  bool background = TextsMatch(mode.c_str(), kConstants.one);
  WriteUnitInteger(Unit::kComboClickMode, Property::kComboSelection, background ? 1 : 0);
  WriteUnitInteger(Unit::kComboWindowTitle, Property::kDisabled, background ? 0 : 1);
  WriteUnitInteger(Unit::kComboWindowTitle, Property::kComboStyle, background ? 1 : 2);
}

// Keeps the plan list from drawing while it lives, then has it drawn once:
// a list that shows draws itself anew after every row otherwise.
class PlanListDrawingPaused {
 public:
  PlanListDrawingPaused() : list_(CallCore(core::kGetWindowHandle, {PlanListArgument()}).low) {
    if (list_) CallSystem(kSendMessageA, {list_, SystemMessage::kSetRedraw, 0, 0});
  }
  ~PlanListDrawingPaused() {
    if (!list_) return;
    CallSystem(kSendMessageA, {list_, SystemMessage::kSetRedraw, 1, 0});
    CallSystem(kInvalidateRect, {list_, 0, 1});
  }
  PlanListDrawingPaused(const PlanListDrawingPaused&) = delete;
  PlanListDrawingPaused& operator=(const PlanListDrawingPaused&) = delete;

 private:
  uint32_t list_;
};

// A row of the plan's cells, inserted with its first cell's text and given
// the others; a value that does not split into as many cells adds no row.
void AppendRow(const std::string& value) {
  CommandResult split =
      CallCore(core::kSplitText, {TextArgument(value.c_str()), TextArgument(kConstants.rowSeparator)});
  void* parts = reinterpret_cast<void*>(static_cast<uintptr_t>(split.low));
  auto cell = [parts](PlanColumn column) {
    return static_cast<const char*>(PointerAt(parts, static_cast<uint32_t>(column)));
  };
  if (PointerCount(parts) == kPlanColumnCount) {
    const CommandArgument first = TextArgument(cell(PlanColumn::kX));
    int32_t row = static_cast<int32_t>(
        CallReportList(reportlist::kListInsertRow, {PlanListArgument(), IntegerArgument(-1), first}).low);
    for (PlanColumn column : {PlanColumn::kY, PlanColumn::kDelay, PlanColumn::kButton}) {
      SetPlanCellText(row, column, cell(column));
    }
  }
  FreePointerArrayDeep(parts);
}

}  // namespace

void FormSettingsPath() {
  HeapText directory = ResultText(CallCore(core::kGetRunDirectory, {}));
  char* path = JoinTexts({directory.get(), kConstants.settingsFileName});
  Free(Globals().settingsPath);
  Globals().settingsPath = path;
}

// The file is read once and written in one piece, with the bytes the
// system's key-by-key writes would give it. A file the in-memory model
// cannot follow (another encoding, a zero byte, a broken character, a value
// with a line break) goes through the system's writes where they keep what
// is written.
void SavePlanTo(const char* path) {
  const std::vector<profile::ProfileWrite> writes = PlanWrites();
  std::string old;
  uint32_t error = 0;
  FileRead read = ReadWholeSettingsFile(path, Access::kToReplace, &old, &error);
  if (read == FileRead::kFailed) {
    ShowSaveFailed(path, error);
    return;
  }
  if (SaveInOnePiece(path, old, writes)) return;
  if (!SystemProfileKeepsMeaning(old)) return ShowUnreadableFile(path, kConstants.unreadableFileReason);
  if (!SystemProfileKeepsWrites(old, writes)) return ShowUnreadableFile(path, kConstants.unwritableCharactersReason);
  if (!SaveKeyByKey(path, writes, &error)) ShowSaveFailed(path, error);
}

void LoadPlanFrom(const char* path) {
  CommandResult exists = CallCore(core::kFileExists, {TextArgument(path)});
  if (exists.low != 1) return ShowNoSettings();
  LoadedSettings settings;
  if (!ReadSettings(path, &settings)) return;
  ApplyClickModeFromFile(settings.mode);
  WriteUnitText(Unit::kComboWindowTitle, Property::kComboText, settings.title.c_str());
  PlanListDrawingPaused paused;
  CallReportList(reportlist::kListDeleteAllRows, {PlanListArgument()});
  for (const std::string& row : settings.rows) AppendRow(row);
}

void SaveSettings() {
  FormSettingsPath();
  SavePlanTo(Globals().settingsPath);
}

void LoadSettings() { LoadPlanFrom(Globals().settingsPath); }

}  // namespace klv::clicker
