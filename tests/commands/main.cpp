// Starts the runtime with a one-library image (the core library), so the
// library receives HostNotify the way the program's does, then runs the tests.
#include <gtest/gtest.h>

#include "controls/commands/libraries.h"
#include "runtime/app_runtime.h"

namespace {

const klv::LibraryRecord* const kLibraries[] = {&klv::kCoreLibrary};

klv::ProgramImageHeader CoreOnlyImage() {
  klv::ProgramImageHeader image = {};
  image.libraryCount = 1;
  image.libraries = kLibraries;
  return image;
}

const klv::ProgramImageHeader kImage = CoreOnlyImage();

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  klv::InitRuntimeForImage(&kImage);
  return RUN_ALL_TESTS();
}
