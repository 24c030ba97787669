// The stress test's own account of what the operator has done to Klikvane,
// and the clicks that account predicts at the recording targets. Pure logic:
// it is told where the targets lie and never asks Klikvane anything.
#pragma once

#include <string>
#include <vector>

#include "tests/support/settings_text.h"

namespace klvtest {

enum class Mode { kForeground, kBackground };
enum class Button { kLeft, kRight };

// The button cell's text for a button, and the button a cell's text picks
// back (anything but the left button's text is the right button).
const char* ButtonText(Button button);
Button ButtonOfCell(const std::string& cell);

// What a load takes from a settings file.
struct Settings {
  Mode mode = Mode::kForeground;
  std::string title;
  Plan rows;
};

// The X, Y and delay fields.
struct Fields {
  std::string x, y, delay;
};

struct ScreenBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// A recording target: its title and its client area on the screen.
struct TargetPlace {
  std::string title;
  ScreenBox client;
};

constexpr int kNoTarget = -1;

// A click as a target gets it: at a client point, with a button.
struct Click {
  int target = kNoTarget;
  int x = 0, y = 0;
  Button button = Button::kLeft;
  bool operator==(const Click& o) const {
    return target == o.target && x == o.x && y == o.y && button == o.button;
  }
};
std::string Describe(const Click& click);
std::string Describe(const std::vector<Click>& clicks);
// The rows as " x|y|delay|button" each, or " none".
std::string Describe(const Plan& plan);

// The title box: a drop-down list at first, an editable box after a
// background-mode load, a list again after a foreground-mode load. A load
// that changes its kind builds it anew, without the items of its list.
struct TitleBox {
  bool editable = false;
  std::string text;
  int picked = kNoTarget;  // the target whose list item is selected
};

class OperatorModel {
 public:
  explicit OperatorModel(std::vector<TargetPlace> targets) : targets_(std::move(targets)) {}

  void SetFields(const Fields& fields) { fields_ = fields; }
  // The box add and edit show instead of taking the fields when a typed
  // field holds the column separator; empty when they take them.
  std::string FieldsRefusal() const;
  // Both change nothing when the fields are refused.
  void Add();
  void Edit(size_t row);
  void Delete(size_t row);
  void PickBack(size_t row);
  void ChooseMode(Mode mode) { mode_ = mode; }
  void ChooseButton(Button button) { button_ = button; }
  void PickTitle(int target);
  void TypeTitle(const std::string& text);
  void Load(const Settings& settings);
  Settings Save() const { return {mode_, title_.text, plan_}; }
  // Control+1 with the cursor over a target's client point.
  void CaptureOver(int target, int clientX, int clientY);
  // Starting with an empty plan shows a box and starts nothing: returns
  // whether the box shows.
  bool Start();
  void Stop() { running_ = false; }

  // The clicks of one pass of the run, in order; empty when the run clicks
  // nothing (stopped, no rows, or no window with the title).
  std::vector<Click> RunPass() const;
  // The click that firing the row once gives; false when it gives none.
  bool SingleStep(size_t row, Click* click) const;
  // The clicks of a step that read its row from that plan and the mode and
  // the title as they are now (or the mode as it was: the runner reads the
  // mode before the title): the rows of a run's pass before an action.
  std::vector<Click> StraddlingClicks(const Plan& plan, Mode modeBefore) const;

  Mode mode() const { return mode_; }
  Button button() const { return button_; }
  bool running() const { return running_; }
  size_t rows() const { return plan_.size(); }
  const Plan& plan() const { return plan_; }
  const TitleBox& title() const { return title_; }
  const Fields& fields() const { return fields_; }
  const std::vector<TargetPlace>& targets() const { return targets_; }
  std::string Describe() const;

 private:
  int TitleTarget() const;
  int ShownTarget() const;
  Click ClickOf(const PlanRow& row, int backgroundTarget) const;
  Click ClickOf(const PlanRow& row, Mode mode, int backgroundTarget) const;

  std::vector<TargetPlace> targets_;
  Mode mode_ = Mode::kForeground;
  Button button_ = Button::kLeft;
  TitleBox title_;
  Plan plan_;
  Fields fields_ = {"", "", "1000"};
  bool running_ = false;
};

}  // namespace klvtest
