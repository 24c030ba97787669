// Clicking benchmarks: the real Klikvane.exe (its runner, its own message
// loop serving the runner's reads of the controls) against a bare loop in
// this process that only posts a click and waits on a waitable timer. Both
// click a recording target in a third process that stamps each message with
// QueryPerformanceCounter.
//   bench_clicking.exe [timing|busy|cpu|throughput|all|profile] [scale]
//   bench_clicking.exe background <scale> <baseline Klikvane.exe>
//   bench_clicking.exe lookups [scale]
// "profile" (not part of all) runs the profiling build of the program and
// prints where its steps' time went, part by part; "lookups" (not part of
// all) times each lookup of a background step in this process.
// Klikvane.exe is the one built beside the bin folder; scale (default 1)
// multiplies the number of samples and the run times. "background" sets the
// steps per second of background runs against another build of the program,
// on a window without children (title loaded, title picked from the list)
// and on a nested child of a target with children. "lookups" times each
// lookup of a background step by itself, in this process.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/bare_click_loop.h"
#include "bench/foreground_section.h"
#include "bench/klikvane_program.h"
#include "bench/linux_cpu.h"
#include "clicker/delivery.h"
#include "clicker/globals.h"
#include "clicker/precise_wait.h"
#include "clicker/reached_window.h"
#include "clicker/runtime_access.h"
#include "clicker/units.h"
#include "controls/commands/core_commands.h"
#include "controls/report_list/report_list_commands.h"
#include "runtime/app_runtime.h"
#include "tests/clicking/operator_actions.h"
#include "tests/clicking/target_log.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"

namespace klvbench {
namespace {

using klvtest::ReceivedMessage;

double NowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Spread {
  double median, p99;
  size_t samples;
};

Spread SpreadOf(std::vector<double> values) {
  if (values.empty()) return {NAN, NAN, 0};
  std::sort(values.begin(), values.end());
  size_t rank99 = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(values.size()))) - 1;
  return {values[values.size() / 2], values[rank99], values.size()};
}

// Interval minus delay between consecutive button-down messages, in ms.
std::vector<double> Overshoots(const std::vector<ReceivedMessage>& messages, int delay, size_t count) {
  std::vector<double> out;
  const ReceivedMessage* previous = nullptr;
  for (const ReceivedMessage& m : messages) {
    if (m.message != WM_LBUTTONDOWN) continue;
    if (previous && out.size() < count) {
      out.push_back(static_cast<double>(m.microseconds - previous->microseconds) / 1000.0 - delay);
    }
    previous = &m;
  }
  return out;
}

size_t Downs(const std::vector<ReceivedMessage>& messages) {
  return static_cast<size_t>(std::count_if(messages.begin(), messages.end(),
                                           [](const ReceivedMessage& m) { return m.message == WM_LBUTTONDOWN; }));
}

