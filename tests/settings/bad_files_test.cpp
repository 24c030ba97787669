// Damaged and odd settings files: each load completes without a crash, and
// gives what reading the row keys one by one from 1 to the count would give.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "clicker/units.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

namespace Unit = klv::clicker::Unit;

constexpr DWORD kReadRoom = 10240;

std::string SystemRead(const std::string& section, const std::string& key, const char* fallback) {
  std::vector<char> buffer(kReadRoom, '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback, buffer.data(), kReadRoom,
                           SettingsPathHere().c_str());
  return buffer.data();
}

// Cuts a text at each "|" that is a character of its own (not the second
// byte of a double-byte character); a final empty piece does not count.
std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  size_t cut = 0;
  for (size_t at = 0; at < text.size();) {
    unsigned char byte = static_cast<unsigned char>(text[at]);
    if (byte == '|') {
      pieces.push_back(text.substr(cut, at - cut));
      cut = ++at;
    } else {
      at += (byte >= 0x80 && at + 1 < text.size()) ? 2 : 1;
    }
  }
  if (cut < text.size()) pieces.push_back(text.substr(cut));
  return pieces;
}

// The plan the file holds, read key by key from 1 to the count with the
// system's own calls; counts above the limit are taken as the limit (the
// caller knows that the file has no row key above it).
Plan RowByRow(int32_t limit) {
  std::string count = SystemRead("Configuration", "坐标个数", "0");
  long long rows = std::atoll(count.c_str());
  if (rows > limit) rows = limit;
  Plan plan;
  for (long long i = 1; i <= rows; ++i) {
    std::vector<std::string> parts = Pieces(SystemRead("Coordinate", "坐标" + std::to_string(i), ""));
    if (parts.size() == 4) plan.push_back({parts[0], parts[1], parts[2], parts[3]});
  }
  return plan;
}

class BadFileTest : public SettingsFileTest {
 protected:
  // Loads the file and checks the result against the one-by-one reading.
  void LoadAndCompare(const std::string& bytes, int32_t limit) {
    WriteFile(bytes);
    PutPlan({{"stale", "stale", "stale", "stale"}});
    PressLoad();
    EXPECT_EQ(RowByRow(limit), CurrentPlan());
    bool background = SystemRead("Configuration", "前后台", "0") == "1";
    EXPECT_EQ(background ? "后台点击" : "前台点击", ModeText());
  }
};

TEST_F(BadFileTest, AHugeCountWithThreeRowsLoadsThoseRows) {
  WriteFile("[Configuration]\r\n坐标个数=2147483647\r\n[Coordinate]\r\n"
            "坐标7=7|7|7|右键\r\n坐标1=1|1|1|左键\r\n坐标100000=9|9|9|左键\r\n");
  PressLoad();
  EXPECT_EQ((Plan{{"1", "1", "1", "左键"}, {"7", "7", "7", "右键"}, {"9", "9", "9", "左键"}}), CurrentPlan());
}

TEST_F(BadFileTest, AHugeCountWithoutRowKeysLoadsNothing) {
  for (const char* rows : {"", "[Coordinate]\r\n", "[Coordinate]\r\n坐标=1|1|1|左键\r\n;坐标1=1|1|1|左键\r\n"}) {
    WriteFile(std::string("[Configuration]\r\n前后台=1\r\n坐标个数=2147483647\r\n") + rows);
    PutPlan({{"1", "2", "3", "左键"}});
    PressLoad();
    EXPECT_EQ(Plan{}, CurrentPlan()) << Shown(rows);
    EXPECT_EQ("后台点击", ModeText());
  }
}

