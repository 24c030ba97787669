#include "clicker/hotkey_choices.h"

#include <string>

#include "clicker/capture.h"
#include "clicker/hotkey_preferences.h"
#include "clicker/hotkeys.h"
#include "clicker/runner.h"
#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "image/program_constants.h"

namespace klv::clicker {
namespace {

namespace Options = ::klv::OptionsWindowUnit;

// Hotkey routines are called like window procedures and ignore the message.
long __stdcall StartHotkey(void*, unsigned, unsigned, long) {
  StartRun();
  return 0;
}
long __stdcall StopHotkey(void*, unsigned, unsigned, long) {
  StopRun();
  return 0;
}
long __stdcall CaptureHotkey(void*, unsigned, unsigned, long) {
  CaptureCoordinates();
  return 0;
}
long __stdcall QuitHotkey(void*, unsigned, unsigned, long) {
  Support().ExitProgram(0);
  return 0;
}

struct HotkeyRole {
  const char* identifier;  // the text the hotkey is registered under
  HotkeyRoutine routine;
};
constexpr HotkeyRole kRoles[kHotkeyActionCount] = {
    {kConstants.hotkeyStart, StartHotkey},
    {kConstants.hotkeyStop, StopHotkey},
    {kConstants.hotkeyCapture, CaptureHotkey},
    {kConstants.hotkeyQuit, QuitHotkey},
};
// The order of the registrations at start: the first success replaces the
// window's procedure.
constexpr HotkeyAction kStartUpOrder[] = {kCaptureAction, kQuitAction, kStartAction, kStopAction};

struct HotkeyState {
  HotkeyCombination chosen;  // the operator's choice, as the preferences keep it
  uint32_t systemId = 0;     // the identifier of its latest registration
  bool inForce = false;      // registered, or to be registered again when typing ends
  bool registered = false;   // registered with the system at this moment
  bool refused = false;      // its last registration was refused: named in the options window
};

HotkeyState g_hotkeys[kHotkeyActionCount];
// While a hotkey box has the focus every hotkey is withdrawn, so that the
// keys typed into it reach it.
bool g_withdrawnForTyping = false;

constexpr int kHotkeyKey = Property::TypeProperty(HotkeyBoxProperty::kKey);
constexpr int kHotkeyModifiers = Property::TypeProperty(HotkeyBoxProperty::kModifiers);
constexpr int kButtonCaption = Property::TypeProperty(ButtonProperty::kCaption);

HotkeyCombinations Chosen() {
  HotkeyCombinations chosen;
  for (int action = 0; action < kHotkeyActionCount; ++action) chosen[action] = g_hotkeys[action].chosen;
  return chosen;
}

// "开始/F6" while the key is in force, "开始" while it is not.
void ShowKeyOnButton(HotkeyAction action, uint32_t button, const char* name) {
  const HotkeyState& state = g_hotkeys[action];
  std::string caption = name;
  if (state.inForce) caption += kConstants.captionKeySeparator + CombinationName(state.chosen);
  if (!ReadUnitText(button, kButtonCaption).Equals(caption.c_str())) WriteUnitText(button, kButtonCaption, caption.c_str());
}

void ShowKeysOnButtons() {
  ShowKeyOnButton(kStartAction, Unit::kButtonStart, kConstants.hotkeyNameStart);
  ShowKeyOnButton(kStopAction, Unit::kButtonStop, kConstants.hotkeyNameStop);
}

void Withdraw(HotkeyState& state) {
  if (state.registered) CallSystem(kUnregisterHotKey, {WindowHandle(), state.systemId});
  state.registered = false;
}

bool Reregister(HotkeyState& state) {
  state.registered = CallSystem(kRegisterHotKey, {WindowHandle(), state.systemId, state.chosen.modifiers,
                                                  state.chosen.key}) != 0;
  return state.registered;
}

// The options window, while it is open, shows the keys chosen and names the
// ones refused.
bool g_optionsWindowOpen = false;

void ShowInOptionsWindow(HotkeyAction action) {
  const HotkeyState& state = g_hotkeys[action];
  const uint32_t window = Options::kOptionsWindow;
  WriteUnitInteger(Options::kHotkeyBoxes[action], kHotkeyModifiers, static_cast<int32_t>(state.chosen.modifiers),
                   window);
  WriteUnitInteger(Options::kHotkeyBoxes[action], kHotkeyKey, static_cast<int32_t>(state.chosen.key), window);
  WriteUnitText(Options::kRefusalLabels[action], Property::kLabelText,
                state.refused ? kConstants.hotkeyTakenMessage : "", window);
}

HotkeyCombination BoxCombination(HotkeyAction action) {
  const uint32_t window = Options::kOptionsWindow;
  return {static_cast<uint32_t>(ReadUnitInteger(Options::kHotkeyBoxes[action], kHotkeyKey, window)),
          static_cast<uint32_t>(ReadUnitInteger(Options::kHotkeyBoxes[action], kHotkeyModifiers, window))};
}

bool HeldByAnother(HotkeyAction action, const HotkeyCombination& combination) {
  for (int other = 0; other < kHotkeyActionCount; ++other) {
    if (other != action && g_hotkeys[other].chosen == combination) return true;
  }
  return false;
}

// The new combination is registered first, under an identifier of its own;
// the old one is given up only when that succeeded, so a refusal leaves the
// hotkey as it was.
bool Choose(HotkeyAction action, const HotkeyCombination& combination) {
  HotkeyState& state = g_hotkeys[action];
  const uint32_t systemId =
      HeldByAnother(action, combination)
          ? 0
          : RegisterFreshHotkey(WindowHandle(), combination.modifiers, combination.key, kRoles[action].routine,
                                kRoles[action].identifier);
  if (systemId == 0) {
    state.refused = true;
    return false;
  }
  Withdraw(state);
  state = {combination, systemId, true, true, false};
  if (g_withdrawnForTyping) Withdraw(state);
  return true;
}

void GiveUp(HotkeyAction action) {
  HotkeyState& state = g_hotkeys[action];
  Withdraw(state);
  state.chosen = {};
  state.inForce = false;
  state.refused = false;
}

// After the operator changed hotkeys: kept, named, and shown.
void Publish(const HotkeyCombinations& before) {
  if (Chosen() != before) WriteHotkeyPreferences(Chosen());
  ShowKeysOnButtons();
  if (!g_optionsWindowOpen) return;
  for (int action = 0; action < kHotkeyActionCount; ++action) ShowInOptionsWindow(static_cast<HotkeyAction>(action));
}

void RegisterAgainAfterTyping() {
  if (!g_withdrawnForTyping) return;
  g_withdrawnForTyping = false;
  for (HotkeyState& state : g_hotkeys) {
    if (state.inForce && !state.registered && !Reregister(state)) {
      state.inForce = false;
      state.refused = true;
    }
  }
}

}  // namespace

void RegisterChosenHotkeys() {
  const HotkeyCombinations chosen = ReadHotkeyPreferences();
  for (HotkeyAction action : kStartUpOrder) {
    HotkeyState& state = g_hotkeys[action];
    state.chosen = chosen[action];
    if (state.chosen.empty()) continue;
    state.inForce = RegisterWindowHotkey(WindowHandle(), state.chosen.modifiers, state.chosen.key,
                                         kRoles[action].routine, kRoles[action].identifier);
    state.registered = state.inForce;
    state.refused = !state.inForce;
    if (state.inForce) state.systemId = HotkeySystemId(FindHotkeyRecord(kRoles[action].identifier) - 1);
  }
  ShowKeysOnButtons();
}

void OnOptionsWindowCreated() {
  g_optionsWindowOpen = true;
  for (int action = 0; action < kHotkeyActionCount; ++action) ShowInOptionsWindow(static_cast<HotkeyAction>(action));
}

// A box reports a change also for a modifier pressed alone: only a box that
// holds a key applies, and only when it differs from the key chosen.
void ApplyChangedHotkey() {
  const HotkeyCombinations before = Chosen();
  for (int action = 0; action < kHotkeyActionCount; ++action) {
    const HotkeyCombination typed = BoxCombination(static_cast<HotkeyAction>(action));
    if (!IsUsableCombination(typed) || typed == g_hotkeys[action].chosen) continue;
    Choose(static_cast<HotkeyAction>(action), typed);
  }
  Publish(before);
}

void WithdrawHotkeysWhileTyping() {
  g_withdrawnForTyping = true;
  for (HotkeyState& state : g_hotkeys) Withdraw(state);
}

// An emptied box gives its hotkey up (the control may clear itself without
// reporting it); a box left holding a modifier alone shows the key chosen
// again. Then every hotkey in force is registered again.
void ApplyLeftHotkeyBox() {
  const HotkeyCombinations before = Chosen();
  if (g_optionsWindowOpen) {
    for (int action = 0; action < kHotkeyActionCount; ++action) {
      const auto boxAction = static_cast<HotkeyAction>(action);
      if (BoxCombination(boxAction) == HotkeyCombination{} && !g_hotkeys[action].chosen.empty()) GiveUp(boxAction);
    }
  }
  RegisterAgainAfterTyping();
  Publish(before);
}

// Whatever way the window went, no hotkey stays withdrawn.
void OnOptionsWindowClosed() {
  g_optionsWindowOpen = false;
  const HotkeyCombinations before = Chosen();
  RegisterAgainAfterTyping();
  Publish(before);
}

void RestoreDefaultHotkeys() {
  const HotkeyCombinations before = Chosen();
  const HotkeyCombinations defaults = DefaultHotkeys();
  // A hotkey that holds another's default gives it up first: two hotkeys
  // that swapped their keys could not take them back otherwise.
  for (int action = 0; action < kHotkeyActionCount; ++action) {
    const HotkeyCombination held = g_hotkeys[action].chosen;
    for (int other = 0; other < kHotkeyActionCount; ++other) {
      if (other != action && held == defaults[other] && held != defaults[action]) GiveUp(static_cast<HotkeyAction>(action));
    }
  }
  for (int action = 0; action < kHotkeyActionCount; ++action) {
    if (g_hotkeys[action].chosen != defaults[action]) Choose(static_cast<HotkeyAction>(action), defaults[action]);
  }
  Publish(before);
}

}  // namespace klv::clicker
