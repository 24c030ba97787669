// Loading: files written by hand, the click mode and the title field, the
// plan rows and which keys make them, and the missing file.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "clicker/units.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;

const Plan kTwoRows = {{"120", "340", "1000", "左键"}, {"15", "60", "500", "右键"}};

using klv::clicker::Property::kComboStyle;

HWND TitleCombo() { return UnitHandle(Unit::kComboWindowTitle); }
LONG TitleComboKind() { return GetWindowLongA(TitleCombo(), GWL_STYLE) & 3; }

class LoadTest : public SettingsFileTest {
 protected:
  // What the two-row background example file loads into.
  void ExpectTheExample() const {
    EXPECT_EQ(kTwoRows, CurrentPlan());
    EXPECT_EQ("后台点击", ModeText());
    EXPECT_EQ("无标题 - 记事本", TitleText());
    EXPECT_EQ(1u, ReadUnit(Unit::kComboWindowTitle, kComboStyle));
    EXPECT_EQ(CBS_DROPDOWN, TitleComboKind());
    EXPECT_TRUE(IsWindowEnabled(TitleCombo()));
  }
};

TEST_F(LoadTest, AHandWrittenBackgroundFileGivesRowsModeAndAnEditableTitle) {
  SetTitle("");
  WriteUnit(Unit::kComboWindowTitle, kComboStyle, 2);
  WriteUnit(Unit::kComboWindowTitle, 6, 1);
  WriteFile("[Configuration]\r\n"
            "前后台=1\r\n"
            "窗口标题=无标题 - 记事本\r\n"
            "坐标个数=2\r\n"
            "[Coordinate]\r\n"
            "坐标1=120|340|1000|左键\r\n"
            "坐标2=15|60|500|右键\r\n");
  PressLoad();
  ExpectTheExample();
  EXPECT_EQ(0u, ReadUnit(Unit::kComboWindowTitle, 6));
}

TEST_F(LoadTest, AFileEditedByHandWithLineFeedsSpacesAndCommentsLoadsTheSame) {
  WriteFile("; kept by hand\n"
            "[Configuration]\n"
            "  前后台 = 1\n"
            "窗口标题 = 无标题 - 记事本\n"
            "坐标个数=2\n"
            "\n"
            "[Coordinate]\n"
            "坐标2 = 15|60|500|右键\n"
            "坐标1=120|340|1000|左键\n");
  PressLoad();
  ExpectTheExample();
}

TEST_F(LoadTest, AForegroundFileDisablesTheTitleAndMakesItAChoiceList) {
  SelectMode(1);
  SetTitle("before");
  WriteUnit(Unit::kComboWindowTitle, 6, 0);
  WriteFile(FreshFile("0", "T", kTwoRows));
  PressLoad();
  EXPECT_EQ("前台点击", ModeText());
  EXPECT_EQ(2u, ReadUnit(Unit::kComboWindowTitle, kComboStyle));
  EXPECT_EQ(CBS_DROPDOWNLIST, TitleComboKind());
  EXPECT_FALSE(IsWindowEnabled(TitleCombo()));
  EXPECT_EQ(1u, ReadUnit(Unit::kComboWindowTitle, 6));
  EXPECT_EQ(kTwoRows, CurrentPlan());
  // The title is kept: it shows again once the field is editable.
  WriteUnit(Unit::kComboWindowTitle, kComboStyle, 1);
  EXPECT_EQ("T", TitleText());
}

TEST_F(LoadTest, OnlyTheExactTextOneMeansBackground) {
  struct Case {
    const char* line;
    const char* mode;
  };
  const Case cases[] = {
      {"前后台=1", "后台点击"},       {"前后台=true", "前台点击"}, {"前后台=\" 1\"", "前台点击"},
      {"前后台=01", "前台点击"},      {"前后台=", "前台点击"},     {"前后台=1\r\n前后台=0", "后台点击"},
      {"前后台=后台点击", "前台点击"}, {"", "前台点击"},
  };
  for (const Case& c : cases) {
    SelectMode(c.mode == std::string("前台点击") ? 1 : 0);
    WriteFile(std::string("[Configuration]\r\n") + c.line + "\r\n");
    PressLoad();
    EXPECT_EQ(c.mode, ModeText()) << Shown(c.line);
  }
}

TEST_F(LoadTest, ASpaceBeforeTheOneIsTrimmedByTheSystem) {
  // The system trims the spaces around a value; only quotes keep them.
  WriteFile("[Configuration]\r\n前后台= 1\r\n");
  PressLoad();
  EXPECT_EQ("后台点击", ModeText());
}

TEST_F(LoadTest, RowsComeInKeyOrderAndGapsCloseUp) {
  WriteFile("[Coordinate]\r\n"
            "坐标4=4|4|4|右键\r\n"
            "坐标1=1|1|1|左键\r\n"
            "坐标3=3|3|3|左键\r\n"
            "坐标6=6|6|6|左键\r\n"
            "[Configuration]\r\n"
            "坐标个数=5\r\n");
  PressLoad();
  EXPECT_EQ((Plan{{"1", "1", "1", "左键"}, {"3", "3", "3", "左键"}, {"4", "4", "4", "右键"}}), CurrentPlan());
}

TEST_F(LoadTest, KeysAreNumberedFromOne) {
  WriteFile("[Configuration]\r\n坐标个数=1\r\n[Coordinate]\r\n坐标0=1|2|3|左键\r\n");
  PutPlan(kTwoRows);
  PressLoad();
  EXPECT_EQ(Plan{}, CurrentPlan());
}

