// What the combo box reads of its system window, and the item list as one
// text: pure helpers of the combo box, apart from its unit.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "controls/skeleton/child_window.h"

namespace klv {

// The item list travels to and from the program as one text, one item per
// line.
std::string JoinItems(const std::vector<std::string>& items);
std::vector<std::string> SplitItems(const std::string& text);

// Asks the combo box's window something; the mirror's own questions call
// the system's procedure in place, past the mirroring procedure.
using ComboAsker = SystemWindowAsker;

// The text of item index, asked of the system control (empty for none).
std::string ItemText(const ComboAsker& ask, int index);
// The shown text of the box.
std::string ShownText(const ComboAsker& ask);
// Adds an item of that program text; answers its place, or CB_ERR.
LRESULT AddItem(const ComboAsker& ask, const std::string& text);

// Messages after which the combo box and its edit field are surely as they
// were: paints, hit tests and questions. After any other the mirror is
// compared with the control.
bool LeavesContentAlone(UINT message);
// Messages that change the items.
bool ChangesItems(UINT message);

}  // namespace klv
