// What one background step's lookups cost, call by call, in this process.
#include "bench/click_sections.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "clicker/delivery.h"
#include "clicker/reached_window.h"
#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/report_list/report_list_commands.h"
#include "tests/support/operator_actions.h"

namespace klvbench {

namespace {

// One lookup a background step makes, timed on a thread of its own while
// this thread serves the window, as the runner's thread and the
// user-interface thread do.
struct Lookup {
  const char* what;
  std::function<void()> call;
};

struct LookupTimes {
  const std::vector<Lookup>* lookups;
  int rounds;
  std::vector<std::vector<double>> microseconds;  // per lookup, one per round
  volatile bool done = false;
};

unsigned long __stdcall TimeLookups(void* parameter) {
  auto* times = static_cast<LookupTimes*>(parameter);
  const int perRound = 50;
  for (int round = 0; round < times->rounds; ++round) {
    for (size_t i = 0; i < times->lookups->size(); ++i) {
      double start = NowMs();
      for (int n = 0; n < perRound; ++n) (*times->lookups)[i].call();
      times->microseconds[i].push_back((NowMs() - start) * 1000 / perRound);
    }
  }
  times->done = true;
  return 0;
}

}  // namespace

void LookupSection(double scale) {
  using namespace klv::clicker;
  static const char kChildrenTitle[] = "带子窗口的目标";
  klvtest::ClickTarget children(kChildrenTitle, 400, 300, 460, 330, true);
  if (!children.ready() || !klvtest::ChooseBackgroundTarget(klvtest::kTargetTitle)) {
    std::printf("\nLookups: the targets could not be chosen\n");
    return;
  }
  const uint32_t target = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(klvtest::Target().window()));
  const uint32_t parent = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(children.window()));
  const int32_t selected = ReadUnitInteger(Unit::kComboWindowTitle, Property::kComboSelection);
  const std::vector<Lookup> lookups = {
      {"title text read (as before)", [] { ReadUnitText(Unit::kComboWindowTitle, Property::kComboText); }},
      {"FirstWindowTitled by title (as before)", [] { FirstWindowTitled(klvtest::kTargetTitle); }},
      {"selection read (new, every step)",
       [] { ReadUnitInteger(Unit::kComboWindowTitle, Property::kComboSelection); }},
      {"picked item's data (new, picked title)",
       [selected] {
         CallCore(klv::core::kComboItemData, {UnitArgument(Unit::kComboWindowTitle, klv::TypeCode::kComboBox),
                                              IntegerArgument(selected)});
       }},
      {"TargetOfTitleBox, picked (title and pick in one read)", [] { TargetOfTitleBox(); }},
      {"child at the point, window without children", [target] { WindowReachedAt(target, 10, 20); }},
      {"child at the point, nested in 10 children", [parent] { WindowReachedAt(parent, 75, 56); }},
  };
  LookupTimes times = {&lookups, std::max(3, static_cast<int>(10 * scale)), {}};
  times.microseconds.resize(lookups.size());
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, &TimeLookups, &times, 0, &id);
  while (!times.done) Serve(20);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  std::printf("\nOne background step's lookups from a thread of their own (microseconds per call, median of %d "
              "rounds of 50)\n", times.rounds);
  for (size_t i = 0; i < lookups.size(); ++i) {
    std::printf("%-46s %9.1f\n", lookups[i].what, SpreadOf(times.microseconds[i]).median);
  }
  std::fflush(stdout);
}

}  // namespace klvbench
