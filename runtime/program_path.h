// Where the program runs from: its folder and its file name in program text,
// read from its own module name.
#pragma once

namespace klv {

// Reads the program's path anew and makes its folder the current one.
void SplitProgramPath();

// Heap texts held here; the folder is without the trailing backslash, null
// when the path names none. Both are null until the path is first read.
const char* ProgramDirectory();
const char* ProgramFileName();

}  // namespace klv
