// Where the system's code page is not the program's (1252, 65001): the
// system's private-profile functions would read a GBK file in the wrong code
// page, so a file only they could follow is refused with a box that names
// it, and neither a load nor a save changes anything; a UTF-16 file, which
// they read as meant through their wide forms, loads and saves. Skipped
// under code page 936, where such files go to the system as they always did.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/system_text.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/recorded_boxes.h"

namespace klvtest {
namespace {

const Plan kStale = {{"7", "8", "9", "右键"}};

BoxCall RefusalOf(const std::string& path) {
  return {"无法读写配置文件 " + path + "\r\n" +
              "这个文件的编码只有在“非 Unicode 程序的语言”为中文(简体)的系统上才能正确读写，文件没有改动。",
          "信息：", MB_SYSTEMMODAL | MB_ICONINFORMATION};
}

// A GBK text as a UTF-16 file with its mark.
std::string Utf16File(const std::string& programText) {
  const std::wstring wide = klv::ToSystemText(programText);
  return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

class OtherCodePageTest : public SettingsFileTest {
 protected:
  void SetUp() override {
    SettingsFileTest::SetUp();
    if (GetACP() == 936) GTEST_SKIP() << "the system's code page is the program's";
  }
};

TEST_F(OtherCodePageTest, AFileOnlyTheSystemCouldFollowIsRefusedAndLeftAsItWas) {
  const std::vector<std::string> corpus = {
      "\xEF\xBB\xBF[Configuration]\r\n坐标个数=1\r\n[Coordinate]\r\n坐标1=1|2|3|左键\r\n",  // UTF-8 with its mark
      std::string("[Configuration]\r\n窗口标题=a") + '\0' + "b\r\n",                   // a zero byte
      "[Configuration]\r\n窗口标题=\x81\r\n",                                           // half a character
  };
  const std::vector<BoxCall> refused = {RefusalOf(SettingsPathHere())};
  for (const std::string& bytes : corpus) {
    SCOPED_TRACE(Shown(bytes));
    WriteFile(bytes);
    PutPlan(kStale);
    EXPECT_EQ(refused, BoxesDuring(PressLoad));
    EXPECT_EQ(kStale, CurrentPlan());
    EXPECT_EQ("前台点击", ModeText());
    EXPECT_EQ(refused, BoxesDuring(PressSave));
    EXPECT_EQ(Shown(bytes), Shown(FileBytes()));
  }
}

// A file whose keys the program reads as the system does loads, but one it
// cannot rewrite as the system would (a nameless section) is not saved over.
TEST_F(OtherCodePageTest, AFileLoadedAsTheSystemReadsItButNotRewrittenLikeItIsNotSavedOver) {
  const std::string bytes = "[Configuration]\r\n坐标个数=1\r\n[]\r\n[Coordinate]\r\n坐标1=1|2|3|左键\r\n";
  WriteFile(bytes);
  EXPECT_TRUE(BoxesDuring(PressLoad).empty());
  EXPECT_EQ((Plan{{"1", "2", "3", "左键"}}), CurrentPlan());
  EXPECT_EQ((std::vector<BoxCall>{RefusalOf(SettingsPathHere())}), BoxesDuring(PressSave));
  EXPECT_EQ(Shown(bytes), Shown(FileBytes()));
}

// A value too long to come back whole is cut by the program here, never
// inside a double-byte character.
TEST_F(OtherCodePageTest, ALongValueIsCutAtAWholeCharacter) {
  const std::string title = std::string(10238, 't') + "中文";
  WriteFile("[Configuration]\r\n前后台=1\r\n窗口标题=" + title + "\r\n");
  PressLoad();
  EXPECT_EQ(std::string(10238, 't'), TitleText());
}

TEST_F(OtherCodePageTest, AUtf16FileLoadsAndStaysUtf16WhenSaved) {
  WriteFile(Utf16File("[Configuration]\r\n前后台=1\r\n窗口标题=记事本\r\n坐标个数=1\r\n"
                      "[Coordinate]\r\n坐标1=10|20|300|左键\r\n"));
  PutPlan(kStale);
  EXPECT_TRUE(BoxesDuring(PressLoad).empty());
  EXPECT_EQ((Plan{{"10", "20", "300", "左键"}}), CurrentPlan());
  EXPECT_EQ("后台点击", ModeText());
  EXPECT_EQ("记事本", TitleText());

  const Plan saved = {{"1", "2", "3", "右键"}, {"4", "5", "6", "左键"}};
  PutPlan(saved);
  EXPECT_TRUE(BoxesDuring(PressSave).empty());
  // Written by the system's own functions, in their layout: still UTF-16.
  EXPECT_EQ("\xFF\xFE", FileBytes().substr(0, 2));
  PutPlan(kStale);
  PressLoad();
  EXPECT_EQ(saved, CurrentPlan());
}

}  // namespace
}  // namespace klvtest
