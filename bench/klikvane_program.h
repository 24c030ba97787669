// The real Klikvane.exe as a child process, driven the way the benchmarks
// need: a plan loaded through its settings file and its "读取" button, runs
// started and stopped with its buttons.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "tests/support/child_process.h"

namespace klvbench {

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
  // After a load: drops the title list down (the program refills it) and
  // selects the item of that window, as the operator picks it; false when
  // the window is not listed.
  bool PickListedWindow(HWND window);
  // The buttons' own click handling (BM_CLICK); each returns when the
  // program has handled the click.
  void Start();
  void Stop();
  bool Running() const { return !IsWindowEnabled(start_); }
  HWND stopButton() const { return stop_; }
  HWND window() const { return window_; }
  DWORD processId() const { return process_->id(); }

 private:
  std::string settings_;
  std::unique_ptr<klvtest::ChildProcess> process_;
  HWND window_ = nullptr, start_ = nullptr, stop_ = nullptr, load_ = nullptr;
  HWND TitleCombo() const;
};

}  // namespace klvbench
