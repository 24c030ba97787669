// The settings tests share one process-wide Klikvane runtime with its main
// window loaded, as the program loads it; the creation handler puts the
// settings file beside this test program.
#include <gtest/gtest.h>

#include "tests/support/klikvane_session.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  klvtest::StartKlikvaneInProcess();
  return RUN_ALL_TESTS();
}
