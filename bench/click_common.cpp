#include "bench/click_sections.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "runtime/app_runtime.h"

namespace klvbench {

namespace {

// Waits (sleeping, reading the target's log now and then) until the target
// has handled that many button-downs from the position on.
void AwaitDowns(size_t from, size_t count, double firstSleepMs) {
  Sleep(static_cast<DWORD>(firstSleepMs));
  for (int i = 0; i < 600 && Downs(klvtest::QueuedBetween(from)) < count; ++i) Sleep(100);
}

}  // namespace

double NowMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Spread SpreadOf(std::vector<double> values) {
  if (values.empty()) return {NAN, NAN, 0};
  std::sort(values.begin(), values.end());
  size_t rank99 = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(values.size()))) - 1;
  return {values[values.size() / 2], values[rank99], values.size()};
}

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

void RaiseTarget() {
  SetWindowPos(klvtest::Target().window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  klvtest::MarkTarget(120000);
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

void Serve(double milliseconds) {
  double end = NowMs() + milliseconds;
  for (double left = milliseconds; left > 0; left = end - NowMs()) {
    klv::ProcessPendingMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left) + 1, QS_ALLINPUT);
  }
}

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

double KlikvaneStepsPerSecond(KlikvaneProgram& klikvane, double seconds, bool picked) {
  klikvane.LoadPlan(klvtest::kTargetTitle, 10, 0);
  if (picked && !klikvane.PickListedWindow(klvtest::Target().window())) return NAN;
  return ClicksPerSecond([&] { klikvane.Start(); }, [&] { klikvane.Stop(); }, seconds);
}

}  // namespace klvbench
