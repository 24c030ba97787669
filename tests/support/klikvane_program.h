// The real Klikvane.exe as a child process, driven the way the benchmarks
// need: a plan loaded through its settings file and its "读取" button, runs
// started and stopped with its buttons, the window worked by the shared
// driver.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/klikvane_window.h"

namespace klvtest {

class KlikvaneProgram {
 public:
  // program: the path of Klikvane.exe; its settings file lies beside it.
  explicit KlikvaneProgram(const std::string& program);
  ~KlikvaneProgram();
  KlikvaneProgram(const KlikvaneProgram&) = delete;
  KlikvaneProgram& operator=(const KlikvaneProgram&) = delete;

  bool ready() const { return window_ != nullptr; }
  // Background mode aimed at the title (GBK), or foreground mode, rows rows
  // at (x + row, y) with the delay, loaded through the settings file.
  void LoadPlan(const std::string& title, int rows, int delayMilliseconds, int x = 10, int y = 20,
                bool background = true);
  // After a load: the item of that window selected in the title list, as
  // the operator picks it; false when the window is not listed.
  bool PickListedWindow(HWND window) { return window_->SelectTitleOf(window); }
  // The buttons' own click handling; each returns when the program has
  // handled the click.
  void Start() { window_->Press(window_->StartButton()); }
  void Stop() { window_->Press(window_->StopButton()); }
  bool Running() const { return window_->Running(); }
  HWND stopButton() const { return window_->StopButton(); }
  HWND window() const { return window_->main(); }
  DWORD processId() const { return process_->id(); }

 private:
  std::string settings_;
  std::unique_ptr<ChildProcess> process_;
  std::unique_ptr<KlikvaneWindow> window_;
};

}  // namespace klvtest
