// Starts the runtime with the core and extended controls libraries, as the
// program does, and answers the libraries' unit lookups for the controls the
// tests create, then runs the tests.
#include <gtest/gtest.h>

#include "controls/commands/libraries.h"
#include "runtime/app_runtime.h"
#include "tests/support/control_harness.h"

namespace {

const klv::LibraryRecord* const kLibraries[] = {&klv::kCoreLibrary, &klv::kExtendedControlsLibrary};

klv::ProgramImageHeader TwoLibraryImage() {
  klv::ProgramImageHeader image = {};
  image.libraryCount = 2;
  image.libraries = kLibraries;
  return image;
}

const klv::ProgramImageHeader kImage = TwoLibraryImage();

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  klv::InitRuntimeForImage(&kImage);
  ctltest::InstallTestRuntimeHooks();
  return RUN_ALL_TESTS();
}
