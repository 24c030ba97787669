#include "tests/stress/random_operator.h"

#include <cstdlib>
#include <vector>

namespace klvtest {
namespace {

constexpr size_t kMostRows = 8;
constexpr size_t kMostLoadedRows = 5;
// Plan points keep this far from a target's client edges (the first rows
// of a target are kept free: a point there read as a screen point would lie
// on the first target's caption).
constexpr int kMargin = 10;
constexpr int kTopMargin = 30;
// One typed row in this many holds a column separator, which add and edit
// refuse.
constexpr uint32_t kSeparatorOdds = 8;
constexpr uint32_t kSeparatorStream = 0x7C7C7C7C;

// Typed fields as a row would hold them; fields holding a separator as
// three texts, since the row is refused.
std::string Shown(const Fields& fields) {
  if ((fields.x + fields.y + fields.delay).find('|') == std::string::npos) {
    return fields.x + "|" + fields.y + "|" + fields.delay;
  }
  return "\"" + fields.x + "\", \"" + fields.y + "\", \"" + fields.delay + "\" (a separator: refused)";
}

bool Always(const OperatorModel&) { return true; }
bool HasRows(const OperatorModel& m) { return m.rows() > 0; }
bool HasRoom(const OperatorModel& m) { return m.rows() < kMostRows; }
bool InBackground(const OperatorModel& m) { return m.mode() == Mode::kBackground; }
bool TitleTypable(const OperatorModel& m) { return InBackground(m) && m.title().editable; }
bool Stopped(const OperatorModel& m) { return !m.running(); }
bool Running(const OperatorModel& m) { return m.running(); }

}  // namespace

using O = RandomOperator;
const O::Action O::kActions[] = {
    {"add", 4, HasRoom, false, &O::Add},
    {"edit", 1, HasRows, true, &O::Edit},
    {"delete", 1, HasRows, true, &O::Delete},
    {"pick back", 1, HasRows, true, &O::PickBack},
    {"fire by button", 1, HasRows, true, &O::FireByButton},
    {"fire by menu", 1, HasRows, true, &O::FireByMenu},
    {"load background", 3, Always, false, &O::LoadBackground},
    {"load foreground", 2, Always, false, &O::LoadForeground},
    {"load missing", 1, Always, false, &O::LoadMissing},
    {"load damaged", 1, Always, false, &O::LoadDamaged},
    {"load again", 1, Always, false, &O::LoadAgain},
    {"save", 1, Always, false, &O::Save},
    {"switch mode", 2, Always, true, &O::SwitchMode},
    {"switch button", 1, Always, true, &O::SwitchButton},
    {"pick title", 3, InBackground, false, &O::PickTitle},
    {"type title", 1, TitleTypable, false, &O::TypeTitle},
    {"capture", 1, Always, true, &O::Capture},
    {"start by button", 3, Stopped, false, &O::StartByButton},
    {"start by F6", 3, Always, false, &O::StartByHotkey},
    {"stop by button", 1, Running, false, &O::StopByButton},
    {"stop by F7", 1, Running, false, &O::StopByHotkey},
    {"hide and show", 1, Always, false, &O::HideAndShow},
};

RandomOperator::RandomOperator(StressStage& stage, uint32_t seed, int delayMs)
    : stage_(stage), random_(seed), separators_(seed ^ kSeparatorStream), delayMs_(delayMs) {}

bool RandomOperator::Run(int actions) {
  for (int i = 0; i < actions; ++i) {
    if (!Do(Choose())) return false;
  }
  return true;
}

const RandomOperator::Action& RandomOperator::Choose() {
  const OperatorModel& model = stage_.model();
  uint32_t total = 0;
  for (const Action& action : kActions) total += action.allowed(model) ? action.weight : 0;
  uint32_t pick = Below(total);
  for (const Action& action : kActions) {
    if (!action.allowed(model)) continue;
    if (pick < static_cast<uint32_t>(action.weight)) return action;
    pick -= action.weight;
  }
  return kActions[0];
}

bool RandomOperator::Do(const Action& action) {
  const OperatorModel& model = stage_.model();
  const bool pause = action.usesCursor && model.mode() == Mode::kForeground && model.running();
  if (pause) {
    Note("pause: stop by F7");
    if (!Stop(stage_, true)) return false;
  }
  if (!(this->*action.perform)()) return false;
  if (!pause) return true;
  Note("pause over: start by F6");
  return Start(stage_, true);
}

void RandomOperator::Note(const std::string& what) {
  log_ += std::to_string(++done_) + ". " + what + "\n";
}

POINT RandomOperator::ClientPoint(int target) {
  const ScreenBox& box = stage_.model().targets()[static_cast<size_t>(target)].client;
  int x = kMargin + static_cast<int>(Below(static_cast<uint32_t>(box.right - box.left - 2 * kMargin)));
  int y = kTopMargin + static_cast<int>(Below(static_cast<uint32_t>(box.bottom - box.top - kTopMargin - kMargin)));
  return {x, y};
}

// A screen point on a target: read as a point in either target it lies
// within both too.
Fields RandomOperator::NewFields() {
  const int target = Target();
  const POINT client = ClientPoint(target);
  const ScreenBox& box = stage_.model().targets()[static_cast<size_t>(target)].client;
  return {std::to_string(box.left + client.x), std::to_string(box.top + client.y), std::to_string(delayMs_)};
}

// The fields as they are when they name a point on a target with the run's
// delay (after a capture or a pick), half of the time; else new ones.
Fields RandomOperator::FieldsToAdd() {
  const Fields& fields = stage_.model().fields();
  bool onTarget = false;
  for (const TargetPlace& target : stage_.model().targets()) {
    onTarget = onTarget || target.client.Contains(std::atoi(fields.x.c_str()), std::atoi(fields.y.c_str()));
  }
  if (onTarget && fields.delay == std::to_string(delayMs_) && Coin()) return fields;
  return NewFields();
}

// A "|" put at random into X, Y or the delay, now and then.
Fields RandomOperator::WithSeparatorSometimes(Fields fields) {
  if (separators_() % kSeparatorOdds != 0) return fields;
  std::string* const texts[] = {&fields.x, &fields.y, &fields.delay};
  std::string* text = texts[separators_() % 3];
  text->insert(separators_() % (text->size() + 1), "|");
  return fields;
}

Settings RandomOperator::NewSettings(Mode mode) {
  Settings settings;
  settings.mode = mode;
  const uint32_t title = Below(mode == Mode::kBackground ? 2 : 3);
  settings.title = title < 2 ? stage_.model().targets()[title].title : "";
  const uint32_t rows = 1 + Below(kMostLoadedRows);
  for (uint32_t i = 0; i < rows; ++i) {
    Fields fields = NewFields();
    settings.rows.push_back({fields.x, fields.y, fields.delay, ButtonText(Coin() ? Button::kLeft : Button::kRight)});
  }
  return settings;
}

std::string RandomOperator::TitleName(const std::string& title) const {
  const std::vector<TargetPlace>& targets = stage_.model().targets();
  for (size_t i = 0; i < targets.size(); ++i) {
    if (targets[i].title == title) return "target " + std::to_string(i);
  }
  return title.empty() ? "none" : "\"" + title + "\" (no window)";
}

bool RandomOperator::Add() {
  const Fields fields = WithSeparatorSometimes(FieldsToAdd());
  Note("add " + Shown(fields));
  return AddRow(stage_, fields);
}

bool RandomOperator::Edit() {
  const size_t row = AnyRow();
  const Fields fields = WithSeparatorSometimes(NewFields());
  Note("edit row " + std::to_string(row) + " to " + Shown(fields));
  return EditRow(stage_, row, fields);
}

bool RandomOperator::Delete() {
  const size_t row = AnyRow();
  Note("delete row " + std::to_string(row));
  return DeleteRow(stage_, row);
}

bool RandomOperator::PickBack() {
  const size_t row = AnyRow();
  Note("pick back row " + std::to_string(row));
  return PickRowBack(stage_, row);
}

bool RandomOperator::FireByButton() {
  const size_t row = AnyRow();
  Note("single step row " + std::to_string(row) + " by button");
  return FireRow(stage_, row, false);
}

bool RandomOperator::FireByMenu() {
  const size_t row = AnyRow();
  Note("single step row " + std::to_string(row) + " by menu");
  return FireRow(stage_, row, true);
}

bool RandomOperator::LoadBackground() {
  const Settings settings = NewSettings(Mode::kBackground);
  Note("load background file: title " + TitleName(settings.title) + ", rows" + Describe(settings.rows));
  return LoadFile(stage_, WholeFile(settings));
}

bool RandomOperator::LoadForeground() {
  const Settings settings = NewSettings(Mode::kForeground);
  Note("load foreground file: title " + TitleName(settings.title) + ", rows" + Describe(settings.rows));
  return LoadFile(stage_, WholeFile(settings));
}

bool RandomOperator::LoadMissing() {
  Note("load without a file");
  return LoadWithoutFile(stage_);
}

bool RandomOperator::LoadDamaged() {
  const uint32_t kind = Below(3);
  const Settings settings = NewSettings(Coin() ? Mode::kBackground : Mode::kForeground);
  const char* const names[3] = {"cut short", "with missing rows", "of garbage"};
  Note(std::string("load a damaged file, ") + names[kind] + ", of" + (kind == 2 ? " nothing" : Describe(settings.rows)));
  switch (kind) {
    case 0: return LoadFile(stage_, CutShortFile(settings));
    case 1: return LoadFile(stage_, MissingRowsFile(settings));
    default: return LoadFile(stage_, GarbageFile(random_()));
  }
}

bool RandomOperator::LoadAgain() {
  Note("load the file as it is");
  return klvtest::LoadAgain(stage_);
}

bool RandomOperator::Save() {
  Note("save");
  return klvtest::Save(stage_);
}

bool RandomOperator::SwitchMode() {
  const Mode mode = stage_.model().mode() == Mode::kForeground ? Mode::kBackground : Mode::kForeground;
  Note(mode == Mode::kBackground ? "choose background mode" : "choose foreground mode");
  return ChooseMode(stage_, mode);
}

bool RandomOperator::SwitchButton() {
  const Button button = stage_.model().button() == Button::kLeft ? Button::kRight : Button::kLeft;
  Note(button == Button::kLeft ? "choose the left button" : "choose the right button");
  return ChooseButton(stage_, button);
}

bool RandomOperator::PickTitle() {
  const int target = Target();
  Note("pick the title of target " + std::to_string(target) + " from the list");
  return klvtest::PickTitle(stage_, target);
}

bool RandomOperator::TypeTitle() {
  const std::string title = Coin() ? stage_.model().targets()[1].title : kTitleOfNoWindow;
  Note("type the title " + TitleName(title));
  return klvtest::TypeTitle(stage_, title);
}

bool RandomOperator::Capture() {
  const int target = Target();
  const POINT client = ClientPoint(target);
  Note("capture over target " + std::to_string(target) + " at " + std::to_string(client.x) + ", " +
       std::to_string(client.y));
  return klvtest::Capture(stage_, target, client);
}

bool RandomOperator::StartByButton() {
  Note("start by button");
  return Start(stage_, false);
}

bool RandomOperator::StartByHotkey() {
  Note("start by F6");
  return Start(stage_, true);
}

bool RandomOperator::StopByButton() {
  Note("stop by button");
  return Stop(stage_, false);
}

bool RandomOperator::StopByHotkey() {
  Note("stop by F7");
  return Stop(stage_, true);
}

bool RandomOperator::HideAndShow() {
  Note("minimise to the tray and show again");
  return MinimiseAndRestore(stage_);
}

}  // namespace klvtest