TEST_F(LoadTest, AKeyNameMustBeTheNumberWrittenPlainly) {
  WriteFile("[Configuration]\r\n坐标个数=20\r\n[Coordinate]\r\n"
            "坐标01=1|1|1|左键\r\n坐标+2=2|2|2|左键\r\n坐标 3=3|3|3|左键\r\n坐标4a=4|4|4|左键\r\n"
            "坐标4294967301=5|5|5|左键\r\n坐标０6=6|6|6|左键\r\n坐标７=7|7|7|左键\r\n坐标=8|8|8|左键\r\n"
            "坐标10=10|10|10|左键\r\n");
  PressLoad();
  EXPECT_EQ((Plan{{"10", "10", "10", "左键"}}), CurrentPlan());
}

TEST_F(LoadTest, AMissingOrNonNumericCountLoadsNoRowButStillAppliesModeAndTitle) {
  for (const char* count : {"", "坐标个数=abc\r\n", "坐标个数=-3\r\n", "坐标个数=0\r\n"}) {
    SelectMode(0);
    SetTitle("");
    PutPlan(kTwoRows);
    WriteFile(std::string("[Configuration]\r\n前后台=1\r\n窗口标题=标题\r\n") + count + "[Coordinate]\r\n坐标1=1|2|3|左键\r\n");
    PressLoad();
    EXPECT_EQ(Plan{}, CurrentPlan()) << Shown(count);
    EXPECT_EQ("后台点击", ModeText()) << Shown(count);
    EXPECT_EQ("标题", TitleText()) << Shown(count);
  }
}

TEST_F(LoadTest, FullWidthDigitsInTheCountAreRead) {
  WriteFile("[Configuration]\r\n坐标个数=２\r\n[Coordinate]\r\n坐标1=1|2|3|左键\r\n坐标2=4|5|6|右键\r\n坐标3=7|8|9|左键\r\n");
  PressLoad();
  EXPECT_EQ((Plan{{"1", "2", "3", "左键"}, {"4", "5", "6", "右键"}}), CurrentPlan());
}

TEST_F(LoadTest, ValuesLongerThan10239BytesComeBackCut) {
  std::string title(12000, 't');
  std::string tail(12000, 'w');
  WriteFile("[Configuration]\r\n前后台=1\r\n窗口标题=" + title + "\r\n坐标个数=1\r\n[Coordinate]\r\n坐标1=1|2|3|" + tail +
            "\r\n");
  PressLoad();
  EXPECT_EQ(title.substr(0, 10239), TitleText());
  EXPECT_EQ((Plan{{"1", "2", "3", tail.substr(0, 10239 - 6)}}), CurrentPlan());
}

TEST_F(LoadTest, AMissingFileShowsTheMessageAndChangesNothing) {
  SelectMode(1);
  SetTitle("留下");
  PutPlan(kTwoRows);
  SeenBox seen;
  std::thread watcher = WatchForTheBox(&seen);
  PressLoad();
  watcher.join();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ("你确定你之前有保存过配置？", seen.text);
  EXPECT_EQ(1, seen.buttons);
  EXPECT_EQ(0, seen.icons);
  EXPECT_TRUE(seen.topmost);  // system-modal
  EXPECT_EQ(kTwoRows, CurrentPlan());
  EXPECT_EQ("后台点击", ModeText());
  EXPECT_EQ("留下", TitleText());
  EXPECT_EQ(1u, ReadUnit(Unit::kComboWindowTitle, kComboStyle));
  EXPECT_FALSE(FileThere(SettingsPathHere()));
}

TEST_F(LoadTest, TheMissingFileMessageIsSystemModalWithTheDefaultCaption) {
  const std::vector<BoxCall> boxes = BoxesDuring(PressLoad);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("你确定你之前有保存过配置？", boxes[0].text);
  EXPECT_EQ("信息：", boxes[0].caption);
  EXPECT_EQ(4096u, boxes[0].style);
}

// A file that is there but cannot be read would read as the defaults, an
// empty foreground plan: the load says why instead and changes nothing.
TEST_F(LoadTest, AFileThatCannotBeReadSaysWhyAndChangesNothing) {
  const std::string path = SettingsPathHere();
  HANDLE held = INVALID_HANDLE_VALUE;
  struct Case {
    const char* name;
    DWORD error;
    std::function<void()> block, unblock;
  };
  const Case cases[] = {
      {"held open by another without sharing", ERROR_SHARING_VIOLATION,
       [&] {
         WriteFile("[Configuration]\r\n前后台=0\r\n坐标个数=0\r\n");
         wchar_t widePath[MAX_PATH] = L"";
         MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
         held = CreateFileW(widePath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         ASSERT_NE(INVALID_HANDLE_VALUE, held);
       },
       [&] { CloseHandle(held); }},
      {"a folder of the file's name", ERROR_ACCESS_DENIED,
       [&] {
         DeleteFileA(path.c_str());
         ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
       },
       [&] { RemoveDirectoryA(path.c_str()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SelectMode(1);
    SetTitle("留下");
    PutPlan(kTwoRows);
    c.block();
    const std::vector<BoxCall> boxes = BoxesDuring(PressLoad);
    c.unblock();
    EXPECT_EQ(1u, boxes.size());
    if (boxes.size() != 1) continue;
    EXPECT_EQ("无法读写配置文件 " + path + "\r\n" + SystemReason(c.error), boxes[0].text);
    EXPECT_EQ("信息：", boxes[0].caption);
    EXPECT_EQ(static_cast<uint32_t>(MB_SYSTEMMODAL | MB_ICONINFORMATION), boxes[0].style);
    EXPECT_EQ(kTwoRows, CurrentPlan());
    EXPECT_EQ("后台点击", ModeText());
    EXPECT_EQ("留下", TitleText());
    EXPECT_EQ(1u, ReadUnit(Unit::kComboWindowTitle, kComboStyle));
  }
}

}  // namespace
}  // namespace klvtest
