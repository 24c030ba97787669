// The pointing tests share one in-process Klikvane with its main window
// loaded, as the program loads it. Started with --held-capture-key, the
// process first lets another program take Control+1 and then runs only the
// tests of that situation (a test of the ordinary run starts it so).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/pointing/helper_process.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/klikvane_session.h"

namespace {

constexpr char kHeldSuite[] = "HeldCaptureKey.*";

bool HasFlag(int argc, char** argv, const char* flag) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], flag) == 0) return true;
  }
  return false;
}

// The held situation's tests run only in their own process.
void SelectTests(bool held) {
  std::string& filter = testing::GTEST_FLAG(filter);
  if (held) {
    filter = kHeldSuite;
  } else {
    filter += filter.find('-') == std::string::npos ? std::string("-") + kHeldSuite : std::string(":") + kHeldSuite;
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const bool held = HasFlag(argc, argv, klvtest::kHeldCaptureKeyFlag);
  std::unique_ptr<klvtest::HelperProcess> holder;
  if (held) {
    holder = klvtest::HelperProcess::HoldHotkey(MOD_CONTROL, '1');
    klvtest::SetCaptureKeyHolder(holder.get());
  }
  klvtest::StartKlikvaneInProcess();
  klvtest::RecordCreationTimeTitles();
  SelectTests(held);
  int result = RUN_ALL_TESTS();
  klvtest::SetCaptureKeyHolder(nullptr);
  return result;
}
