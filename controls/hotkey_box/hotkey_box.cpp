// The hotkey box: the system's hotkey control, showing a key with its
// modifiers. The program reads and writes them as a virtual-key code and
// RegisterHotKey's modifier flags; the control keeps its own flags, with
// Shift and Alt the other way round. A key the user types is its event 0;
// the control tells nobody of focus changes, so its own procedure does.
#include <windows.h>

#include <commctrl.h>

#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/property_table.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/events.h"
#include "runtime/interface/type_properties.h"

namespace klv {
namespace {

using namespace HotkeyBoxProperty;

// Each modifier as RegisterHotKey names it and as the control does; the
// control has no Win flag, and its extended-key flag has no counterpart.
struct ModifierPair {
  uint32_t registerFlag;
  BYTE controlFlag;
};
constexpr ModifierPair kModifierPairs[] = {
    {MOD_ALT, HOTKEYF_ALT},
    {MOD_CONTROL, HOTKEYF_CONTROL},
    {MOD_SHIFT, HOTKEYF_SHIFT},
};

BYTE ControlModifiers(uint32_t registerFlags) {
  BYTE flags = 0;
  for (const ModifierPair& pair : kModifierPairs) {
    if (registerFlags & pair.registerFlag) flags |= pair.controlFlag;
  }
  return flags;
}

uint32_t RegisterModifiers(BYTE controlFlags) {
  uint32_t flags = 0;
  for (const ModifierPair& pair : kModifierPairs) {
    if (controlFlags & pair.controlFlag) flags |= pair.registerFlag;
  }
  return flags;
}

void RegisterHotkeyClass() {
  static bool registered = false;
  if (registered) return;
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS};
  registered = InitCommonControlsEx(&classes) != FALSE;
}

class HotkeyBoxUnit : public ControlUnit<HotkeyBoxUnit, kFirstSpare, kPropertyCount> {
 public:
  HotkeyBoxUnit(const CreateRequest& request, const HotkeyBoxSettings& settings)
      : ControlUnit(request), settings_(settings) {
    font_.LoadStored(settings.font);
  }

  bool Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle) {
    RegisterHotkeyClass();
    HWND hwnd = MakeSystemWindow({HOTKEY_CLASSA, "", commonStyle, WS_EX_CLIENTEDGE, rect, parent, childId});
    if (!hwnd) return false;
    Adopt(hwnd, true, &font_);
    ApplyHotkey();
    return true;
  }
  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
    if (!quiet_) RaiseEvent(HotkeyBoxEvent::kChanged);
    *result = 0;
    return true;
  }
  void HandleLoadNotice(UINT notice) override { font_.ReapplyOnLoadNotice(notice, hwnd()); }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallPreviousProcedure(hwnd, message, wParam, lParam);
    if (message == WM_SETFOCUS) RaiseEvent(CommonEvent::kGotFocus);
    if (message == WM_KILLFOCUS) RaiseEvent(CommonEvent::kLostFocus);
    return result;
  }

  // Shows the settings' key and modifiers; named by the property table as
  // the effect of writing either.
  void ApplyHotkey() {
    WORD hotkey = MAKEWORD(settings_.key, ControlModifiers(settings_.modifiers));
    quiet_ = true;  // the program's write is not the user's change
    SendMessageA(hwnd(), HKM_SETHOTKEY, hotkey, 0);
    quiet_ = false;
  }

 private:
  // The key and modifiers the control shows, the user's typing included,
  // as settings words (any thread may ask: nothing of the unit changes).
  HotkeyBoxSettings ShownHotkey() const {
    WORD hotkey = static_cast<WORD>(SendMessageA(hwnd(), HKM_GETHOTKEY, 0, 0));
    HotkeyBoxSettings shown;
    shown.key = LOBYTE(hotkey);
    shown.modifiers = RegisterModifiers(HIBYTE(hotkey));
    return shown;
  }

  HotkeyBoxSettings settings_;
  ControlFont font_;
  bool quiet_ = false;
};

using Row = PropertySpec<HotkeyBoxUnit, HotkeyBoxSettings>;
using S = HotkeyBoxSettings;

// Both words are read as the control shows them; a write sets the control.
constexpr Row kTable[] = {
    {kKey, "键代码", "Key", PropertyKind::kInteger, &S::key, {0, 0xFF}, &HotkeyBoxUnit::ApplyHotkey},
    {kModifiers, "功能键", "Modifiers", PropertyKind::kInteger, &S::modifiers, kAnyWord, &HotkeyBoxUnit::ApplyHotkey},
    {kFont, "字体", "Font", PropertyKind::kFont},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "hotkey box properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

bool HotkeyBoxUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  if (property == kFont) {
    out->font = font_.Value();
    return true;
  }
  return ReadSettingWord(kTable, ShownHotkey(), property, &out->low);
}

WriteOutcome HotkeyBoxUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  if (property == kFont) {
    font_.Set(value.font);
    font_.ApplyTo(hwnd(), true);
    return WriteOutcome::kApplied;
  }
  // Writing one of the two keeps the other as shown.
  HotkeyBoxSettings shown = ShownHotkey();
  settings_.key = shown.key;
  settings_.modifiers = shown.modifiers;
  return WriteSettingWord(kTable, settings_, property, value.low);
}

}  // namespace

DataTypeRecord HotkeyBoxTypeRecord() {
  return MakeTypeRecord("热键框", "HotkeyBox", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<HotkeyBoxUnit, HotkeyBoxSettings>>);
}

}  // namespace klv
