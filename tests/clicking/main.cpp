// The clicking tests share one process-wide Klikvane runtime with its main
// window loaded, as the program loads it, and one recording target window in
// another process; the program's timer calls are counted.
#include <gtest/gtest.h>

#include "tests/support/dpi_fakes.h"
#include "tests/support/faked_desk.h"
#include "tests/support/integrity_fakes.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/pace_call_watch.h"
#include "tests/support/target_log.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Before the runtime binds the functions they watch.
  klvtest::WatchPaceCalls();
  klvtest::InterceptIntegrityReads();
  klvtest::InterceptDpiCalls();
  klvtest::InterceptDeskCalls();
  klvtest::StartKlikvaneInProcess();
  klvtest::Target();
  return RUN_ALL_TESTS();
}
