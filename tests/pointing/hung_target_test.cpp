// A target whose thread no longer takes messages, in another process, never
// holds up Klikvane's window: while Klikvane lists the titles (the drop-down
// opened), captures a point over the target, clicks it at delay 0 in both
// modes and stops, another thread keeps asking Klikvane's window to answer,
// and every answer comes within a generous bound. The longest answer is
// printed; the disabled ten-second version is the benchmark of
// scripts/bench.sh, read against the 100 ms goal.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

#include "image/program_constants.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/child_process.h"
#include "tests/support/debugged_klikvane.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/klikvane_window.h"
#include "tests/support/recording_target.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

const char kHungTitle[] = "停止响应的窗口";
constexpr DWORD kAnswerBoundMs = 2000;

double NowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// What Klikvane is doing while the probe asks.
enum Phase { kListing, kCapturing, kLoading, kClickingBackground, kClickingForeground, kStopping, kPhaseCount };
const char* const kPhaseNames[kPhaseCount] = {"list titles", "capture", "load plan", "background clicks",
                                              "foreground clicks", "stop"};

// Asks the window to answer a message that does nothing, again and again
// from a thread of its own, and keeps the longest wait for the answer, per
// phase of the scenario.
class AnswerProbe {
 public:
  explicit AnswerProbe(HWND window) : window_(window), thread_([this] { Run(); }) {}
  ~AnswerProbe() {
    stop_ = true;
    thread_.join();
  }
  AnswerProbe(const AnswerProbe&) = delete;
  AnswerProbe& operator=(const AnswerProbe&) = delete;
  void Enter(Phase phase) { phase_ = phase; }
  double longestMs() const {
    long long longest = 0;
    for (const auto& micro : longestMicro_) longest = std::max(longest, micro.load());
    return longest / 1000.0;
  }
  double longestMs(Phase phase) const { return longestMicro_[phase] / 1000.0; }
  bool everUnanswered() const { return unanswered_; }
  long probes() const { return probes_; }

 private:
  void Run() {
    while (!stop_) {
      double start = NowMs();
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerBoundMs, &result)) unanswered_ = true;
      auto micro = static_cast<long long>((NowMs() - start) * 1000.0);
      std::atomic<long long>& longest = longestMicro_[phase_];
      if (micro > longest) longest = micro;
      ++probes_;
      Sleep(2);
    }
  }
  HWND window_;
  std::atomic<bool> stop_{false}, unanswered_{false};
  std::atomic<int> phase_{kListing};
  std::atomic<long long> longestMicro_[kPhaseCount] = {};
  std::atomic<long> probes_{0};
  std::thread thread_;
};

std::string Settings(bool foreground, POINT first) {
  Plan plan;
  for (int row = 0; row < 3; ++row) {
    plan.push_back({std::to_string(first.x + 10 * row), std::to_string(first.y), "0", klv::kConstants.leftButton});
  }
  return FreshFile(foreground ? "0" : "1", kHungTitle, plan);
}

class HungTargetTest : public testing::Test {
 protected:
  void SetUp() override {
    WriteWholeFile(folder_.settingsFile(), Settings(false, {20, 20}));
    program_ = std::make_unique<DebuggedKlikvane>(folder_.program(), folder_.folder());
    main_ = program_->WaitForMainWindow();
    window_ = std::make_unique<KlikvaneWindow>(main_, program_->id());
  }
  void TearDown() override {
    PressKey('Q', true);
    EXPECT_EQ(0u, program_->WaitForExit(5000));
  }

  HWND StartButton() const { return window_->StartButton(); }

