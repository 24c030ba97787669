// The real Klikvane.exe as a child process, a copy in a folder of its own,
// with the in-process program's hotkeys set aside so that it can take them.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "tests/pointing/pointing_support.h"
#include "tests/support/child_process.h"
#include "tests/support/debugged_klikvane.h"
#include "tests/support/klikvane_window.h"

namespace klvtest {

// A plan of one row in background mode with no target title: a run that
// clicks nothing.
constexpr char kHarmlessSettings[] =
    "[Configuration]\r\n前后台=1\r\n窗口标题=\r\n坐标个数=1\r\n[Coordinate]\r\n坐标1=5|5|40|左键\r\n";

inline bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

class KlikvaneProcess : public testing::Test {
 protected:
  // Starts a copy of Klikvane.exe in a folder of that name, with these
  // settings beside it (none when empty), from currentFolder (the program's
  // folder when empty); returns its main window once shown.
  HWND Start(const std::string& folderName, const std::string& settings, const std::string& currentFolder = "") {
    Prepare(folderName, settings);
    return Launch(currentFolder);
  }
  // The two halves of Start: the copy with its settings, then the start.
  void Prepare(const std::string& folderName, const std::string& settings) {
    app_ = std::make_unique<ProgramFolderCopy>(folderName);
    if (!settings.empty()) WriteWholeFile(app_->settingsFile(), settings);
  }
  HWND Launch(const std::string& currentFolder = "") {
    klikvane_.reset();
    klikvane_ =
        std::make_unique<DebuggedKlikvane>(app_->program(), currentFolder.empty() ? app_->folder() : currentFolder);
    return klikvane_->WaitForMainWindow();
  }

  ProgramHotkeysSetAside setAside_;  // the child takes the four keys
  std::unique_ptr<ProgramFolderCopy> app_;
  std::unique_ptr<DebuggedKlikvane> klikvane_;
};

}  // namespace klvtest
