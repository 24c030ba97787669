// UnitIds of the main window's units that the program refers to by name.
#pragma once
#include <cstdint>

namespace klv {

namespace MainWindowUnit {
constexpr uint32_t kMainWindow = 0x52010001;     // the window as a whole
constexpr uint32_t kMainWindowOwn = 0x06010000;  // the window's own unit
constexpr uint32_t kNoticeLabel = 0x16015009;  // "标签9": the free-software notice
constexpr uint32_t kTray = 0x160135aa;
constexpr uint32_t kEditNotes = 0x160135a8;
constexpr uint32_t kButtonAdd = 0x160134d3;
constexpr uint32_t kComboMouseButton = 0x160134d2;
constexpr uint32_t kEditDelay = 0x160134cb;
constexpr uint32_t kEditY = 0x160134c9;
constexpr uint32_t kEditX = 0x160134c8;
constexpr uint32_t kComboWindowTitle = 0x160134a7;
constexpr uint32_t kLabelWindowX = 0x1601349f;
constexpr uint32_t kLabelWindowY = 0x160134a0;
constexpr uint32_t kLabelScreenX = 0x1601349d;
constexpr uint32_t kLabelScreenY = 0x1601349e;
constexpr uint32_t kPlanList = 0x16011a43;
constexpr uint32_t kComboClickMode = 0x16011a42;
constexpr uint32_t kButtonSave = 0x16011a41;
constexpr uint32_t kButtonLoad = 0x16011a40;
constexpr uint32_t kButtonDebug = 0x16011a3f;
constexpr uint32_t kButtonStop = 0x16011a3e;
constexpr uint32_t kButtonStart = 0x16011a3d;
// The pop-up menus' entries: the plan row's operations, then the tray
// icon's functions. The top-level entries are hidden.
constexpr uint32_t kMenuOperations = 0x26013508;
constexpr uint32_t kMenuDelete = 0x26013509;
constexpr uint32_t kMenuEdit = 0x2601350a;
constexpr uint32_t kMenuRunStep = 0x2601350b;
constexpr uint32_t kMenuFunctions = 0x260135ae;
constexpr uint32_t kMenuShow = 0x260135af;
constexpr uint32_t kMenuOptions = 0x260135b1;
constexpr uint32_t kMenuOpenPlan = 0x260135b2;
constexpr uint32_t kMenuSavePlanAs = 0x260135b3;
constexpr uint32_t kMenuQuit = 0x260135b0;
}  // namespace MainWindowUnit

// The options window: the operator's hotkeys.
namespace OptionsWindowUnit {
constexpr uint32_t kOptionsWindow = 0x52010002;     // the window as a whole
constexpr uint32_t kOptionsWindowOwn = 0x06010000;  // the window's own unit
constexpr uint32_t kHotkeyGroup = 0x16020001;
// One hotkey box and one refusal label per hotkey, in the order of HotkeyAction.
constexpr uint32_t kHotkeyBoxes[4] = {0x16020011, 0x16020012, 0x16020013, 0x16020014};
constexpr uint32_t kRefusalLabels[4] = {0x16020021, 0x16020022, 0x16020023, 0x16020024};
constexpr uint32_t kButtonDefaults = 0x16020031;
constexpr uint32_t kButtonClose = 0x16020032;
}  // namespace OptionsWindowUnit

}  // namespace klv
