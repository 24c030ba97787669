// Saves cut short: a separate Klikvane.exe holding a 10,000-row plan saves
// it over a 10-row plan and is killed at 200 pseudo-random moments around
// the save. Every time the file holds exactly the old plan or exactly the
// new one, and no file of a cut save is left after the next whole save.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "tests/settings/settings_harness.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

constexpr DWORD kPatience = 60000;
// Each kill costs a Klikvane start and a 10,000-row load (about 1.4 s here).
constexpr int kKills = 200;

Plan PlanOf(int rows, int seed) {
  Plan plan;
  for (int row = 0; row < rows; ++row) {
    plan.push_back({std::to_string(row + seed), std::to_string(row % 300), std::to_string(10 + row % 90),
                    row % 2 ? "右键" : "左键"});
  }
  return plan;
}

size_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

// KLIKVANE_SAVE_KILLS sets another number of kills.
int Kills() {
  const char* wanted = std::getenv("KLIKVANE_SAVE_KILLS");
  return wanted && std::atoi(wanted) > 0 ? std::atoi(wanted) : kKills;
}

// A Klikvane.exe with the new plan loaded into its shown window.
class Saver {
 public:
  Saver(const std::string& program, const std::string& settings, const std::string& newFile)
      : child_(program, ""), settings_(settings) {
    WriteWholeFile(settings, newFile);
    if (!child_.started() || !(other_ = WaitForOtherKlikvane(child_.id(), kPatience))) return;
    if (HWND load = other_->LoadButton()) other_->PostPress(load);
    ready_ = PumpUntil([this] { return other_->RowCount() == 10000; }, kPatience);
  }
  bool ready() const { return ready_; }
  // Saves; the program is killed after the given time (counted from the
  // moment the file written first shows, when one is named), or left to
  // finish and closed when the time is INFINITE.
  void SaveAndKillAfter(DWORD milliseconds, const std::string& waitFor = "") {
    const size_t oldSize = FileSize(settings_);
    other_->PostPress(other_->SaveButton());
    if (milliseconds == INFINITE) {
      PostMessageA(other_->main(), WM_CLOSE, 0, 0);
      child_.Wait(kPatience);
      return;
    }
    // The file written first may come and go between two looks: a settings
    // file of another size means the save is over.
    for (DWORD waited = 0; !waitFor.empty() && !FileThere(waitFor) && waited < kPatience; ++waited) {
      if (FileSize(settings_) != oldSize) break;
      Sleep(1);
    }
    Sleep(milliseconds);
    child_.Kill();
  }

 private:
  ChildProcess child_;
  std::unique_ptr<KlikvaneWindow> other_;
  std::string settings_;
  bool ready_ = false;
};

TEST(InterruptedSave, TheFileHoldsTheOldOrTheNewPlanWheneverTheSaveIsCut) {
  const std::string program = BuiltProgram();
  const std::string settings = BuiltProgramSettings();
  const std::string saving = settings + ".saving";
  KeptFile kept(settings);
  const std::string oldFile = FreshFile("0", "", PlanOf(10, 5));
  // Saved over the ten-row file, the new plan's keys replace the ten rows'
  // in place and the rest follow: the file is the fresh file of the plan.
  const std::string newFile = FreshFile("1", "目标", PlanOf(10000, 0));

  // One whole save first: the bytes it gives, and how long it takes.
  DWORD took = 0;
  {
    Saver saver(program, settings, newFile);
    ASSERT_TRUE(saver.ready());
    WriteWholeFile(settings, oldFile);
    DWORD begun = GetTickCount();
    saver.SaveAndKillAfter(INFINITE);
    took = GetTickCount() - begun;
    ASSERT_TRUE(newFile == ReadWholeFile(settings)) << Shown(ReadWholeFile(settings).substr(0, 200));
  }
  uint32_t state = 15;
  int old = 0, whole = 0, savingLeft = 0;
  const int kills = Kills();
  for (int kill = 0; kill < kills; ++kill) {
    Saver saver(program, settings, newFile);
    ASSERT_TRUE(saver.ready()) << "kill " << kill;
    WriteWholeFile(settings, oldFile);
    // Half the kills fall anywhere in the save, half in its last part, once
    // the file written first has shown.
    state = state * 1103515245u + 12345u;
    if (kill % 2) {
      saver.SaveAndKillAfter((state >> 8) % 20, saving);
    } else {
      saver.SaveAndKillAfter((state >> 8) % (took + 1));
    }
    const std::string now = ReadWholeFile(settings);
    ASSERT_TRUE(now == oldFile || now == newFile) << "kill " << kill << ": " << now.size() << " bytes";
    (now == oldFile ? old : whole) += 1;
    if (FileThere(saving)) ++savingLeft;
  }
  std::printf("of %d kills: %d left the old plan, %d the new one; %d left a file of the cut save\n", kills, old,
              whole, savingLeft);
  // The next whole save takes the place of whatever a cut one left.
  Saver saver(program, settings, newFile);
  ASSERT_TRUE(saver.ready());
  WriteWholeFile(settings, oldFile);
  saver.SaveAndKillAfter(INFINITE);
  EXPECT_TRUE(newFile == ReadWholeFile(settings)) << Shown(ReadWholeFile(settings).substr(0, 200));
  EXPECT_FALSE(FileThere(saving));
}

}  // namespace
}  // namespace klvtest
