// Where a step of the real program goes, from the profiling build's own
// timestamps.
#include "bench/click_sections.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "bench/linux_cpu.h"
#include "tests/support/child_process.h"

namespace klvbench {

namespace {

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

}  // namespace

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

}  // namespace klvbench
