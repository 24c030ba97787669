// Shared by the settings tests: the settings file beside the test program,
// kept aside and removed around each test; the plan as the real list view
// holds it; saving and loading through the buttons' bound click events; and
// a separate Klikvane.exe's window.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/klikvane_window.h"
#include "tests/support/recorded_boxes.h"
#include "tests/support/settings_text.h"

namespace klvtest {

void PrintTo(const PlanRow& row, std::ostream* out);

// Keeps a file's bytes aside while it lives and removes the file; at the end
// the bytes are put back, or the file removed again when there was none.
class KeptFile {
 public:
  explicit KeptFile(std::string path);
  ~KeptFile();
  KeptFile(const KeptFile&) = delete;
  KeptFile& operator=(const KeptFile&) = delete;

 private:
  std::string path_;
  bool existed_;
  std::string bytes_;
};

bool FileThere(const std::string& path);

// The built Klikvane.exe beside the test programs' folder, and the settings
// file beside it (full paths), for a separate Klikvane.
std::string BuiltProgram();
std::string BuiltProgramSettings();
// The shown main window of a separate Klikvane, waited for while this
// thread's messages are served; null on time-out.
std::unique_ptr<KlikvaneWindow> WaitForOtherKlikvane(DWORD processId, DWORD milliseconds);

// The rows of a list view, read with list-view messages (this process).
Plan PlanInList(HWND list);
Plan CurrentPlan();
// Replaces the plan through the report list's commands, cell by cell, so
// that any text (an empty cell, a separator) can stand in it.
void PutPlan(const Plan& plan);

// Raises the click event of ButtonSave or ButtonLoad as the button does.
void PressSave();
void PressLoad();

// The system's text for an error code, without its final line break, as
// the program's boxes give it.
std::string SystemReason(DWORD error);

// Bytes as a readable literal in failure messages: line ends shown as \r
// and \n, other bytes outside printable ASCII as \xHH.
std::string Shown(const std::string& bytes);

// A box of this process with the caption "信息：", found from another thread
// while the program waits in it: its text, buttons and icon are read, then
// it is dismissed.
struct SeenBox {
  bool found = false;
  std::string text;
  int buttons = 0;
  int icons = 0;
  bool topmost = false;
};
std::thread WatchForTheBox(SeenBox* seen);


// Each test starts with no settings file, an empty plan, the click mode
// "前台点击" and an empty, editable title field; the file that was there
// before comes back afterwards.
class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string FileBytes() const;
  void WriteFile(const std::string& bytes) const;
  std::string ModeText() const;
  std::string TitleText() const;
  // Makes the title field editable and puts the text in it.
  void SetTitle(const std::string& title) const;
  void SelectMode(int item) const;

 private:
  std::unique_ptr<KeptFile> kept_;
};

}  // namespace klvtest
