// Klikvane itself (its image, code and runtime) with its calls of the
// system's pace functions (timer resolution, step timers, throttling)
// written, one line each, to the file named first:
//   watched_klikvane.exe <log file>
#include <windows.h>

#include "app/klikvane_image.h"
#include "runtime/app_runtime.h"
#include "tests/support/pace_call_watch.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  klvtest::WatchPaceCalls(argv[1]);
  return klv::RunProgram(&klv::kProgramImage);
}
