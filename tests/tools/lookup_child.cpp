// Calls a combo-box command on a unit that cannot be found, with Klikvane's
// own image, and writes the runtime error it gets (as hex) to a file.
//   lookup_child.exe <report file> unloaded|missing-unit
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/klikvane_image.h"
#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "controls/commands/core_commands.h"
#include "controls/commands/libraries.h"
#include "runtime/app_runtime.h"
#include "runtime/runtime_errors.h"

namespace {

std::string g_report;

int WriteReport(int code, const char* message) {
  if (FILE* out = std::fopen(g_report.c_str(), "wb")) {
    std::fprintf(out, "%d ", code);
    for (const char* p = message; p && *p; ++p) std::fprintf(out, "%02X", static_cast<unsigned char>(*p));
    std::fclose(out);
  }
  return 1;  // no box
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  g_report = argv[1];
  klv::SetErrorHook(WriteReport);
  klv::Runtime().image = &klv::kProgramImage;
  klv::InitRuntime();
  klv::clicker::SetSupport(&klv::SupportTable());
  klv::clicker::CreateGlobals();
  uint32_t unit = 0x160134a7;  // ComboWindowTitle
  if (std::string(argv[2]) == "missing-unit") {
    klv::LoadStartWindow(0x52010001);
    unit = 0x16019999;
  }
  klv::CommandArgument arguments[2] = {{0x52010001, unit, 0x0001000E}, {0, 0, 0x80000301}};
  klv::SupportTable().CallCoreCommand(klv::kCoreCommands[klv::core::kComboItemText], 2, arguments);
  return 7;  // reached only when the lookup did not fail
}