  // The drop-down opened with a real click on its arrow (the title list is
  // built then), checked to hold the hung window, and closed again. The
  // items are told by the window handle each carries.
  void ListTitles() {
    HWND combo = window_->TitleBox();
    window_->OpenList(combo);
    auto itemsForTarget = [&] {
      int found = 0;
      LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        found += SendMessageA(combo, CB_GETITEMDATA, i, 0) == reinterpret_cast<LRESULT>(target_.window()) ? 1 : 0;
      }
      return found;
    };
    EXPECT_TRUE(PumpUntil([&] { return itemsForTarget() == 1; }));
    PressKey(VK_ESCAPE);
  }

  // Control+1 with the cursor over the middle of the hung window.
  void CaptureOverTarget() {
    RECT r;
    GetWindowRect(target_.window(), &r);
    POINT middle = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    MoveCursor(middle.x, middle.y);
    PressKey('1', true);
    HWND screenX = window_->ScreenXLabel();
    EXPECT_TRUE(PumpUntil([&] { return TextOf(screenX) == std::to_string(middle.x); }));
  }

  // The middle of the part of the target right of Klikvane's window.
  POINT TargetPointBesideKlikvane() const {
    RECT target, klikvane;
    GetWindowRect(target_.window(), &target);
    GetWindowRect(main_, &klikvane);
    LONG left = std::max(target.left, klikvane.right);
    return {(left + target.right) / 2 - 10, (target.top + target.bottom) / 2};
  }

  // A delay-0 run in the mode for the time given, stopped with F7.
  void ClickFor(AnswerProbe& probe, bool foreground, DWORD milliseconds) {
    probe.Enter(kLoading);
    // Background points are client coordinates of the target; foreground
    // ones are on the screen, on a part of the target that Klikvane's own
    // window does not cover (else the run would click Klikvane itself).
    POINT first = {20, 20};
    if (foreground) {
      first = TargetPointBesideKlikvane();
      ASSERT_EQ(target_.window(), WindowFromPoint(first));
      ASSERT_EQ(target_.window(), WindowFromPoint({first.x + 20, first.y}));
    }
    WriteWholeFile(folder_.settingsFile(), Settings(foreground, first));
    window_->Press(window_->LoadButton());
    probe.Enter(foreground ? kClickingForeground : kClickingBackground);
    window_->Press(StartButton());
    EXPECT_FALSE(IsWindowEnabled(StartButton())) << "the run did not start";
    Sleep(milliseconds);
    probe.Enter(kStopping);
    PressKey(VK_F7);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(StartButton()) != FALSE; }));
  }

  // Every case, with the probe running all along; returns the longest answer.
  double RunScenario(DWORD clickMilliseconds) {
    AnswerProbe probe(main_);
    window_->ClickInto();  // so that Klikvane's hotkeys fire
    ListTitles();
    probe.Enter(kCapturing);
    CaptureOverTarget();
    ClickFor(probe, false, clickMilliseconds);
    ClickFor(probe, true, clickMilliseconds);
    EXPECT_FALSE(probe.everUnanswered()) << "Klikvane's window did not answer within " << kAnswerBoundMs << " ms";
    EXPECT_GT(probe.probes(), 10);
    std::printf("hung target: %ld probes, longest answer %.1f ms (goal 100 ms); per phase:", probe.probes(),
                probe.longestMs());
    for (int phase = 0; phase < kPhaseCount; ++phase) {
      std::printf(" %s %.1f ms%s", kPhaseNames[phase], probe.longestMs(static_cast<Phase>(phase)),
                  phase + 1 < kPhaseCount ? "," : "\n");
    }
    return probe.longestMs();
  }

  ProgramHotkeysSetAside setAside_;  // the child takes the four keys
  ClickTarget target_{kHungTitle, 560, 400, 300, 200, false, true};
  ProgramFolderCopy folder_{"pointing_hung_target"};
  std::unique_ptr<DebuggedKlikvane> program_;
  HWND main_ = nullptr;
  std::unique_ptr<KlikvaneWindow> window_;
};

// The same probe, sent to the target itself, finds no answer.
bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 300, &result) != 0;
}

TEST_F(HungTargetTest, KlikvaneKeepsAnsweringWhileItListsCapturesClicksAndStops) {
  ASSERT_TRUE(target_.ready());
  ASSERT_NE(nullptr, main_);
  ASSERT_FALSE(Answers(target_.window()));
  RunScenario(2000);
}

TEST_F(HungTargetTest, DISABLED_TenSecondsPerModeBenchmark) {
  ASSERT_TRUE(target_.ready());
  ASSERT_NE(nullptr, main_);
  RunScenario(10000);
}

}  // namespace
}  // namespace klvtest