TEST_F(BadFileTest, KeysWithEmptyNamesHideNoRow) {
  // "=x" makes a key with an empty name; the first of the section is the
  // hardest case, as the system then lists no key names at all.
  const std::string rows = "坐标1=1|1|1|左键\r\n=x\r\n  =  \r\n坐标2=2|2|2|左键\r\n" + std::string("\0=y\r\n", 5) +
                           "坐标3=3|3|3|左键\r\n";
  for (const std::string& section : {rows, "=first\r\n" + rows, std::string("\0=first\r\n", 9) + rows}) {
    LoadAndCompare("[Configuration]\r\n坐标个数=3\r\n[Coordinate]\r\n" + section, 3);
    EXPECT_EQ((Plan{{"1", "1", "1", "左键"}, {"2", "2", "2", "左键"}, {"3", "3", "3", "左键"}}), CurrentPlan())
        << Shown(section);
  }
}

TEST_F(BadFileTest, RowKeysAboveTheCountAreNotRead) {
  WriteFile("[Configuration]\r\n坐标个数=2\r\n[Coordinate]\r\n坐标3=3|3|3|左键\r\n坐标2=2|2|2|左键\r\n");
  PressLoad();
  EXPECT_EQ((Plan{{"2", "2", "2", "左键"}}), CurrentPlan());
}

TEST_F(BadFileTest, OddKeysAndSectionsLoadAsReadingRowByRowWould) {
  const std::string body =
      "[coordinate]\r\n"             // section names match whatever their case
      "坐标2=2|2|2|左键\r\n"
      "坐标2=twice|2|2|左键\r\n"     // the first of two equal keys counts
      "坐标1\r\n"                    // a line with no equals sign
      ";坐标3=3|3|3|左键\r\n"        // a comment
      "  坐标4  =  4|4|4|右键  \r\n" // spaces around name and value
      "坐标5=\"5|5|5|左键\"\r\n"     // quotes around a value
      "坐标6=6|6|6\r\n"
      "坐标07=7|7|7|左键\r\n"
      "坐标8=8|8|8|左键|\r\n"
      "坐标9=||9|\r\n"
      "[Configuration]\r\n"
      "坐标个数=";
  LoadAndCompare(body + "30\r\n[Coordinate]\r\n坐标10=10|10|10|左键\r\n坐标1=1|1|1|左键\r\n", 30);
  EXPECT_EQ((Plan{{"2", "2", "2", "左键"}, {"4", "4", "4", "右键"}, {"5", "5", "5", "左键"}, {"8", "8", "8", "左键"}}),
            CurrentPlan());
  LoadAndCompare(body + "2147483647\r\n", 100);
}

TEST_F(BadFileTest, AMegabyteValueLoads) {
  const std::string huge(1 << 20, 'v');
  WriteFile("[Configuration]\r\n前后台=1\r\n窗口标题=" + huge + "\r\n坐标个数=3\r\n[Coordinate]\r\n坐标1=1|2|3|" + huge +
            "\r\n坐标2=" + huge + "\r\n坐标3=4|5|6|左键\r\n");
  PressLoad();
  EXPECT_EQ(huge.substr(0, 10239), TitleText());
  EXPECT_EQ((Plan{{"1", "2", "3", huge.substr(0, 10233)}, {"4", "5", "6", "左键"}}), CurrentPlan());
}

TEST_F(BadFileTest, AMegabyteKeyNameLoads) {
  const std::string name = "坐标1" + std::string(1 << 20, 'k');
  LoadAndCompare("[Configuration]\r\n坐标个数=9\r\n[Coordinate]\r\n" + name + "=1|1|1|左键\r\n坐标2=2|2|2|左键\r\n", 9);
  EXPECT_EQ((Plan{{"2", "2", "2", "左键"}}), CurrentPlan());
}