// The recording target at the top of the z-order, so that the lookup by
// title of Klikvane and of the bare step alike ends at the first window:
// neither walks past the other's windows (a process reads its own windows'
// titles without asking the Wine server, and another's only by asking it).
void RaiseTarget() {
  SetWindowPos(klvtest::Target().window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  klvtest::MarkTarget(120000);
}

// The machine's load average over the last minute, as Linux counts it.
// --- timing -----------------------------------------------------------------

// Waits (sleeping, reading the target's log now and then) until the target
// has handled that many button-downs from the position on.
void AwaitDowns(size_t from, size_t count, double firstSleepMs) {
  Sleep(static_cast<DWORD>(firstSleepMs));
  for (int i = 0; i < 600 && Downs(klvtest::QueuedBetween(from)) < count; ++i) Sleep(100);
}

std::vector<double> KlikvaneOvershoots(KlikvaneProgram& klikvane, int delay, size_t samples) {
  klikvane.LoadPlan(klvtest::kTargetTitle, 1, delay);
  RaiseTarget();
  size_t from = klvtest::MarkTarget();
  klikvane.Start();
  AwaitDowns(from, samples + 1, static_cast<double>(samples + 1) * (delay + 2.0) + 100);
  klikvane.Stop();
  return Overshoots(klvtest::QueuedBetween(from, klvtest::MarkTarget(60000)), delay, samples);
}

std::vector<double> BareOvershoots(int delay, size_t samples, StepLookup lookup) {
  RaiseTarget();
  size_t from = klvtest::MarkTarget();
  {
    BareClickLoop loop(klvtest::Target().window(), 10, 20, delay, static_cast<long>(samples) + 1, lookup,
                       klvtest::kTargetTitle);
    loop.Join();
  }
  return Overshoots(klvtest::QueuedBetween(from, klvtest::MarkTarget(60000)), delay, samples);
}

// Beside the post-only loop, the bare step, which looks its window up by
// title before every click as Klikvane's step does: the step's own calls
// lie between two clicks, and so within the interval.
void TimingSection(KlikvaneProgram& program, double scale) {
  struct Row {
    int delay;
    size_t samples;
  };
  const Row rows[] = {{1, 400}, {10, 200}, {100, 60}, {1000, 20}};
  std::printf("Click timing: observed interval between button-downs at the target minus the delay (ms; load "
              "average before: %s)\n", LoadAverage().c_str());
  std::printf("delay ms  samples   Klikvane median   p99   bare step median   p99   post loop median   p99\n");
  for (const Row& row : rows) {
    size_t samples = std::max<size_t>(5, static_cast<size_t>(static_cast<double>(row.samples) * scale));
    Spread klikvane = SpreadOf(KlikvaneOvershoots(program, row.delay, samples));
    Spread step = SpreadOf(BareOvershoots(row.delay, samples, StepLookup::kTypedTitle));
    Spread bare = SpreadOf(BareOvershoots(row.delay, samples, StepLookup::kNone));
    std::printf("%8d  %7u   %15.2f %5.2f   %16.2f %5.2f   %16.2f %5.2f\n", row.delay,
                static_cast<unsigned>(klikvane.samples), klikvane.median, klikvane.p99, step.median, step.p99,
                bare.median, bare.p99);
    std::fflush(stdout);
  }
}

// --- timing while the window is busy -----------------------------------------------

// A one-row run at 10 ms while the window loads a plan of that many rows (it
// fills its list row by row and serves nothing else meanwhile), against the
// same run with the window idle. The loaded rows have the same delay; a row
// read while the loader has inserted it but not yet filled its cells waits
// no delay, which shows as an interval shorter than the delay.
void BusySection(KlikvaneProgram& klikvane, double scale) {
  constexpr int kDelay = 10;
  int rows = std::max(100, static_cast<int>(1000 * scale));
  Spread idle = SpreadOf(KlikvaneOvershoots(klikvane, kDelay, 200));
  klikvane.LoadPlan(klvtest::kTargetTitle, 1, kDelay);
  size_t from = klvtest::MarkTarget();
  klikvane.Start();
  Sleep(300);
  size_t loadFrom = klvtest::MarkTarget();
  double start = NowMs();
  klikvane.LoadPlan(klvtest::kTargetTitle, rows, kDelay);  // returns once the window has loaded it
  double loading = NowMs() - start;
  size_t loadTo = klvtest::MarkTarget(60000);
  klikvane.Stop();
  std::vector<ReceivedMessage> during = klvtest::QueuedBetween(loadFrom, loadTo);
  std::vector<double> overshoots = Overshoots(during, kDelay, SIZE_MAX);
  size_t early = static_cast<size_t>(std::count_if(overshoots.begin(), overshoots.end(),
                                                   [](double o) { return o < -kDelay / 2.0; }));
  Spread busy = SpreadOf(overshoots);
  klvtest::QueuedBetween(from, klvtest::MarkTarget(60000));
  std::printf("\nClick timing at %d ms while the window loads a %d-row plan (%.0f ms of loading)\n", kDelay, rows,
              loading);
  std::printf("                      samples   median     p99\n");
  std::printf("window idle           %7u  %7.2f %7.2f\n", static_cast<unsigned>(idle.samples), idle.median, idle.p99);
  std::printf("window loading        %7u  %7.2f %7.2f   (%u clicks of half-loaded rows came early)\n",
              static_cast<unsigned>(busy.samples), busy.median, busy.p99, static_cast<unsigned>(early));
  std::fflush(stdout);
}

// --- processor use ------------------------------------------------------------

// Serves this thread's messages, the runner's reads of the controls among
// them, as they come, for that long.
void Serve(double milliseconds) {
  double end = NowMs() + milliseconds;
  for (double left = milliseconds; left > 0; left = end - NowMs()) {
    klv::ProcessPendingMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
  }
}

struct CpuUse {
  double process, server;  // percent of one core
};

// Over the given time: this process and the Wine server, which every Wine
// process of the session (the target's among them) keeps busy.
class CpuMeter {
 public:
  CpuMeter() : own_(LinuxProcessDirectory("bench_clicking.exe")), server_(WineServerDirectory()) {}
  bool ready() const { return !own_.empty(); }
  CpuUse Measure(double seconds) const {
    double process = LinuxCpuMs(own_), server = LinuxCpuMs(server_), wall = NowMs();
    Serve(seconds * 1000);
    wall = NowMs() - wall;
    return {100 * (LinuxCpuMs(own_) - process) / wall, 100 * (LinuxCpuMs(server_) - server) / wall};
  }

 private:
  std::string own_, server_;
};

// Klikvane loaded in this process: the runner, and this thread serving its
// reads of the controls as the program's message loop would.
CpuUse KlikvaneCpu(const CpuMeter& meter, double seconds, bool run) {
  klvtest::ClearPlan();
  klvtest::AddPlanRow(10, 20, 1000);
  if (run) klvtest::RaiseClickedEvent(klv::clicker::Unit::kButtonStart);
  CpuUse use = meter.Measure(seconds);
  if (run) klvtest::RaiseClickedEvent(klv::clicker::Unit::kButtonStop);
  return use;
}

CpuUse BareCpu(const CpuMeter& meter, double seconds) {
  BareClickLoop loop(klvtest::Target().window(), 10, 20, 1000, -1);
  return meter.Measure(seconds);
}

void CpuSection(double scale) {
  CpuMeter meter;
  if (!meter.ready()) {
    std::printf("\nProcessor use: this process was not found under Z:\\proc\n");
    return;
  }
  double seconds = 10 * std::max(scale, 0.1);
  CpuUse running = KlikvaneCpu(meter, seconds, true);
  CpuUse idle = KlikvaneCpu(meter, seconds, false);
  CpuUse bare = BareCpu(meter, seconds);
  klvtest::MarkTarget();
  std::printf("\nProcessor use over %.0f s, percent of one core (Linux's count, every thread)\n", seconds);
  std::printf("                                            this process   Wine server\n");
  std::printf("Klikvane, one-row plan with delay 1000 ms   %12.3f   %11.3f\n", running.process, running.server);
  std::printf("Klikvane loaded, not running                %12.3f   %11.3f\n", idle.process, idle.server);
  std::printf("bare loop clicking once per 1000 ms         %12.3f   %11.3f\n", bare.process, bare.server);
  std::fflush(stdout);
}

// --- throughput and the stop button meanwhile -----------------------------------

// Clicks per second the target got while something clicked it for that
// long: button-downs counted once the target has worked off its queue.
double ClicksPerSecond(const std::function<void()>& start, const std::function<void()>& stop, double seconds) {
  RaiseTarget();
  size_t from = klvtest::MarkTarget();
  double began = NowMs();
  start();
  Sleep(static_cast<DWORD>(seconds * 1000));
  stop();
  double took = NowMs() - began;
  return static_cast<double>(Downs(klvtest::QueuedBetween(from, klvtest::MarkTarget(120000)))) * 1000 / took;
}

// Steps per second of a ten-row delay-0 run at the shared target, its title
// loaded from the file (typed) or picked from the list.
double KlikvaneStepsPerSecond(KlikvaneProgram& klikvane, double seconds, bool picked) {
  klikvane.LoadPlan(klvtest::kTargetTitle, 10, 0);
  if (picked && !klikvane.PickListedWindow(klvtest::Target().window())) return NAN;
  return ClicksPerSecond([&] { klikvane.Start(); }, [&] { klikvane.Stop(); }, seconds);
}

double BareStepsPerSecond(double seconds, StepLookup lookup) {
  std::unique_ptr<BareClickLoop> loop;
  return ClicksPerSecond(
      [&] { loop = std::make_unique<BareClickLoop>(klvtest::Target().window(), 10, 20, 0, -1, lookup, klvtest::kTargetTitle); },
      [&] { loop.reset(); }, seconds);
}

// A real click on the stop button while a run goes on: from the release to
// the buttons showing the idle state again.
double StopClickAnswerMs(const KlikvaneProgram& klikvane) {
  RECT rect;
  GetWindowRect(klikvane.stopButton(), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  Sleep(50);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
  double start = NowMs();
  while (klikvane.Running()) {
    if (NowMs() - start > 10000) return NAN;
    Sleep(1);
  }
  return NowMs() - start;
}

Spread StopAnswers(KlikvaneProgram& klikvane, int delay, int rounds) {
  klikvane.LoadPlan(klvtest::kTargetTitle, 10, delay);
  std::vector<double> answers;
  for (int i = 0; i < rounds; ++i) {
    klikvane.Start();
    Sleep(300);
    double ms = StopClickAnswerMs(klikvane);
    if (!std::isnan(ms)) answers.push_back(ms);
    if (klikvane.Running()) klikvane.Stop();
    klvtest::MarkTarget(120000);
  }
  return SpreadOf(answers);
}

// One row of the throughput table: a spread over the rounds.
void PrintRates(const char* what, const std::vector<double>& rates, const std::vector<double>* baseline) {
  std::vector<double> sorted = rates;
  std::sort(sorted.begin(), sorted.end());
  std::printf("%-34s %8.0f %8.0f %8.0f", what, sorted.front(), sorted[sorted.size() / 2], sorted.back());
  if (baseline) {
    std::vector<double> shares;
    for (size_t i = 0; i < rates.size(); ++i) shares.push_back(100 * rates[i] / (*baseline)[i]);
    std::sort(shares.begin(), shares.end());
    std::printf("   %3.0f / %3.0f / %3.0f %%", shares.front(), shares[shares.size() / 2], shares.back());
  }
  std::printf("\n");
}

void ThroughputSection(KlikvaneProgram& program, double scale) {
  double seconds = 2 * std::max(scale, 0.1);
  const int throughputRounds = 3;
  std::vector<double> typed, bareTyped, picked, barePicked, bare;
  std::printf("\nThroughput, ten-row plan with delay 0 on a window without children (steps per second, one click "
              "each; %d rounds of %.0f s taken in turns; load average before: %s)\n",
              throughputRounds, seconds, LoadAverage().c_str());
  for (int round = 0; round < throughputRounds; ++round) {
    typed.push_back(KlikvaneStepsPerSecond(program, seconds, false));
    bareTyped.push_back(BareStepsPerSecond(seconds, StepLookup::kTypedTitle));
    picked.push_back(KlikvaneStepsPerSecond(program, seconds, true));
    barePicked.push_back(BareStepsPerSecond(seconds, StepLookup::kPickedWindow));
    bare.push_back(BareStepsPerSecond(seconds, StepLookup::kNone));
  }
  std::printf("%-34s %8s %8s %8s   %s\n", "", "min", "median", "max", "of the bare step, per round");
  PrintRates("Klikvane runner, title loaded", typed, &bareTyped);
  PrintRates("bare step loop, typed title", bareTyped, nullptr);
  PrintRates("Klikvane runner, title picked", picked, &barePicked);
  PrintRates("bare step loop, picked window", barePicked, nullptr);
  PrintRates("bare post loop", bare, nullptr);
  std::printf("load average after: %s\n", LoadAverage().c_str());
  int rounds = std::max(3, static_cast<int>(10 * scale));
  Spread busy = StopAnswers(program, 0, rounds);
  Spread resting = StopAnswers(program, 1000, rounds);
  std::printf("\nAnswer to a real click on the stop button, release to idle buttons (ms, %d rounds)\n", rounds);
  std::printf("                           median      max\n");
  std::printf("during a delay-0 run     %8.1f %8.1f\n", busy.median, busy.p99);
  std::printf("during a delay-1000 run  %8.1f %8.1f\n", resting.median, resting.p99);
  std::fflush(stdout);
}

// --- where a step of the real program goes -------------------------------------

// The profiling build's sums after a run (clicker/step_profile.cpp): "steps",
// "whole" and one line per part, microseconds each.
std::vector<std::pair<std::string, double>> ReadStepProfile(const std::string& file) {
  std::vector<std::pair<std::string, double>> lines;
  std::FILE* in = std::fopen(file.c_str(), "r");
  if (in == nullptr) return lines;
  char name[32];
  double value = 0;
  while (std::fscanf(in, "%31s %lf", name, &value) == 2) lines.emplace_back(name, value);
  std::fclose(in);
  return lines;
}

// The profiling build of Klikvane.exe runs a ten-row delay-0 plan, title
// loaded and then picked; its own timestamps on the runner's thread say
// where each step's time went, part by part, adding up to the whole run.
void ProfileSection(double scale) {
  const std::string folder = klvtest::ProgramFolder();
  KlikvaneProgram profiled(folder + "\\Klikvane_profiled.exe");
  if (!profiled.ready()) {
    std::printf("\nThe profiling build of Klikvane did not come up\n");
    return;
  }
  const double seconds = 3 * std::max(scale, 0.1);
  std::vector<std::pair<std::string, double>> runs[2];
  double rates[2];
  for (int picked = 0; picked < 2; ++picked) {
    DeleteFileA((folder + "\\step-profile.txt").c_str());
    rates[picked] = KlikvaneStepsPerSecond(profiled, seconds, picked != 0);
    runs[picked] = ReadStepProfile(folder + "\\step-profile.txt");
  }
  if (runs[0].size() < 2 || runs[0].size() != runs[1].size()) {
    std::printf("\nThe profiling build wrote no step profile\n");
    return;
  }
  std::printf("\nWhere a step of the real program goes: its runner's own timestamps over a %.0f s delay-0 run "
              "(microseconds per step; load average: %s)\n", seconds, LoadAverage().c_str());
  std::printf("%-14s %14s %14s\n", "", "title loaded", "title picked");
  std::printf("%-14s %14.0f %14.0f\n", "steps/s", rates[0], rates[1]);
  const double steps[2] = {runs[0][0].second, runs[1][0].second};
  for (size_t line = 1; line < runs[0].size(); ++line) {
    std::printf("%-14s %14.1f %14.1f\n", runs[0][line].first.c_str(), runs[0][line].second / steps[0],
                runs[1][line].second / steps[1]);
  }
  std::fflush(stdout);
}

// --- background clicking against a baseline program -------------------------

// Steps per second of a ten-row delay-0 run against that target.
double StepsPerSecondAt(KlikvaneProgram& klikvane, const klvtest::ClickTarget& target, double seconds) {
  size_t from = klvtest::MarkTarget(target);
  double start = NowMs();
  klikvane.Start();
  Sleep(static_cast<DWORD>(seconds * 1000));
  klikvane.Stop();
  double took = NowMs() - start;
  return static_cast<double>(Downs(klvtest::QueuedBetween(target, from, klvtest::MarkTarget(target, 120000)))) * 1000 /
         took;
}

// One way of aiming the plan: which target, where, and whether the title is
// picked from the list or only loaded from the file.
struct Aim {
  const char* what;
  const klvtest::ClickTarget* target;
  const char* title;
  POINT at;
  bool picked;
};

double AimedStepsPerSecond(KlikvaneProgram& klikvane, const Aim& aim, double seconds) {
  klikvane.LoadPlan(aim.title, 10, 0, aim.at.x, aim.at.y);
  if (aim.picked && !klikvane.PickListedWindow(aim.target->window())) return NAN;
  return StepsPerSecondAt(klikvane, *aim.target, seconds);
}

// The program built here against another build (the baseline), taking
// turns, the order swapped every round so that a drift of the machine's load
// falls on both alike.
void BackgroundSection(KlikvaneProgram& program, const std::string& baselinePath, double scale) {
  static const char kChildrenTitle[] = "带子窗口的目标";
  klvtest::ClickTarget children(kChildrenTitle, 400, 300, 460, 330, true);
  KlikvaneProgram baseline(baselinePath);
  if (!children.ready() || !baseline.ready()) {
    std::printf("\nBackground clicking: the baseline program or the target with children did not come up\n");
    return;
  }
  const Aim aims[] = {
      {"window without children, title loaded", &klvtest::Target(), klvtest::kTargetTitle, {10, 20}, false},
      {"window without children, title picked", &klvtest::Target(), klvtest::kTargetTitle, {10, 20}, true},
      {"nested child (two levels), title loaded", &children, kChildrenTitle, {75, 56}, false},
  };
  double seconds = 2 * std::max(scale, 0.1);
  const int rounds = std::max(4, static_cast<int>(4 * scale));
  std::printf("\nBackground clicking, ten-row plan with delay 0 (steps per second, median of %d rounds taken in "
              "turns, the order swapped every round)\n", rounds);
  std::printf("%-42s %10s %10s\n", "", "baseline", "this build");
  for (const Aim& aim : aims) {
    std::vector<double> base, mine;
    for (int round = 0; round < rounds; ++round) {
      KlikvaneProgram& first = round % 2 == 0 ? baseline : program;
      KlikvaneProgram& second = round % 2 == 0 ? program : baseline;
      double a = AimedStepsPerSecond(first, aim, seconds), b = AimedStepsPerSecond(second, aim, seconds);
      base.push_back(round % 2 == 0 ? a : b);
      mine.push_back(round % 2 == 0 ? b : a);
    }
    std::printf("%-42s %10.0f %10.0f\n", aim.what, SpreadOf(base).median, SpreadOf(mine).median);
    std::fflush(stdout);
  }
}

// --- what one background step's lookups cost, call by call ------------------

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

}  // namespace
}  // namespace klvbench

