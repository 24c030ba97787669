// The timestamps of the profiling build (clicker/step_profile.h): sums per
// part on the thread that started the profile, written to step-profile.txt
// beside the program when the run ends, one "part microseconds" line each.
// Only the profiling build compiles this: the program's own marks are empty.
#include "clicker/step_profile.h"

#ifdef KLIKVANE_STEP_PROFILE
#include <windows.h>

#include <cstdio>
#include <string>

namespace klv::clicker {
namespace {

constexpr int kParts = static_cast<int>(StepPart::kCount);
const char* const kPartNames[kParts] = {"pass-start", "plan-row", "mode", "target", "dpi-context",
                                        "descent",    "button",   "posts", "wait"};

struct Profile {
  DWORD thread = 0;
  LONGLONG start = 0, last = 0;
  LONGLONG ticks[kParts] = {};
  long steps = 0;
};

Profile g_profile;

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

std::string FileBesideProgram() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1) + "step-profile.txt";
}

}  // namespace

void StartStepProfile() {
  g_profile = Profile();
  g_profile.thread = GetCurrentThreadId();
  g_profile.start = g_profile.last = Now();
}

void MarkStepPart(StepPart ended) {
  if (GetCurrentThreadId() != g_profile.thread) return;  // a single step on the window's thread
  const LONGLONG now = Now();
  g_profile.ticks[static_cast<int>(ended)] += now - g_profile.last;
  g_profile.last = now;
  if (ended == StepPart::kWait) ++g_profile.steps;
}

void FinishStepProfile() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const double microsecondsPerTick = 1e6 / static_cast<double>(frequency.QuadPart);
  std::FILE* file = std::fopen(FileBesideProgram().c_str(), "w");
  if (file == nullptr) return;
  std::fprintf(file, "steps %ld\nwhole %.1f\n", g_profile.steps,
               static_cast<double>(g_profile.last - g_profile.start) * microsecondsPerTick);
  for (int part = 0; part < kParts; ++part) {
    std::fprintf(file, "%s %.1f\n", kPartNames[part], static_cast<double>(g_profile.ticks[part]) * microsecondsPerTick);
  }
  std::fclose(file);
  g_profile.thread = 0;
}

}  // namespace klv::clicker

#endif  // KLIKVANE_STEP_PROFILE
