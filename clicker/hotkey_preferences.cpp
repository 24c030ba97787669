#include "clicker/hotkey_preferences.h"

#include <string>
#include <vector>

#include "clicker/profile_text.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_storage.h"
#include "clicker/system_numbers.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

constexpr const char* kKeyNames[kHotkeyActionCount] = {kConstants.hotkeyNameStart, kConstants.hotkeyNameStop,
                                                       kConstants.hotkeyNameCapture, kConstants.hotkeyNameQuit};

HeapText PreferencesPath() {
  HeapText directory = ResultText(CallCore(core::kGetRunDirectory, {}));
  return HeapText(JoinTexts({directory.get(), kConstants.preferencesFileName}));
}

}  // namespace

HotkeyCombinations DefaultHotkeys() {
  const uint32_t control = HotkeyModifier::kControl;
  return {HotkeyCombination{VirtualKey::kF6, 0}, HotkeyCombination{VirtualKey::kF7, 0},
          HotkeyCombination{VirtualKey::kDigit1, control}, HotkeyCombination{VirtualKey::kQ, control}};
}

HotkeyCombinations ReadHotkeyPreferences() {
  HotkeyCombinations hotkeys = DefaultHotkeys();
  std::string bytes;
  uint32_t error = 0;
  if (ReadWholeSettingsFile(PreferencesPath().get(), Access::kToRead, &bytes, &error) != FileRead::kRead ||
      !profile::IsPlainProfileFile(bytes)) {
    return hotkeys;
  }
  const profile::ProfileText text = profile::ProfileText::Parse(bytes);
  for (int action = 0; action < kHotkeyActionCount; ++action) {
    const profile::ProfileKey* key = text.Find(kConstants.sectionHotkeys, kKeyNames[action]);
    if (key != nullptr) ParseCombination(profile::ValueAsRead(*key, ""), &hotkeys[action]);
  }
  return hotkeys;
}

// The file is the program's own: one it cannot follow is written afresh.
void WriteHotkeyPreferences(const HotkeyCombinations& hotkeys) {
  const HeapText path = PreferencesPath();
  std::vector<profile::ProfileWrite> writes;
  for (int action = 0; action < kHotkeyActionCount; ++action) {
    writes.push_back({kConstants.sectionHotkeys, kKeyNames[action], FormatCombination(hotkeys[action])});
  }
  std::string old;
  uint32_t error = 0;
  if (ReadWholeSettingsFile(path.get(), Access::kToReplace, &old, &error) == FileRead::kFailed) {
    return ShowSaveFailed(path.get(), error);
  }
  std::string saved;
  profile::SaveOutcome outcome = profile::SaveOutcome::kLeftToSystem;
  if (SurvivesProgramTextRoundTrip(old)) outcome = profile::SaveAsTheSystemWould(old, writes, &saved);
  if (outcome == profile::SaveOutcome::kLeftToSystem) outcome = profile::SaveAsTheSystemWould("", writes, &saved);
  if (outcome != profile::SaveOutcome::kChanged) return;
  if (uint32_t failure = ReplaceSettingsFile(path.get(), saved)) ShowSaveFailed(path.get(), failure);
}

}  // namespace klv::clicker
