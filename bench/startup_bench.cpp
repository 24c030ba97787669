// Start-up benchmark: time from process creation to a visible window titled
// "Klikvane", and the process's peak working set once it is shown, for
// Klikvane and for a plain Win32 program with the same controls, run
// alternately in one session.
//   bench_startup.exe <Klikvane.exe> <bench_plain_window.exe> [runs]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/program_window.h"

namespace {

struct Sample {
  double milliseconds;
  double peakKiB;
};

bool RunOnce(const std::string& program, Sample* sample) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::string commandLine = "\"" + program + "\"";
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return false;
  }
  HWND found = nullptr;
  for (int i = 0; i < 20000 && !found; ++i) {
    found = klvtest::ShownProgramWindow(info.dwProcessId);
    if (!found) Sleep(1);
  }
  QueryPerformanceCounter(&now);
  Sleep(300);  // let it settle before reading the peak
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(info.hProcess, &counters, sizeof counters);
  sample->milliseconds = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
  sample->peakKiB = counters.PeakWorkingSetSize / 1024.0;
  if (found) PostMessageA(found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return found != nullptr;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_startup <Klikvane.exe> <plain.exe> [runs]\n");
    return 2;
  }
  int runs = argc > 3 ? std::atoi(argv[3]) : 10;
  std::vector<double> time[2], peak[2];
  for (int run = 0; run < runs; ++run) {
    for (int which = 0; which < 2; ++which) {
      Sample sample;
      if (!RunOnce(argv[1 + which], &sample)) {
        std::fprintf(stderr, "run %d of %s showed no window\n", run, argv[1 + which]);
        continue;
      }
      time[which].push_back(sample.milliseconds);
      peak[which].push_back(sample.peakKiB);
    }
  }
  std::printf("program            start-to-shown median ms   peak working set median KiB\n");
  std::printf("Klikvane           %10.1f                 %10.0f\n", Median(time[0]), Median(peak[0]));
  std::printf("plain Win32        %10.1f                 %10.0f\n", Median(time[1]), Median(peak[1]));
  if (Median(time[1]) > 0 && Median(peak[1]) > 0) {
    std::printf("ratio              %10.2f                 %10.2f\n", Median(time[0]) / Median(time[1]),
                Median(peak[0]) / Median(peak[1]));
  }
  return 0;
}
