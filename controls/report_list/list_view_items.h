// What the report list, its mirror and its commands share about the rows of
// a system list view: where a row's state keeps its state-image index, and
// the one query for a row by its state.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "controls/skeleton/child_window.h"

namespace klv {

// A row's state bits for state image index (one-based in bits 12..15; no
// image for -1 and below), and back.
inline UINT StateImageState(int32_t index) { return static_cast<UINT>(std::max(index + 1, 0)) << 12; }
inline uint32_t StateImageIndex(UINT state) { return ((state & LVIS_STATEIMAGEMASK) >> 12) - 1; }

// The first row whose state has all of flags (LVNI_SELECTED, LVNI_FOCUSED),
// asked of the list view; -1 for none.
inline int FirstRowWith(const SystemWindowAsker& ask, UINT flags) {
  return static_cast<int>(ask(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(flags, 0)));
}

}  // namespace klv
