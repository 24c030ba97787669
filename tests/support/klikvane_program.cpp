#include "tests/support/klikvane_program.h"

#include "image/program_constants.h"
#include "tests/support/program_window.h"
#include "tests/support/settings_text.h"

namespace klvtest {

KlikvaneProgram::KlikvaneProgram(const std::string& program)
    : settings_(SettingsFileIn(program.substr(0, program.find_last_of('\\')))),
      process_(std::make_unique<ChildProcess>(program, "")) {
  if (!process_->started()) return;
  HWND main = WaitForShownWindow(process_->id(), kProgramWindowTitle);
  if (!main) return;
  window_ = std::make_unique<KlikvaneWindow>(main, process_->id());
  if (!window_->StartButton() || !window_->StopButton() || !window_->LoadButton()) window_.reset();
}

KlikvaneProgram::~KlikvaneProgram() {
  if (window_) {
    if (Running()) Stop();
    PostMessageA(window_->main(), WM_CLOSE, 0, 0);
  }
  process_->Wait(10000);
  DeleteFileA(settings_.c_str());
}

void KlikvaneProgram::LoadPlan(const std::string& title, int rows, int delayMilliseconds, int x, int y,
                               bool background) {
  Plan plan;
  for (int row = 0; row < rows; ++row) {
    plan.push_back({std::to_string(x + row), std::to_string(y), std::to_string(delayMilliseconds), klv::kConstants.leftButton});
  }
  WriteWholeFile(settings_, FreshFile(background ? "1" : "0", title, plan));
  window_->Press(window_->LoadButton());
}

}  // namespace klvtest
