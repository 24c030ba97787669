// Saving in one piece: over a corpus of files, the save gives exactly the
// bytes the system's own writes, one key after another, give; it replaces
// the file in one step; a save that cannot be written keeps the old bytes
// and says why.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clicker/profile_text.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/child_process.h"

namespace klvtest {
namespace {

struct Settings {
  int mode;  // item of the click-mode box
  std::string title;
  Plan plan;
};

const Plan kTwoRows = {{"120", "340", "1000", "左键"}, {"15", "60", "500", "右键"}};

// The file's identity: a file put in the target's place has a new one.
uint64_t FileIdentity(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  BY_HANDLE_FILE_INFORMATION info = {};
  bool known = file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &info);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return known ? (uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow) : 0;
}

// Whether the model of the file follows it (see clicker/profile_text.h).
bool ModelFollows(const std::string& bytes) {
  return klv::profile::IsPlainProfileFile(bytes) && klv::profile::ProfileText::Parse(bytes).RereadsTheSame();
}

class SaveInOnePieceTest : public SettingsFileTest {
 protected:
  void Put(const std::string* before) const {
    if (before) {
      WriteFile(*before);
    } else {
      DeleteFileA(SettingsPathHere().c_str());
    }
  }

  // The file after the system's writes of the program's keys, in the order
  // the program writes them.
  std::string SavedKeyByKey(const std::string* before, const Settings& s) const {
    Put(before);
    const std::string path = SettingsPathHere();
    auto write = [&](const char* section, const std::string& key, const std::string& value) {
      WritePrivateProfileStringA(section, key.c_str(), value.c_str(), path.c_str());
    };
    write("Configuration", "前后台", s.mode == 1 ? "1" : "0");
    write("Configuration", "窗口标题", s.title);
    write("Configuration", "坐标个数", std::to_string(s.plan.size()));
    for (size_t i = 0; i < s.plan.size(); ++i) {
      const PlanRow& r = s.plan[i];
      write("Coordinate", "坐标" + std::to_string(i + 1), r.x + "|" + r.y + "|" + r.delay + "|" + r.button);
    }
    return FileBytes();
  }

  // The file after the program's save; *replaced tells whether the file was
  // put in place anew.
  std::string SavedByTheProgram(const std::string* before, const Settings& s, bool* replaced) {
    Put(before);
    SelectMode(s.mode);
    SetTitle(s.title);
    PutPlan(s.plan);
    uint64_t identity = FileIdentity(SettingsPathHere());
    PressSave();
    *replaced = FileIdentity(SettingsPathHere()) != identity;
    EXPECT_FALSE(FileThere(SettingsPathHere() + ".saving"));
    return FileBytes();
  }

