// Windows drops the messages posted to a process of a higher integrity level
// (an elevated program) and the input sent into its windows, and the calls'
// results do not say so: before a background run or single step, such a
// target is named to the operator instead of being clicked in vain.
#pragma once
#include <cstdint>

namespace klv::clicker {

// Shows the box naming an elevated target and returns true when the
// process of window (0: none) outranks Klikvane's; otherwise false.
bool RefusedAsElevated(uint32_t window);

// Whether Klikvane itself runs elevated (at the high integrity level or above).
bool RunsElevated();

}  // namespace klv::clicker
