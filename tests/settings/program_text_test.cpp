// The settings file holds GB18030: every text GBK holds keeps the bytes a
// file of earlier versions has, and a title with characters GBK lacks is
// kept as four-byte sequences wherever the file can hold them. Runs under
// every code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/system_text.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/recorded_boxes.h"

namespace klvtest {
namespace {

const std::string kKoreanTitle = "\x83\x35\x9A\x33\x83\x32\x9D\x31\x83\x35\xBE\x37 \x83\x34\x96\x38";  // 테스트 창
const Plan kOneRow = {{"10", "20", "300", "左键"}};

std::string FileWithTitle(const std::string& title) {
  return "[Configuration]\r\n前后台=1\r\n窗口标题=" + title + "\r\n坐标个数=1\r\n[Coordinate]\r\n坐标1=10|20|300|左键\r\n";
}

// Every character code page 936 holds, as the system's own table gives it:
// the euro sign's single byte and every two-byte cell it maps.
std::vector<std::string> EveryGbkCharacter() {
  std::vector<std::string> characters = {"\x80"};
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const char cell[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t wide[2];
      if (MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, cell, 2, wide, 2) == 1) characters.emplace_back(cell, 2);
    }
  }
  return characters;
}

using ProgramTextFileTest = SettingsFileTest;

// A file of an earlier version loads and saves back byte for byte, whatever
// GBK character its title holds: every one of them, a few thousand a file.
TEST_F(ProgramTextFileTest, EveryGbkCharacterInATitleLoadsAndSavesBackByteIdentically) {
  const std::vector<std::string> characters = EveryGbkCharacter();
  ASSERT_GT(characters.size(), 21000u);
  constexpr size_t kPerTitle = 4000;
  for (size_t first = 0; first < characters.size(); first += kPerTitle) {
    std::string title;
    for (size_t i = first; i < characters.size() && i < first + kPerTitle; ++i) title += characters[i];
    SCOPED_TRACE(Shown(title.substr(0, 8)));
    const std::string bytes = FileWithTitle(title);
    WriteFile(bytes);
    PressLoad();
    ASSERT_EQ(title, TitleText());
    PressSave();
    ASSERT_EQ(bytes, FileBytes());
  }
}

// A title with four-byte sequences in a file the system keeps in its own
// code page: its functions would write "?" there, so the file is left as it
// was and a box says why. A UTF-16 file holds such a title and keeps it.
TEST_F(ProgramTextFileTest, AFourByteTitleIsSavedOnlyWhereTheFileCanHoldIt) {
  const std::string utf8File = "\xEF\xBB\xBF[Configuration]\r\n坐标个数=0\r\n";
  WriteFile(utf8File);
  SetTitle(kKoreanTitle);
  const std::string reason = GetACP() == 936
                                 ? "这个文件的编码存不下要保存的某些字符，文件没有改动。"
                                 : "这个文件的编码只有在“非 Unicode 程序的语言”为中文(简体)的系统上才能正确读写，文件没有改动。";
  EXPECT_EQ((std::vector<BoxCall>{{"无法读写配置文件 " + SettingsPathHere() + "\r\n" + reason, "信息：",
                                   MB_SYSTEMMODAL | MB_ICONINFORMATION}}),
            BoxesDuring(PressSave));
  EXPECT_EQ(Shown(utf8File), Shown(FileBytes()));

  const std::wstring wide = klv::ToSystemText(FileWithTitle("记事本"));
  WriteFile("\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t)));
  SelectMode(1);
  SetTitle(kKoreanTitle);
  PutPlan(kOneRow);
  EXPECT_TRUE(BoxesDuring(PressSave).empty());
  const std::string utf16Title("\x4C\xD1\xA4\xC2\xB8\xD2\x20\x00\x3D\xCC", 10);  // 테스트 창 in UTF-16
  EXPECT_NE(std::string::npos, FileBytes().find(utf16Title));
  SetTitle("");
  PressLoad();
  EXPECT_EQ(kKoreanTitle, TitleText());
  EXPECT_EQ(kOneRow, CurrentPlan());
}

// A plain file with a four-byte title is the program's own to read and
// write, on every system: saved and loaded again without the system's help.
TEST_F(ProgramTextFileTest, APlainFileKeepsAFourByteTitle) {
  SelectMode(1);
  SetTitle(kKoreanTitle);
  PutPlan(kOneRow);
  EXPECT_TRUE(BoxesDuring(PressSave).empty());
  EXPECT_EQ(Shown(FileWithTitle(kKoreanTitle)), Shown(FileBytes()));
  SetTitle("");
  PutPlan({});
  PressLoad();
  EXPECT_EQ(kKoreanTitle, TitleText());
  EXPECT_EQ(kOneRow, CurrentPlan());
}

}  // namespace
}  // namespace klvtest
