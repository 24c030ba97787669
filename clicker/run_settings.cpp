#include "clicker/run_settings.h"

namespace klv::clicker {
namespace {

RunSettings g_settings;
RunProgress g_progress;

}  // namespace

RunSettings& CurrentRunSettings() { return g_settings; }
RunProgress& CurrentRunProgress() { return g_progress; }

bool AnyRunLimit() {
  return g_settings.passLimit.load(std::memory_order_relaxed) > 0 ||
         g_settings.clickLimit.load(std::memory_order_relaxed) > 0 ||
         g_settings.durationLimitSeconds.load(std::memory_order_relaxed) > 0;
}

}  // namespace klv::clicker
