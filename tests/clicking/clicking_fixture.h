// Every clicking test starts from an idle window with an empty plan, the
// left button chosen and the target ready.
#pragma once
#include <gtest/gtest.h>

#include "clicker/runner.h"
#include "clicker/units.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/operator_actions.h"
#include "tests/support/target_log.h"

namespace klvtest {

class Clicking : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Target().ready());
    if (klv::clicker::RunActive()) RaiseClickedEvent(klv::clicker::Unit::kButtonStop);
    ClearPlan();
    ASSERT_TRUE(EnsureComboShows(klv::clicker::Unit::kComboMouseButton, "左键"));
  }
  void TearDown() override {
    if (klv::clicker::RunActive()) RaiseClickedEvent(klv::clicker::Unit::kButtonStop);
  }
};

}  // namespace klvtest
