// Every private window message of the program, each named once here. They
// count up from WM_APP, the range the system leaves to a program's own
// windows. The numbers are fixed: the shell and other processes post some
// of them, and a program that watches the program's messages sees them all.
#pragma once
#include <windows.h>

namespace klv {

// To the runtime's hidden message window: ExitProgram called on another
// thread hands the shutdown to the main thread through it (0x83E7).
constexpr UINT kExitRequestMessage = WM_APP + 0x3E7;

// The tray icon's callback message, named in its notification record: the
// shell posts it with the mouse message over the icon as lParam (0x8064).
constexpr UINT kTrayCallbackMessage = WM_APP + 0x64;

// Sent to a label by other code to reach its feedback handler; the
// handler's result goes back to the sender (0x8075).
constexpr UINT kLabelFeedbackMessage = WM_APP + 0x75;

// Posted by a combo box to itself when the user picks an item: by the time
// it arrives the combo box shows the new selection and text (0xA711).
constexpr UINT kItemPickedMessage = WM_APP + 0x2711;

// Posted by a report list to itself with the row index when a click or the
// space key may have toggled a check box: when it arrives the system list
// view has toggled it. Only the list's own procedure sees it (0x8401).
constexpr UINT kCheckBoxClickedMessage = WM_APP + 0x401;

// The first number no window of the program uses: test windows and tools
// count their own private messages from here, clear of the ones above.
constexpr UINT kFirstFreeMessage = WM_APP + 0x3000;

static_assert(kItemPickedMessage < kFirstFreeMessage && kExitRequestMessage < kFirstFreeMessage &&
                  kCheckBoxClickedMessage < kFirstFreeMessage,
              "a private message inside the free range");

}  // namespace klv
