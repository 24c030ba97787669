// The display-scale tests run at 150 % (tests/display_scale/run_scaled.sh)
// with one in-process Klikvane. Started with --klikvane-unaware, Klikvane's
// threads are DPI-unaware, as Windows runs it; without, Klikvane is as Wine
// starts it (aware).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "tests/display_scale/press_watch.h"
#include "tests/display_scale/unaware_klikvane.h"
#include "tests/support/klikvane_session.h"

namespace {

constexpr char kUnawareFlag[] = "--klikvane-unaware";

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const bool unaware =
      std::any_of(argv + 1, argv + argc, [](const char* argument) { return std::strcmp(argument, kUnawareFlag) == 0; });
  if (unaware && !klvtest::MakeKlikvaneUnaware()) {
    std::fprintf(stderr, "the system refused the unaware context\n");
    return 1;
  }
  klvtest::WatchSynthesisedPresses();
  klvtest::StartKlikvaneInProcess();
  return RUN_ALL_TESTS();
}
