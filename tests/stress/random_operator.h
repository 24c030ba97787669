// The operator at random: from a seed, actions chosen among all an operator
// has, with arguments that keep every plan row on a target, each done and
// checked on the stage. The choices depend on the seed and the model only,
// so a seed replays the same actions. Actions by the real cursor pause a
// foreground run around them (stopped with F7, started again with F6): the
// run moves that cursor all the time.
#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "tests/stress/stress_actions.h"

namespace klvtest {

class RandomOperator {
 public:
  // Rows the operator adds or loads wait delayMs.
  RandomOperator(StressStage& stage, uint32_t seed, int delayMs);
  // Does that many actions, or fewer when a check fails: false then.
  bool Run(int actions);
  // The actions done so far, one a line, numbered.
  const std::string& log() const { return log_; }

 private:
  struct Action {
    const char* name;
    int weight;
    bool (*allowed)(const OperatorModel&);
    bool usesCursor;  // a foreground run is paused around it
    bool (RandomOperator::*perform)();
  };
  static const Action kActions[];

  const Action& Choose();
  bool Do(const Action& action);
  uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(random_() % bound); }
  bool Coin() { return Below(2) == 0; }
  int Target() { return static_cast<int>(Below(2)); }
  size_t AnyRow() { return Below(static_cast<uint32_t>(stage_.model().rows())); }
  POINT ClientPoint(int target);
  Fields NewFields();
  Fields FieldsToAdd();
  Fields WithSeparatorSometimes(Fields fields);
  Settings NewSettings(Mode mode);
  std::string TitleName(const std::string& title) const;
  void Note(const std::string& what);

  // The actions, each choosing its arguments.
  bool Add();
  bool Edit();
  bool Delete();
  bool PickBack();
  bool FireByButton();
  bool FireByMenu();
  bool LoadBackground();
  bool LoadForeground();
  bool LoadMissing();
  bool LoadDamaged();
  bool LoadAgain();
  bool Save();
  bool SwitchMode();
  bool SwitchButton();
  bool PickTitle();
  bool TypeTitle();
  bool Capture();
  bool StartByButton();
  bool StartByHotkey();
  bool StopByButton();
  bool StopByHotkey();
  bool HideAndShow();

  StressStage& stage_;
  std::mt19937 random_;
  // Its own stream, so that the actions a seed chose before typed fields
  // could hold a separator are chosen still.
  std::mt19937 separators_;
  int delayMs_;
  std::string log_;
  int done_ = 0;
};

}  // namespace klvtest
