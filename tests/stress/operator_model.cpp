#include "tests/stress/operator_model.h"

#include <cstdlib>
#include <sstream>
#include <utility>

namespace klvtest {
namespace {

const char kLeftText[] = "左键";
const char kRightText[] = "右键";

// A cell read as the runner reads it: leading blanks, a sign, then digits.
int CellNumber(const std::string& cell) { return std::atoi(cell.c_str()); }

}  // namespace

const char* ButtonText(Button button) { return button == Button::kLeft ? kLeftText : kRightText; }

Button ButtonOfCell(const std::string& cell) { return cell == kLeftText ? Button::kLeft : Button::kRight; }

std::string Describe(const Click& click) {
  std::ostringstream out;
  out << "target " << click.target << " (" << click.x << ", " << click.y << ") "
      << (click.button == Button::kLeft ? "left" : "right");
  return out.str();
}

std::string Describe(const std::vector<Click>& clicks) {
  std::string text;
  for (const Click& click : clicks) text += "  " + Describe(click) + "\n";
  return text;
}

std::string Describe(const Plan& plan) {
  std::string text;
  for (const PlanRow& row : plan) text += " " + row.x + "|" + row.y + "|" + row.delay + "|" + row.button;
  return text.empty() ? " none" : text;
}

// The fields typed here are ASCII, so any "|" is one of its own.
std::string OperatorModel::FieldsRefusal() const {
  const std::pair<const std::string*, const char*> named[] = {
      {&fields_.x, "坐标X"}, {&fields_.y, "坐标Y"}, {&fields_.delay, "延迟"}};
  for (const auto& [text, name] : named) {
    if (text->find('|') != std::string::npos) return std::string(name) + "中不能有“|”：配置文件用它分隔各列。计划没有改动。";
  }
  return "";
}

void OperatorModel::Add() {
  if (FieldsRefusal().empty()) plan_.push_back({fields_.x, fields_.y, fields_.delay, ButtonText(button_)});
}

void OperatorModel::Edit(size_t row) {
  if (FieldsRefusal().empty()) plan_.at(row) = {fields_.x, fields_.y, fields_.delay, ButtonText(button_)};
}

void OperatorModel::Delete(size_t row) { plan_.erase(plan_.begin() + static_cast<long>(row)); }

void OperatorModel::PickBack(size_t row) {
  const PlanRow& picked = plan_.at(row);
  fields_ = {picked.x, picked.y, picked.delay};
  button_ = ButtonOfCell(picked.button);
}

void OperatorModel::PickTitle(int target) {
  title_.text = targets_.at(static_cast<size_t>(target)).title;
  title_.picked = target;
}

void OperatorModel::TypeTitle(const std::string& text) {
  title_.text = text;
  title_.picked = kNoTarget;
}

// A background file makes the title box editable and fills in its title; a
// foreground file makes it a list again. A box built anew has no list items,
// so nothing picked, and a list shows no title then; a box left as it was
// keeps its pick (the item stays selected under a loaded title).
void OperatorModel::Load(const Settings& settings) {
  mode_ = settings.mode;
  const bool editable = settings.mode == Mode::kBackground;
  if (editable != title_.editable) title_ = {editable, "", kNoTarget};
  if (editable) title_.text = settings.title;
  plan_ = settings.rows;
}

void OperatorModel::CaptureOver(int target, int clientX, int clientY) {
  const ScreenBox& client = targets_.at(static_cast<size_t>(target)).client;
  const bool screen = mode_ == Mode::kForeground;
  fields_.x = std::to_string(screen ? client.left + clientX : clientX);
  fields_.y = std::to_string(screen ? client.top + clientY : clientY);
}

bool OperatorModel::Start() {
  if (running_) return false;
  if (plan_.empty()) return true;
  running_ = true;
  return false;
}

int OperatorModel::TitleTarget() const {
  if (title_.text.empty()) return kNoTarget;
  for (size_t i = 0; i < targets_.size(); ++i) {
    if (targets_[i].title == title_.text) return static_cast<int>(i);
  }
  return kNoTarget;
}

// Background: the client point of the given target. Foreground: the screen
// point, on whichever target's client area holds it (none: a plan that
// clicks beside the targets, which the test never builds).
Click OperatorModel::ClickOf(const PlanRow& row, int backgroundTarget) const {
  return ClickOf(row, mode_, backgroundTarget);
}

Click OperatorModel::ClickOf(const PlanRow& row, Mode mode, int backgroundTarget) const {
  Click click;
  click.x = CellNumber(row.x);
  click.y = CellNumber(row.y);
  click.button = button_;
  if (mode == Mode::kBackground) {
    click.target = backgroundTarget;
    return click;
  }
  for (size_t i = 0; i < targets_.size(); ++i) {
    const ScreenBox& box = targets_[i].client;
    if (!box.Contains(click.x, click.y)) continue;
    click.target = static_cast<int>(i);
    click.x -= box.left;
    click.y -= box.top;
    break;
  }
  return click;
}

std::vector<Click> OperatorModel::RunPass() const {
  std::vector<Click> pass;
  if (!running_) return pass;
  const int target = ShownTarget();
  if (mode_ == Mode::kBackground && target == kNoTarget) return pass;
  for (const PlanRow& row : plan_) pass.push_back(ClickOf(row, target));
  return pass;
}

// The picked target while it bears the shown title, otherwise the first
// with that title: where a run's step and the single step click.
int OperatorModel::ShownTarget() const {
  const int picked = title_.picked;
  if (picked != kNoTarget && targets_.at(static_cast<size_t>(picked)).title == title_.text) return picked;
  return TitleTarget();
}

// Fired once, a background click goes where a run's step would click then;
// with no target there it goes nowhere.
bool OperatorModel::SingleStep(size_t row, Click* click) const {
  const int target = ShownTarget();
  if (mode_ == Mode::kBackground && target == kNoTarget) return false;
  *click = ClickOf(plan_.at(row), target);
  return true;
}

std::vector<Click> OperatorModel::StraddlingClicks(const Plan& plan, Mode modeBefore) const {
  std::vector<Click> clicks;
  if (!running_) return clicks;
  const int target = ShownTarget();
  for (Mode mode : {mode_, modeBefore}) {
    if (mode == Mode::kBackground && target == kNoTarget) continue;
    for (const PlanRow& row : plan) clicks.push_back(ClickOf(row, mode, target));
  }
  return clicks;
}

std::string OperatorModel::Describe() const {
  std::ostringstream out;
  out << (mode_ == Mode::kForeground ? "foreground" : "background") << ", "
      << (button_ == Button::kLeft ? "left" : "right") << " button, " << (running_ ? "running" : "stopped")
      << ", title box " << (title_.editable ? "editable" : "list") << " \"" << title_.text << "\" (picked "
      << title_.picked << "), fields " << fields_.x << "|" << fields_.y << "|" << fields_.delay << ", plan:" << klvtest::Describe(plan_);
  return out.str();
}

}  // namespace klvtest
