// Target titles that GBK cannot hold, and one of 600 characters: listed,
// picked and clicked in the background; saved with their four-byte
// sequences; typed as an input method types them; loaded and clicked again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clicker/units.h"
#include "runtime/system_text.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/program_window.h"
#include "tests/support/recording_target.h"
#include "tests/support/ui_driver.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;

struct TitleBeyondGbk {
  std::wstring shown;
  std::string stored;  // the bytes the settings file holds, from the host's iconv GB18030
};

std::vector<TitleBeyondGbk> Titles() {
  std::string longStored;
  for (int i = 0; i < 595; ++i) longStored += "\xB3\xA4";  // 长
  longStored += " \xC4\xA9\xCE\xB2 \x94\x39\xC1\x33";       // " 末尾 🎯"
  return {{L"目标 \U0001F3AF", "\xC4\xBF\xB1\xEA \x94\x39\xC1\x33"},
          {L"테스트 창", "\x83\x35\x9A\x33\x83\x32\x9D\x31\x83\x35\xBE\x37 \x83\x34\x96\x38"},
          {std::wstring(595, L'长') + L" 末尾 \U0001F3AF", longStored}};
}

Messages SingleStepAt(const ClickTarget& target) {
  const size_t before = MarkTarget(target);
  PressButton(Unit::kButtonDebug);
  return QueuedBetween(target, before, MarkTarget(target));
}

// The file the save button writes, read once it is there; removed after.
std::string SavedFile() {
  DeleteFileA(SettingsPathHere().c_str());
  PressButton(Unit::kButtonSave);
  PumpUntil([] { return GetFileAttributesA(SettingsPathHere().c_str()) != INVALID_FILE_ATTRIBUTES; });
  std::string bytes = ReadWholeFile(SettingsPathHere());
  DeleteFileA(SettingsPathHere().c_str());
  return bytes;
}

class TitlesBeyondGbk : public Clicking {
 protected:
  void TearDown() override {
    WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, 2);  // back to the list-style box
    Clicking::TearDown();
  }
};

TEST_F(TitlesBeyondGbk, AreListedPickedSavedTypedLoadedAndClicked) {
  const std::string row = "坐标1=30|40|1000|左键\r\n";
  for (const TitleBeyondGbk& title : Titles()) {
    SCOPED_TRACE(title.stored.size());
    ASSERT_EQ(title.stored, klv::ToProgramText(title.shown));
    ClickTarget target(title.stored, 420, 640, 200, 100);
    ASSERT_TRUE(target.ready());
    ASSERT_EQ(title.shown, klv::WideWindowText(target.window()));

    ClearPlan();
    AddPlanRow(30, 40, 1000);
    SelectPlanRow(0);
    ASSERT_TRUE(ChooseBackgroundTarget(title.stored));
    Messages picked = SingleStepAt(target);
    EXPECT_EQ(LeftClickAt(30, 40), picked) << Describe(picked);

    const std::string saved = SavedFile();
    EXPECT_NE(std::string::npos, saved.find("\r\n窗口标题=" + title.stored + "\r\n")) << saved.substr(0, 80);

    // Another title loaded gives the box its field; the title is typed there.
    LoadPlanFile("kvnone", row, 1);
    SelectPlanRow(0);
    ASSERT_TRUE(TypeTitleAsCharacters(title.shown));
    Messages typed = SingleStepAt(target);
    EXPECT_EQ(LeftClickAt(30, 40), typed) << Describe(typed);

    LoadPlanFile(title.stored, row, 1);
    SelectPlanRow(0);
    Messages loaded = SingleStepAt(target);
    EXPECT_EQ(LeftClickAt(30, 40), loaded) << Describe(loaded);
  }
}

}  // namespace
}  // namespace klvtest
