// Which standard controls a real mouse click passes through. Pure logic: no
// system calls.
#pragma once
#include <cstdint>

namespace klv::clicker {

// True for the standard controls that answer the system's hit test with
// "transparent", so that a real click at their place reaches the window
// beneath them: a group box, and a static control without the notify style.
// Class names compare without regard to case, as the system's do.
bool PassesClicksThrough(const char* className, uint32_t style);

}  // namespace klv::clicker