TEST_F(BadFileTest, BinaryJunkLoads) {
  std::string junk = "[Configuration]\r\n前后台=1\0\xFF\r\n窗口标题=\xFF\xFE\x81\r\n坐标个数=6\r\n[Coordinate]\r\n";
  junk += std::string("坐标1=\x81|\xFF|\x81\x7C|\xFE\r\n", 20);
  junk += std::string("坐标2=a\0b|c|d|e\r\n", 19);
  junk += std::string("\0\0\0\r\n\xFF\xFF\xFF\xFF\r\n", 12);
  junk += "坐标3=1|2|3|\x81";
  junk += "\r\n坐标4=\x80|\xA1|\xFE\xFF|\x81\r\n坐标5=5|5|5|左键\r\n坐标6=\xFF\xFF|\xFF|\xFF|\xFF";
  LoadAndCompare(junk, 6);
}

TEST_F(BadFileTest, PseudoRandomBytesLoad) {
  uint32_t state = 12345;
  for (int round = 0; round < 8; ++round) {
    std::string bytes = "[Configuration]\r\n坐标个数=40\r\n[Coordinate]\r\n";
    for (int line = 0; line < 400; ++line) {
      state = state * 1103515245u + 12345u;
      bytes += "坐标" + std::to_string(state % 50) + "=";
      int length = static_cast<int>((state >> 8) % 24);
      for (int i = 0; i < length; ++i) {
        state = state * 1103515245u + 12345u;
        const char alphabet[] = "|||12\x81\x7C\xFF\0\r\n=[]; ";
        bytes += alphabet[(state >> 16) % (sizeof alphabet - 1)];
      }
      bytes += "\r\n";
    }
    LoadAndCompare(bytes, 40);
  }
}

// Plain GBK files, which the load parses itself instead of asking the
// system key by key: the same plan, mode and title as the system's reads.
TEST_F(BadFileTest, PseudoRandomPlainFilesLoadAsTheSystemReadsThem) {
  // No digit stands alone, so no row key above 3 can form.
  const char* const pieces[] = {"[", "]", "=", ";", " ", "\t", "\r", "\n", "\r\n", "\"", "'", "|", "x",
                                "\xA1\xA1", "坐标", "坐标1", "坐标2", "坐标3", "坐标个数", "前后台", "窗口标题",
                                "Configuration", "COORDINATE", "coordinate", "\x81\x5D", "\x1A", "左键"};
  uint32_t state = 777;
  auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 8; };
  for (int round = 0; round < 60; ++round) {
    std::string bytes = next() % 2 ? "[Configuration]\r\n坐标个数=3\r\n" : "";
    for (uint32_t n = next() % 120; n > 0; --n) bytes += pieces[next() % (sizeof pieces / sizeof pieces[0])];
    LoadAndCompare(bytes, 3);
    if (SystemRead("Configuration", "前后台", "0") == "1") {
      EXPECT_EQ(SystemRead("Configuration", "窗口标题", ""), TitleText()) << Shown(bytes);
    }
  }
}

TEST_F(BadFileTest, AFileOfOnlyTheCoordinateSectionLoadsTheDefaults) {
  SelectMode(1);
  SetTitle("旧");
  WriteFile("[Coordinate]");
  PutPlan({{"1", "2", "3", "左键"}});
  PressLoad();
  EXPECT_EQ(Plan{}, CurrentPlan());
  EXPECT_EQ("前台点击", ModeText());
  WriteUnit(Unit::kComboWindowTitle, 8, 1);  // editable again, to show the text the load gave it
  EXPECT_EQ("", TitleText());
}

TEST_F(BadFileTest, AFileWithoutTheConfigurationSectionOrEmptyLoadsNoRow) {
  for (const char* bytes : {"[Other]\r\n前后台=1\r\n坐标个数=1\r\n[Coordinate]\r\n坐标1=1|2|3|左键\r\n", ""}) {
    SelectMode(1);
    WriteFile(bytes);
    PutPlan({{"1", "2", "3", "左键"}});
    PressLoad();
    EXPECT_EQ(Plan{}, CurrentPlan()) << Shown(bytes);
    EXPECT_EQ("前台点击", ModeText()) << Shown(bytes);
  }
}

}  // namespace
}  // namespace klvtest
