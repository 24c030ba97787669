// Soak run of the real Klikvane.exe, started as the operator starts it, with
// what it holds read from outside its process: open handles (each value that
// can be duplicated out of it), committed private memory (its address space
// walked) and processor time (its Linux process, every thread). Nothing of
// this program's own bookkeeping is counted.
//   bench_soak.exe cycle [seconds]: a ten-row delay-0 plan, started and
//       stopped every 3 s;
//   bench_soak.exe large [seconds]: a 1,000-row delay-0 plan, one run.
// Prints a line at the start and at every whole minute (default ten minutes),
// then the growth after the first minute.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/klikvane_program.h"
#include "bench/linux_cpu.h"
#include "tests/support/child_process.h"
#include "tests/support/process_footprint.h"
#include "tests/support/recording_target.h"

namespace {

const char kTargetTitle[] = "Klikvane soak target";

struct Footprint {
  DWORD handles;
  double privateMiB;
  double processorS;
};

class Watched {
 public:
  // program: the path the program was started with, which its Linux
  // process's command line carries (and no other program's does, also on a
  // machine where others run Klikvane too).
  Watched(DWORD processId, const std::string& program)
      : process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_DUP_HANDLE, FALSE, processId)),
        linux_(klvbench::LinuxProcessDirectory(program)) {}
  ~Watched() {
    if (process_) CloseHandle(process_);
  }
  Watched(const Watched&) = delete;
  Watched& operator=(const Watched&) = delete;
  bool ready() const { return process_ != nullptr && !linux_.empty(); }
  Footprint Measure() const {
    return {klvtest::OpenHandles(process_), klvtest::PrivateCommittedBytes(process_) / 1048576.0,
            klvbench::LinuxCpuMs(linux_) / 1000.0};
  }

 private:
  HANDLE process_;
  std::string linux_;
};

void Print(int minute, const Footprint& f, const klvtest::ClickTarget& target) {
  std::printf("| %2d min | %5lu | %7.1f MiB | %8.1f s | %8.1f MiB |\n", minute, f.handles, f.privateMiB, f.processorS,
              static_cast<double>(target.LogBytes()) / 1048576.0);
  std::fflush(stdout);
}

DWORD Elapsed(DWORD began) { return GetTickCount() - began; }

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "cycle";
  int seconds = argc > 2 ? std::atoi(argv[2]) : 600;
  bool cycling = mode == "cycle";
  klvtest::ClickTarget target(kTargetTitle, 520, 380, 300, 200);
  const std::string program = klvtest::ProgramFolder() + "\\..\\Klikvane.exe";
  klvtest::KlikvaneProgram klikvane(program);
  if (!target.ready() || !klikvane.ready()) return 1;
  klikvane.LoadPlan(kTargetTitle, cycling ? 10 : 1000, 0);
  Watched watched(klikvane.processId(), program);
  if (!watched.ready()) return 1;
  std::printf("%s: Klikvane.exe (process %lu), %d s\n",
              cycling ? "ten-row delay-0 plan, started and stopped every 3 s" : "1,000-row delay-0 plan, one run",
              klikvane.processId(), seconds);
  std::printf("| time   | handles | private memory | processor | target log |\n");
  std::printf("|---|---|---|---|---|\n");
  Footprint start = watched.Measure(), atOneMinute = start, last = start;
  Print(0, start, target);
  DWORD began = GetTickCount();
  int minute = 0;
  if (!cycling) klikvane.Start();
  while (Elapsed(began) < static_cast<DWORD>(seconds) * 1000) {
    if (cycling) {
      klikvane.Start();
      Sleep(2800);
      klikvane.Stop();
    }
    Sleep(200);
    if (static_cast<int>(Elapsed(began) / 60000) > minute) {
      minute = static_cast<int>(Elapsed(began) / 60000);
      last = watched.Measure();
      if (minute == 1) atOneMinute = last;
      Print(minute, last, target);
    }
  }
  if (!cycling) klikvane.Stop();
  if (minute == 0) last = atOneMinute = watched.Measure();
  std::printf("after the first minute: handles %+ld, private memory %+.1f MiB\n",
              static_cast<long>(last.handles) - static_cast<long>(atOneMinute.handles),
              last.privateMiB - atOneMinute.privateMiB);
  return 0;
}
