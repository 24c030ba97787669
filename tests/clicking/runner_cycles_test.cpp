// Many quick starts and stops of a run with no delay: every stop waits for
// its runner, and nothing is left behind (threads, handles, memory).
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "runtime/heap.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/clicking/runner_watch.h"
#include "tests/support/process_footprint.h"
#include "tests/support/pace_call_watch.h"

namespace klvtest {
namespace {

using klv::clicker::Unit::kButtonStart;
using klv::clicker::Unit::kButtonStop;

constexpr int kCycles = 10000;
// Every tenth run goes on until its second pass: it clicked and waited.
constexpr int kStepEvery = 10;
constexpr int kWarmUpCycles = 200;

// The runtime heap's backend, counting the blocks it hands out and takes
// back while it is installed.
class CountingRuntimeHeap {
 public:
  CountingRuntimeHeap() { klv::SetHeapBackend({Allocate, Resize, Release}); }
  ~CountingRuntimeHeap() { klv::SetHeapBackend({Allocate, Resize, PlainRelease}); }
  CountingRuntimeHeap(const CountingRuntimeHeap&) = delete;
  CountingRuntimeHeap& operator=(const CountingRuntimeHeap&) = delete;
  static long live() { return live_; }

 private:
  static void* Allocate(size_t bytes) {
    void* block = HeapAlloc(GetProcessHeap(), 0, bytes);
    if (block) InterlockedIncrement(&live_);
    return block;
  }
  static void* Resize(void* block, size_t bytes) { return HeapReAlloc(GetProcessHeap(), 0, block, bytes); }
  static void Release(void* block) {
    if (block && HeapFree(GetProcessHeap(), 0, block)) InterlockedDecrement(&live_);
  }
  static void PlainRelease(void* block) { HeapFree(GetProcessHeap(), 0, block); }
  static inline volatile long live_ = 0;
};

struct Footprint {
  long runtimeBlocks;   // live blocks of the runtime heap
  DWORD handles;
  size_t heapBytes;     // in use in the process heap
  size_t privateBytes;  // committed private memory
};

size_t ProcessHeapBytes() {
  HANDLE heap = GetProcessHeap();
  size_t bytes = 0;
  HeapLock(heap);
  PROCESS_HEAP_ENTRY entry = {};
  while (HeapWalk(heap, &entry)) {
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
  }
  HeapUnlock(heap);
  return bytes;
}

Footprint Measure() {
  Pump(300);  // let the buttons' repaints and other pending messages settle
  return {CountingRuntimeHeap::live(), OpenHandles(), ProcessHeapBytes(), PrivateCommittedBytes()};
}

// Serves the runner's requests to the window until the condition holds,
// waking for each one.
template <typename Condition>
bool ServeUntil(Condition condition) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > 10000) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  return true;
}

// One start and stop through the buttons' clicked events, the stop at once
// or, with passes given, once the runner has begun its second pass; true
// when the runner had ended by the time the stop returned and the buttons
// are idle.
bool StartAndStop(const RowCountReads* passes) {
  long before = passes ? passes->count() : 0;
  RaiseClickedEvent(kButtonStart);
  RunnerWatch runner;
  bool stepped = !passes || ServeUntil([&] { return passes->count() >= before + 2; });
  RaiseClickedEvent(kButtonStop);
  return stepped && runner.watching() && runner.ended() && ShowsIdle();
}

class RunnerCycles : public Clicking {};

TEST_F(RunnerCycles, QuickStartsAndStopsLeaveNoThreadHandleOrMemoryBehind) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 0);
  RowCountReads passes;
  CountingRuntimeHeap runtimeHeap;
  for (int i = 0; i < kWarmUpCycles; ++i) ASSERT_TRUE(StartAndStop(i % 2 ? &passes : nullptr)) << "cycle " << i;
  Footprint before = Measure();
  PaceCalls timersBefore = CountedPaceCalls();
  DWORD begin = GetTickCount();
  int failed = 0;
  for (int i = 0; i < kCycles; ++i) failed += StartAndStop(i % kStepEvery ? nullptr : &passes) ? 0 : 1;
  DWORD took = GetTickCount() - begin;
  Footprint after = Measure();
  PaceCalls timers = CountedPaceCalls();
  std::printf("%d start/stop cycles took %lu ms; runtime blocks %ld -> %ld, handles %lu -> %lu, "
              "heap %u -> %u bytes, private %u -> %u KiB\n",
              kCycles, took, before.runtimeBlocks, after.runtimeBlocks, before.handles, after.handles,
              static_cast<unsigned>(before.heapBytes), static_cast<unsigned>(after.heapBytes),
              static_cast<unsigned>(before.privateBytes / 1024), static_cast<unsigned>(after.privateBytes / 1024));
  EXPECT_EQ(0, failed);
  // Each run raised the system timer resolution to 1 ms once and gave it
  // back once, and its steps waited on high-resolution timers.
  EXPECT_EQ(kCycles, timers.beginPeriod - timersBefore.beginPeriod);
  EXPECT_EQ(kCycles, timers.endPeriod - timersBefore.endPeriod);
  EXPECT_EQ(0, timers.otherPeriods);
  EXPECT_GE(timers.highResolution - timersBefore.highResolution, kCycles / kStepEvery);
  EXPECT_EQ(0, timers.refused);
  // And it opted out of the system's throttling once and handed that back once.
  EXPECT_EQ(kCycles, timers.throttlingDeclined - timersBefore.throttlingDeclined);
  EXPECT_EQ(kCycles, timers.throttlingHandedBack - timersBefore.throttlingHandedBack);
  EXPECT_EQ(0, timers.otherProcessInformation);
  // A runtime block kept per stepping run would show as a thousand, a
  // handle per run as ten thousand, a thread stack per run as 40 MiB.
  EXPECT_LE(after.runtimeBlocks, before.runtimeBlocks + 8);
  EXPECT_LE(after.handles, before.handles + 16);
  EXPECT_LE(after.heapBytes, before.heapBytes + 64 * 1024);
  EXPECT_LE(after.privateBytes, before.privateBytes + 4 * 1024 * 1024);
}

}  // namespace
}  // namespace klvtest