int main(int argc, char** argv) {
  std::string which = argc > 1 ? argv[1] : "all";
  double scale = argc > 2 ? std::atof(argv[2]) : 1.0;
  if (!klvtest::Target().ready()) {
    std::fprintf(stderr, "the recording target did not come up\n");
    return 1;
  }
  SetCursorPos(1010, 750);  // away from every window
  if (which != "cpu" && which != "lookups" && which != "profile") {
    klvbench::KlikvaneProgram program(klvtest::ProgramFolder() + "\\..\\Klikvane.exe");
    if (!program.ready()) {
      std::fprintf(stderr, "Klikvane did not come up\n");
      return 1;
    }
    if (which == "all" || which == "timing") klvbench::TimingSection(program, scale);
    if (which == "all" || which == "busy") klvbench::BusySection(program, scale);
    if (which == "all" || which == "throughput") klvbench::ThroughputSection(program, scale);
    if (which == "background" && argc > 3) klvbench::BackgroundSection(program, argv[3], scale);
    if (which == "foreground") klvbench::ForegroundSection(program, scale);
  }
  if (which == "lookups") {
    klvtest::StartKlikvaneInProcess();
    klvbench::LookupSection(scale);
  }
  if (which == "all" || which == "cpu") {
    klvtest::StartKlikvaneInProcess();
    if (!klvtest::ChooseBackgroundTarget(klvtest::kTargetTitle)) {
      std::fprintf(stderr, "the recording target could not be chosen\n");
      return 1;
    }
    klvbench::CpuSection(scale);
  }
  if (which == "profile") klvbench::ProfileSection(scale);
  return 0;
}
