// The clicking tests share one process-wide Klikvane runtime with its main
// window loaded, as the program loads it, and one recording target window in
// another process; the program's timer calls are counted.
#include <gtest/gtest.h>

#include "tests/clicking/target_log.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/timer_call_watch.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  klvtest::WatchTimerCalls();  // before the runtime binds the timer functions
  klvtest::StartKlikvaneInProcess();
  klvtest::Target();
  return RUN_ALL_TESTS();
}