  // Both ways give the same bytes; the program replaced the file in one
  // step exactly when the model follows the file and something changed.
  void ExpectTheSameBytes(const std::string* before, const Settings& s, bool inOnePiece) {
    const std::string bySystem = SavedKeyByKey(before, s);
    bool replaced = false;
    const std::string byProgram = SavedByTheProgram(before, s, &replaced);
    const std::string shownBefore = before ? Shown(*before) : "(no file)";
    EXPECT_EQ(Shown(bySystem), Shown(byProgram)) << "before: " << shownBefore;
    if (before && bySystem != *before) {
      EXPECT_EQ(inOnePiece, replaced) << "before: " << shownBefore;
    }
  }
};

TEST_F(SaveInOnePieceTest, HandWrittenFilesGiveTheBytesOfTheKeyByKeySave) {
  const std::vector<std::string> corpus = {
      "",
      "; 说明\r\n\r\n[Other]\r\na = b\r\n\r\n[Coordinate]\r\n坐标7=旧|旧|旧|旧\r\n坐标1=old\r\n[Configuration]\r\n前后台=1\r\n",
      "[Configuration]\r\n窗口标题=甲\r\n窗口标题=乙\r\n[configuration]\r\n前后台=0\r\n[Coordinate]\r\n坐标2=x\r\n"
      "[COORDINATE]\r\n坐标1=y",  // a section and a key twice, no final line break
      "  [ Configuration ]  \n\t前后台 = 1 \n坐标个数\n=x\n=y\n[Coordinate]\r坐标1 = \"1|2|3|左键\"\r\r\n",
      "k=before any section\r\n[Configuration]\r\n;前后台=1\r\n[a]b]\r\n[Coordinate\r\n",
      "[Configuration]\r\n前后台=0\r\n窗口标题=标题\r\n坐标个数=2\r\n[Coordinate]\r\n坐标1=120|340|1000|左键\r\n"
      "坐标2=15|60|500|右键\r\n",
  };
  const std::vector<Settings> plans = {
      {1, "无标题 - 记事本", kTwoRows},
      {0, "标题", kTwoRows},  // what the last file holds already
      {0, "", {}},
      {1, "  前有空格, 后也有 \t", {{"", "", "", ""}, {"1|2", " 3", "4 ", "右键"}}},
  };
  for (const Settings& s : plans) {
    ExpectTheSameBytes(nullptr, s, true);
    for (const std::string& before : corpus) ExpectTheSameBytes(&before, s, true);
  }
}

TEST_F(SaveInOnePieceTest, PseudoRandomFilesGiveTheBytesOfTheKeyByKeySave) {
  const char* const pieces[] = {"[", "]", "=", ";", " ", "\t", "\r", "\n", "\r\n", "a", "B", "1", "|", "\"",
                                "\xA1\xA1", "坐标", "坐标1", "坐标2", "坐标个数", "前后台", "窗口标题",
                                "Configuration", "coordinate", "\x81\x5D", "\x1A"};
  uint32_t state = 2026;
  auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 8; };
  for (int round = 0; round < 40; ++round) {
    std::string before;
    for (uint32_t n = next() % 60; n > 0; --n) before += pieces[next() % (sizeof pieces / sizeof pieces[0])];
    Settings s = {static_cast<int>(next() % 2), next() % 2 ? "标题" : "", {}};
    for (uint32_t n = next() % 4; n > 0; --n) s.plan.push_back({std::to_string(next() % 9), "2", "3", "左键"});
    // A nameless section after the first one is left to the system.
    ExpectTheSameBytes(&before, s, ModelFollows(before));
  }
}

TEST_F(SaveInOnePieceTest, FilesTheModelCannotFollowAreLeftToTheSystemsWrites) {
  const std::string utf16 = std::string("\xFF\xFE[\0C\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0", 22);
  const std::vector<std::string> corpus = {
      utf16,
      "\xEF\xBB\xBF[Configuration]\r\n前后台=1\r\n",          // UTF-8 with its mark
      std::string("[Configuration]\r\n窗口标题=a") + '\0' + "b\r\n",  // a zero byte
      "[Configuration]\r\n窗口标题=\x81\r\n",                  // half a character
      "[Configuration]\r\n[]\r\n前后台=1\r\n",                   // a nameless section
  };
  const Settings s = {1, "T", kTwoRows};
  for (const std::string& before : corpus) ExpectTheSameBytes(&before, s, false);
  // A value with a line break in it.
  ExpectTheSameBytes(nullptr, {0, "a\r\nb", {}}, false);
}

TEST_F(SaveInOnePieceTest, AFailedSaveKeepsTheOldBytesAndSaysWhy) {
  const std::string old = "[Configuration]\r\n前后台=1\r\n";
  const std::string path = SettingsPathHere();
  PutPlan(kTwoRows);
  HANDLE locked = INVALID_HANDLE_VALUE;
  struct Case {
    const char* name;
    DWORD error;
    std::function<void()> block, unblock;
  };
  // (A read-only file is no test under Wine run as root: it may be written.)
  const std::string saving = path + ".saving";
  const Case cases[] = {
      {"the name of the file written first taken by a folder", ERROR_ACCESS_DENIED,
       [&] { CreateDirectoryA(saving.c_str(), nullptr); }, [&] { RemoveDirectoryA(saving.c_str()); }},
      {"held by another without sharing", ERROR_SHARING_VIOLATION,
       [&] { locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
       [&] { CloseHandle(locked); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(old);
    c.block();
    const std::vector<BoxCall> boxes = BoxesDuring(PressSave);
    c.unblock();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("配置没有保存到 " + path + "\r\n" + SystemReason(c.error), boxes[0].text);
    EXPECT_EQ("信息：", boxes[0].caption);
    EXPECT_EQ(static_cast<uint32_t>(MB_SYSTEMMODAL | MB_ICONINFORMATION), boxes[0].style);
    EXPECT_EQ(Shown(old), Shown(FileBytes()));
    EXPECT_FALSE(FileThere(path + ".saving"));
  }
}

}  // namespace
}  // namespace klvtest
