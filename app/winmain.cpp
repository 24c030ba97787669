// The process entry: the runtime runs the program image and never returns.
#include <windows.h>

#include "app/klikvane_image.h"
#include "runtime/app_runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return klv::RunProgram(&klv::kProgramImage); }
