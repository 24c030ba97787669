// Saving: the exact bytes the system writes for the program's keys, in a
// fresh file and in one that already holds keys of its own.
#include <gtest/gtest.h>

#include <string>

#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/child_process.h"

namespace klvtest {
namespace {

const Plan kTwoRows = {{"120", "340", "1000", "左键"}, {"15", "60", "500", "右键"}};

using SaveTest = SettingsFileTest;

TEST_F(SaveTest, ABackgroundPlanOfTwoRowsInAFreshFile) {
  SelectMode(1);
  SetTitle("无标题 - 记事本");
  PutPlan(kTwoRows);
  PressSave();
  EXPECT_EQ(Shown("[Configuration]\r\n"
                  "前后台=1\r\n"
                  "窗口标题=无标题 - 记事本\r\n"
                  "坐标个数=2\r\n"
                  "[Coordinate]\r\n"
                  "坐标1=120|340|1000|左键\r\n"
                  "坐标2=15|60|500|右键\r\n"),
            Shown(FileBytes()));
}

TEST_F(SaveTest, OnlyTheBackgroundModeTextSavesOne) {
  PutPlan(kTwoRows);
  SetTitle("");
  SelectMode(0);
  PressSave();
  EXPECT_EQ(Shown(FreshFile("0", "", kTwoRows)), Shown(FileBytes()));
  SelectMode(-1);  // no item chosen: the mode text is empty
  PressSave();
  EXPECT_EQ(Shown(FreshFile("0", "", kTwoRows)), Shown(FileBytes()));
  SelectMode(1);
  PressSave();
  EXPECT_EQ(Shown(FreshFile("1", "", kTwoRows)), Shown(FileBytes()));
}

TEST_F(SaveTest, AnExistingFileKeepsItsOrderAndItsOtherKeysAndGainsNewKeysAtTheEndOfTheirSection) {
  WriteFile("[Coordinate]\r\n"
            "坐标2=旧\r\n"
            "别的=x\r\n"
            "[其他]\r\n"
            "a=b\r\n"
            "[Configuration]\r\n"
            "坐标个数=9\r\n"
            "旧键=保留\r\n"
            "前后台=1\r\n");
  SetTitle("T");
  PutPlan({{"1", "2", "3", "左键"}, {"4", "5", "6", "右键"}, {"7", "8", "9", "左键"}});
  PressSave();
  EXPECT_EQ(Shown("[Coordinate]\r\n"
                  "坐标2=4|5|6|右键\r\n"
                  "别的=x\r\n"
                  "坐标1=1|2|3|左键\r\n"
                  "坐标3=7|8|9|左键\r\n"
                  "[其他]\r\n"
                  "a=b\r\n"
                  "[Configuration]\r\n"
                  "坐标个数=3\r\n"
                  "旧键=保留\r\n"
                  "前后台=0\r\n"
                  "窗口标题=T\r\n"),
            Shown(FileBytes()));
}

TEST_F(SaveTest, AShorterPlanLeavesTheOldRowKeysAndLoadsOnlyItsOwnRows) {
  const Plan five = {{"1", "1", "1", "左键"}, {"2", "2", "2", "右键"}, {"3", "3", "3", "左键"},
                     {"4", "4", "4", "右键"}, {"5", "5", "5", "左键"}};
  PutPlan(five);
  PressSave();
  PutPlan(kTwoRows);
  PressSave();
  EXPECT_EQ(Shown("[Configuration]\r\n前后台=0\r\n窗口标题=\r\n坐标个数=2\r\n"
                  "[Coordinate]\r\n"
                  "坐标1=120|340|1000|左键\r\n坐标2=15|60|500|右键\r\n"
                  "坐标3=3|3|3|左键\r\n坐标4=4|4|4|右键\r\n坐标5=5|5|5|左键\r\n"),
            Shown(FileBytes()));
  PutPlan(five);
  PressLoad();
  EXPECT_EQ(kTwoRows, CurrentPlan());
}

TEST_F(SaveTest, NoRowsSavesACountOfZeroAndNoCoordinateSection) {
  PressSave();
  EXPECT_EQ(Shown("[Configuration]\r\n前后台=0\r\n窗口标题=\r\n坐标个数=0\r\n"), Shown(FileBytes()));
  PutPlan(kTwoRows);
  PressLoad();
  EXPECT_EQ(Plan{}, CurrentPlan());
}

TEST_F(SaveTest, EmptyTextsAreWrittenAsEmptyValuesAndNoKeyIsRemoved) {
  WriteFile("[Configuration]\r\n窗口标题=旧标题\r\n[Coordinate]\r\n坐标1=9|9|9|左键\r\n坐标2=8|8|8|左键\r\n");
  SetTitle("");
  PutPlan({{"", "", "", ""}, {"", "", "", "右键"}});
  PressSave();
  EXPECT_EQ(Shown("[Configuration]\r\n窗口标题=\r\n前后台=0\r\n坐标个数=2\r\n"
                  "[Coordinate]\r\n坐标1=|||\r\n坐标2=|||右键\r\n"),
            Shown(FileBytes()));
}

TEST_F(SaveTest, ARowWithAnEmptyLastColumnIsSavedWithATrailingSeparatorAndNotRestored) {
  PutPlan({{"10", "20", "1000", ""}, {"1", "2", "3", "右键"}});
  PressSave();
  EXPECT_EQ(Shown(FreshFile("0", "", {{"10", "20", "1000", ""}, {"1", "2", "3", "右键"}})), Shown(FileBytes()));
  EXPECT_NE(std::string::npos, FileBytes().find("坐标1=10|20|1000|\r\n"));
  PressLoad();
  EXPECT_EQ((Plan{{"1", "2", "3", "右键"}}), CurrentPlan());
}

// The operator's fields refuse the separator; a cell can hold one only when
// put there through the list's commands. Such a plan is saved as it is.
TEST_F(SaveTest, AColumnHoldingTheSeparatorIsSavedAsItIsAndNotRestored) {
  PutPlan({{"1|2", "20", "1000", "左键"}, {"|20", "1000", "左键", ""}, {"5", "6", "7", "左键"}});
  PressSave();
  EXPECT_NE(std::string::npos, FileBytes().find("坐标1=1|2|20|1000|左键\r\n坐标2=|20|1000|左键|\r\n"));
  PressLoad();
  // The second row's value splits into the four parts of a different row:
  // the separators, not the columns, decide.
  EXPECT_EQ((Plan{{"", "20", "1000", "左键"}, {"5", "6", "7", "左键"}}), CurrentPlan());
}

TEST_F(SaveTest, EmptyLeadingAndMiddleColumnsAreRestored) {
  const Plan plan = {{"", "20", "1000", "左键"}, {"7", "", "", "右键"}};
  PutPlan(plan);
  PressSave();
  EXPECT_NE(std::string::npos, FileBytes().find("坐标1=|20|1000|左键\r\n坐标2=7|||右键\r\n"));
  PutPlan({});
  PressLoad();
  EXPECT_EQ(plan, CurrentPlan());
}

TEST_F(SaveTest, ADoubleByteCharacterWhoseSecondByteIsTheSeparatorByteStaysInItsColumn) {
  const std::string odd = "\x81\x7C";  // a GBK character: lead byte, then 0x7C
  const Plan plan = {{"1" + odd, odd, "3", "左键"}};
  PutPlan(plan);
  PressSave();
  PutPlan({});
  PressLoad();
  EXPECT_EQ(plan, CurrentPlan());
}

TEST_F(SaveTest, SavingFormsTheSettingsPathAnew) {
  using klv::clicker::Globals;
  const std::string elsewhere = TempPath("elsewhere.ini");
  klv::clicker::Free(Globals().settingsPath);
  Globals().settingsPath = klv::clicker::CopyHeapText(elsewhere.c_str());
  PutPlan(kTwoRows);
  PressSave();
  EXPECT_FALSE(FileThere(elsewhere));
  EXPECT_EQ(Shown(FreshFile("0", "", kTwoRows)), Shown(FileBytes()));
  EXPECT_EQ(SettingsPathHere(), std::string(Globals().settingsPath));
}

}  // namespace
}  // namespace klvtest
