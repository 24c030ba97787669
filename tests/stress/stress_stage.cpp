#include "tests/stress/stress_stage.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <sstream>
#include <thread>

#include "tests/stress/click_judge.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/program_window.h"
#include "tests/support/ui_driver.h"

namespace klvtest {

const char kEmptyPlanBox[] = "一个坐标都没有怎么点击？";
const char kNoSettingsBox[] = "你确定你之前有保存过配置？";
const char kTitleOfNoWindow[] = "stress target x";

namespace {

const char kTitleA[] = "压力测试目标甲";
const char kTitleB[] = "stress target b";
const char kErrorCaption[] = "错误";
const POINT kKlikvanePlace = {660, 40};
// Off the screen's corner: a foreground row past a shortened plan's end
// clicks at the screen point (0, 0), which must hit no window of the test
// (on a target's frame it would start moving or sizing it).
const POINT kTargetPlaces[2] = {{20, 20}, {20, 320}};
// Bounds on a hang, not timings: an action ends, the window shows its
// result and the run's clicks come within them on the most loaded machine.
constexpr DWORD kActionBound = 10000;
constexpr DWORD kShownBound = 5000;
constexpr DWORD kClicksBound = 15000;
// A busy target may take a foreground run's clicks long after they were made.
constexpr DWORD kDrainBound = 60000;
// Targets that took only clicks made before an action for this long are
// behind a foreground run: it pauses until they have caught up.
constexpr DWORD kLagBound = 2000;
// A stopped run has stopped when no click came for this long.
constexpr DWORD kQuietMs = 300;

ScreenBox ClientBox(const ClickTarget& target) {
  RECT client;
  GetClientRect(target.window(), &client);
  POINT origin = target.clientOrigin();
  return {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
}

// How many clicks of the run a target must get after an action: two passes,
// at least four, at most 24.
size_t ClicksNeeded(size_t pass) { return std::min<size_t>(24, std::max<size_t>(4, 2 * pass)); }

// BM_CLICK sent from a thread of its own: a handler that shows a box does
// not return before the box is closed.
class ButtonPress {
 public:
  explicit ButtonPress(HWND button)
      : thread_([this, button] {
          DWORD_PTR answer = 0;
          SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &answer);
          done_ = true;
        }) {}
  ~ButtonPress() { thread_.join(); }
  ButtonPress(const ButtonPress&) = delete;
  ButtonPress& operator=(const ButtonPress&) = delete;
  bool done() const { return done_; }

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

std::string Difference(const ShownState& shown, const OperatorModel& model, HWND pickedWindow) {
  std::ostringstream out;
  auto expect = [&out](bool same, const std::string& what) {
    if (!same) out << what << "; ";
  };
  const TitleBox& title = model.title();
  expect(shown.modeItem == (model.mode() == Mode::kBackground ? 1 : 0), "mode item " + std::to_string(shown.modeItem));
  expect(shown.buttonItem == (model.button() == Button::kRight ? 1 : 0),
         "button item " + std::to_string(shown.buttonItem));
  expect(shown.titleEditable == title.editable, shown.titleEditable ? "title box editable" : "title box a list");
  expect(shown.titleEnabled == (model.mode() == Mode::kBackground),
         shown.titleEnabled ? "title box enabled" : "title box disabled");
  expect(shown.title == title.text, "title \"" + shown.title + "\"");
  expect(shown.titleItemWindow == pickedWindow, shown.titleItemWindow ? "a title item selected" : "no title item selected");
  const Fields& fields = model.fields();
  expect(shown.x == fields.x && shown.y == fields.y && shown.delay == fields.delay,
         "fields " + shown.x + "|" + shown.y + "|" + shown.delay);
  expect(shown.plan == model.plan(), "plan" + Describe(shown.plan));
  expect(shown.running == model.running(), shown.running ? "running" : "stopped");
  return out.str();
}

// Where the clicks stop fitting: the shortest beginning of them that does
// not fit (fitting only grows shorter as clicks come), or all of them.
size_t FirstMisfit(const std::vector<Click>& seen, const Expectation& expected) {
  size_t fits = 0, misfits = seen.size() + 1;
  while (misfits - fits > 1) {
    size_t middle = (fits + misfits) / 2;
    bool fit = Judge(std::vector<Click>(seen.begin(), seen.begin() + static_cast<long>(middle)), expected).fits;
    (fit ? fits : misfits) = middle;
  }
  return fits;
}

std::string ClicksReport(const std::vector<Click>& seen, const Expectation& expected) {
  std::ostringstream out;
  out << "    expected before the action, one pass:\n" << Describe(expected.before)
      << "    expected after it, one pass:\n" << Describe(expected.after);
  if (expected.hasStep) out << "    and once: " << Describe(expected.step) << "\n";
  const size_t misfit = FirstMisfit(seen, expected);
  const size_t from = misfit > 20 ? misfit - 20 : 0, to = std::min(seen.size(), misfit + 10);
  out << "    seen (" << seen.size() << "), from click " << from + 1 << " on"
      << (misfit < seen.size() ? "; click " + std::to_string(misfit + 1) + " does not fit" : "") << ":\n";
  for (size_t i = from; i < to; ++i) out << (i == misfit ? "  > " : "    ") << Describe(seen[i]) << "\n";
  return out.str();
}

std::string WindowName(HWND window) {
  if (window == nullptr) return "none";
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return std::string(className) + " \"" + ShownText(window) + "\" of process " + std::to_string(process);
}

std::string ThreadState(DWORD thread) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(thread, &gui);
  return "capture " + WindowName(gui.hwndCapture) + ", menu owner " + WindowName(gui.hwndMenuOwner) +
         ", move or size " + WindowName(gui.hwndMoveSize) + ", flags " + std::to_string(gui.flags);
}

// Where real input goes now, and whether the targets answer: what a run in
// foreground mode whose clicks do not come may be clicking instead.
std::string InputState(const std::vector<HWND>& targets) {
  std::ostringstream out;
  out << "  cursor at";
  for (int i = 0; i < 5; ++i, Sleep(50)) {
    POINT cursor;
    GetCursorPos(&cursor);
    out << " " << cursor.x << "," << cursor.y;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  out << " over " << WindowName(WindowFromPoint(cursor)) << "\n  foreground " << WindowName(GetForegroundWindow())
      << ": " << ThreadState(0) << "\n";
  for (HWND target : targets) {
    DWORD_PTR answer = 0;
    const bool answers = SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer) != 0;
    out << "  " << WindowName(target) << (answers ? " answers" : " does not answer") << ": "
        << ThreadState(GetWindowThreadProcessId(target, nullptr)) << "\n";
  }
  return out.str();
}

}  // namespace

StressStage::StressStage(const std::string& name) {
  // Neither is activated by a click: a foreground run would hand the
  // keyboard from one to the other all the time.
  const char* const titles[2] = {kTitleA, kTitleB};
  for (int t = 0; t < 2; ++t) {
    targets_[t] = std::make_unique<ClickTarget>(titles[t], kTargetPlaces[t].x, kTargetPlaces[t].y, 320, 260,
                                                /*withChildren=*/false, /*hung=*/false, Awareness::kProcessDefault,
                                                /*activatedByClicks=*/false);
  }
  folder_ = std::make_unique<ProgramFolderCopy>(name);
  settingsFile_ = folder_->settingsFile();
  program_ = std::make_unique<DebuggedKlikvane>(folder_->program(), folder_->folder());
  HWND main = program_->WaitForMainWindow();
  if (!targets_[0]->ready() || !targets_[1]->ready() || main == nullptr) {
    failure_ = "the targets or Klikvane did not show";
    return;
  }
  SetWindowPos(main, nullptr, kKlikvanePlace.x, kKlikvanePlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  window_ = std::make_unique<KlikvaneWindow>(main, program_->id());
  window_->ParkCursor();
  model_ = std::make_unique<OperatorModel>(std::vector<TargetPlace>{{kTitleA, ClientBox(*targets_[0])},
                                                                    {kTitleB, ClientBox(*targets_[1])}});
  watch_ = std::make_unique<TargetWatch>(std::vector<const ClickTarget*>{targets_[0].get(), targets_[1].get()});
}

void StressStage::Begin() {
  before_ = model_->RunPass();
  planBefore_ = model_->running() ? model_->plan() : Plan{};
  modeBefore_ = model_->mode();
  watch_->Mark();
}

bool StressStage::Fail(const std::string& what) {
  if (failure_.empty()) failure_ = what + "\n  model: " + (model_ ? model_->Describe() : "");
  return false;
}

bool StressStage::Ended() {
  const DWORD code = program_->WaitForExit(0);
  if (code == STILL_ACTIVE) return false;
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08lX", static_cast<unsigned long>(code));
  return !Fail(std::string("Klikvane has ended, exit code 0x") + hex);
}

bool StressStage::AliveWithoutBox() {
  if (Ended()) return false;
  HWND box = ShownMessageBox(program_->id());
  if (box == nullptr) return true;
  std::string caption = ShownText(box), text = MessageBoxText(box);
  if (caption == kErrorCaption) return Fail("the runtime-error box shows: \"" + text + "\"");
  return Fail("a box shows that the model does not expect, \"" + caption + "\": \"" + text + "\"");
}

bool StressStage::Press(HWND button, const char* expected) {
  ButtonPress press(button);
  return TakeBox(expected, [&press] { return press.done(); });
}

bool StressStage::TakeBox(const char* expected, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  bool taken = expected == nullptr;
  while (!(taken && done())) {
    if (Ended()) return false;
    HWND box = ShownMessageBox(program_->id());
    if (box != nullptr) {
      if (taken || ShownText(box) == kErrorCaption || MessageBoxText(box) != expected) return AliveWithoutBox();
      DismissMessageBox(box);
      taken = PumpUntil([box] { return !IsWindowVisible(box); }, kShownBound);
      if (!taken) return Fail(std::string("the box \"") + expected + "\" did not close");
      continue;
    }
    if (GetTickCount() - start > kActionBound) {
      return Fail(taken ? "the action did not end" : std::string("the box \"") + expected + "\" did not show");
    }
    Pump(10);
  }
  return true;
}

// The run clicked in foreground mode before the action and does not now
// (stopped, or clicking in background mode).
bool StressStage::ForegroundClicksEnded() const {
  return modeBefore_ == Mode::kForeground && !before_.empty() && (model_->mode() == Mode::kBackground || !model_->running());
}

// Once foreground clicks have ended: waits until the targets have taken
// every click the run made (when it no longer clicks at all) and the cursor
// stays where it is put. Under Wine the targets take a foreground run's
// clicks late, and until they have, the cursor is set back to the places of
// earlier clicks now and then, where the next foreground click would land.
bool StressStage::SettleAfterForegroundClicks() {
  unsigned long long presses = 0;
  DWORD stillSince = GetTickCount();
  bool settled = model_->running() || PumpUntil(
      [&] {
        watch_->Update();
        if (watch_->PressesTaken() != presses) {
          presses = watch_->PressesTaken();
          stillSince = GetTickCount();
        }
        return GetTickCount() - stillSince >= kQuietMs;
      },
      kDrainBound);
  if (!settled) return Fail("the targets went on taking clicks after the foreground run stopped");
  return window_->ParkCursor() || Fail("the cursor did not come to rest after the foreground run");
}

bool StressStage::Check(std::optional<size_t> stepRow) {
  if (!AliveWithoutBox()) return false;
  const int picked = model_->title().picked;
  HWND pickedWindow = picked == kNoTarget ? nullptr : TargetWindow(picked);
  std::string difference;
  bool shows = PumpUntil(
      [&] {
        difference = Difference(window_->Shown(), *model_, pickedWindow);
        return difference.empty() || ShownMessageBox(program_->id()) != nullptr;
      },
      kShownBound);
  if (!AliveWithoutBox()) return false;
  if (!shows) return Fail("the window does not show what the model holds: " + difference);
  if (!ClicksFollowModel(stepRow) || !AliveWithoutBox()) return false;
  return !ForegroundClicksEnded() || SettleAfterForegroundClicks();
}

std::vector<Expectation> StressStage::Expectations(std::optional<size_t> stepRow) const {
  const std::vector<Click> after = model_->RunPass();
  Click step;
  const bool stepped = stepRow && model_->SingleStep(*stepRow, &step);
  const bool ordered = modeBefore_ == Mode::kBackground && model_->mode() == Mode::kBackground;
  const std::vector<Click> straddling = model_->StraddlingClicks(planBefore_, modeBefore_);
  std::vector<Expectation> expected;
  for (int t = 0; t < 2; ++t) {
    expected.push_back({ClicksAt(before_, t), ClicksAt(after, t), stepped && step.target == t, step,
                        !model_->running(), ordered, ClicksAt(straddling, t)});
  }
  return expected;
}

// False when some target's clicks do not fit; *done once the targets have
// had what they must have: in order, each its share of the run's clicks;
// by place, all of them together (a click may land on another target).
bool StressStage::JudgeTargets(const std::vector<Expectation>& expected, bool* done) {
  *done = true;
  size_t afterClicks = 0, afterPass = 0;
  for (int t = 0; t < 2; ++t) {
    const Expectation& e = expected[t];
    Judgement judged = Judge(watch_->ClicksAt(t), e);
    if (!judged.fits) {
      return Fail("the clicks at target " + std::to_string(t) + " do not follow the model:\n" +
                  ClicksReport(watch_->ClicksAt(t), e));
    }
    *done = *done && (!e.hasStep || !e.stepMustShow || judged.stepSeen);
    if (e.ordered) *done = *done && (e.after.empty() || judged.afterClicks >= ClicksNeeded(e.after.size()));
    afterClicks += judged.afterClicks;
    afterPass += e.after.size();
  }
  if (!expected[0].ordered) *done = *done && (afterPass == 0 || afterClicks >= ClicksNeeded(afterPass));
  return true;
}

// A foreground run at delay 0 clicks faster than the targets take clicks:
// their backlog grows, and the clicks made since the action come only once
// the run has paused. Lagging: for a while the targets have taken only
// clicks made before the action.
bool StressStage::Lagging(DWORD waitStart) const {
  return model_->mode() == Mode::kForeground && model_->running() && GetTickCount() - waitStart > kLagBound &&
         watch_->LastPressBeforeMark() > 0;
}

// By the buttons, which work with the window hidden too.
bool StressStage::PauseForBacklog() {
  return Press(window_->StopButton()) || Fail("the stop button did not stop the run to let the targets catch up");
}

bool StressStage::ResumeAfterBacklog() {
  return Press(window_->StartButton()) || Fail("the start button did not start the run again after the targets caught up");
}

// Waits until every target has had what the model expects; with no run
// clicking, until no click came for a while.
bool StressStage::ClicksFollowModel(std::optional<size_t> stepRow) {
  const std::vector<Expectation> expected = Expectations(stepRow);
  const bool runClicks = !model_->RunPass().empty();
  DWORD start = GetTickCount();
  DWORD lastChange = start, lastTaken = start;
  bool paused = false;
  size_t lastTotal = 0;
  unsigned long long taken = watch_->PressesTaken();
  const unsigned long long pressesAtStart = taken;
  for (bool done = false;; Pump(10)) {
    if (!AliveWithoutBox()) return false;
    watch_->Update();
    if (!JudgeTargets(expected, &done)) return false;
    if (watch_->TotalClicks() != lastTotal) {
      lastTotal = watch_->TotalClicks();
      lastChange = GetTickCount();
    }
    // A target still taking a backlog of earlier foreground clicks takes
    // the newer ones after it: the bound counts from its last press.
    if (watch_->PressesTaken() != taken) {
      taken = watch_->PressesTaken();
      lastTaken = GetTickCount();
    }
    if (done && runClicks) return !paused || ResumeAfterBacklog();
    if (!paused && Lagging(start)) {
      if (!PauseForBacklog()) return false;
      paused = true;
      start = lastTaken = GetTickCount();
    }
    if (done && GetTickCount() - lastChange >= kQuietMs) return true;
    if (GetTickCount() - lastTaken > kClicksBound || GetTickCount() - start > kDrainBound) break;
  }
  std::string report;
  for (int t = 0; t < 2; ++t) report += "  target " + std::to_string(t) + ":\n" + ClicksReport(watch_->ClicksAt(t), expected[t]);
  return Fail("the clicks the model expects did not come, or clicks went on:\n" + report + InputState({TargetWindow(0), TargetWindow(1)}) +
              "  presses taken while waiting: " + std::to_string(watch_->PressesTaken() - pressesAtStart) +
              ", the last made " + std::to_string(watch_->LastPressBeforeMark()) + " ms before the action\n");
}

}  // namespace klvtest
