// The stage of a stress run: Klikvane.exe started from a folder of its own
// and moved to the right of the screen, two recording targets on the left
// (every plan row lies on one of them, read as a screen point or as a point
// in either target), and the model of what the operator did. After every
// action, Check looks at what Klikvane made of it from outside: the process
// lives and shows no box, its window shows what the model holds, and the
// next clicks at the targets follow the model.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "tests/stress/click_judge.h"
#include "tests/stress/operator_model.h"
#include "tests/stress/target_watch.h"
#include "tests/support/debugged_klikvane.h"
#include "tests/support/klikvane_window.h"
#include "tests/support/recording_target.h"

namespace klvtest {

// The operator boxes' texts.
extern const char kEmptyPlanBox[];
extern const char kNoSettingsBox[];
// A title no window has.
extern const char kTitleOfNoWindow[];

class StressStage {
 public:
  explicit StressStage(const std::string& name);
  StressStage(const StressStage&) = delete;
  StressStage& operator=(const StressStage&) = delete;

  bool ready() const { return failure_.empty(); }
  const std::string& failure() const { return failure_; }
  bool Fail(const std::string& what);

  KlikvaneWindow& window() { return *window_; }
  OperatorModel& model() { return *model_; }
  HWND TargetWindow(int target) const { return targets_[target]->window(); }
  TargetWatch& watch() { return *watch_; }
  const std::string& settingsFile() const { return settingsFile_; }
  // What a load of the file beside Klikvane gives; empty: there is none.
  std::optional<Settings>& fileGives() { return fileGives_; }

  // Before an action: keeps what the run clicks before it, and marks the
  // targets' logs; what they get from here on is the action's to explain.
  void Begin();
  // Presses the button with BM_CLICK, and takes the box it must show (none
  // when expected is null).
  bool Press(HWND button, const char* expected = nullptr);
  // Waits until done() and, when one is expected, the box has shown; the box
  // is read and closed. Fails on any other box.
  bool TakeBox(const char* expected, const std::function<bool()>& done);
  // After the action; stepRow names the row it fired once, if any.
  bool Check(std::optional<size_t> stepRow = std::nullopt);


 private:
  // Whether Klikvane has ended (a failure, with its exit code).
  bool Ended();
  bool AliveWithoutBox();
  std::string DifferenceFromModel();
  std::vector<Expectation> Expectations(std::optional<size_t> stepRow) const;
  bool JudgeTargets(const std::vector<Expectation>& expected, bool* done);
  bool ClicksFollowModel(std::optional<size_t> stepRow);
  bool Lagging(DWORD waitStart) const;
  // The run stopped while the targets catch up with it, started after it.
  bool PauseForBacklog();
  bool ResumeAfterBacklog();
  bool ForegroundClicksEnded() const;
  bool SettleAfterForegroundClicks();

  std::unique_ptr<ClickTarget> targets_[2];
  std::unique_ptr<ProgramFolderCopy> folder_;
  std::unique_ptr<DebuggedKlikvane> program_;
  std::unique_ptr<KlikvaneWindow> window_;
  std::unique_ptr<OperatorModel> model_;
  std::unique_ptr<TargetWatch> watch_;
  std::string settingsFile_;
  std::optional<Settings> fileGives_;
  std::vector<Click> before_;
  Plan planBefore_;  // the plan a running run read before the action
  Mode modeBefore_ = Mode::kForeground;
  std::string failure_;
};

}  // namespace klvtest
