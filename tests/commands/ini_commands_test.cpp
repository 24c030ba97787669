// WriteIniItem and ReadIniItem against real ini files on disk, with GBK
// section, key and value names.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "controls/commands/core_commands.h"
#include "tests/support/command_call.h"
#include "tests/support/child_process.h"

namespace klvtest {
namespace {

class IniFile : public testing::Test {
 protected:
  void SetUp() override {
    path_ = TempPath(std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".ini");
    DeleteFileA(path_.c_str());
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }

  const char* path() const { return path_.c_str(); }
  std::string Bytes() const { return ReadWholeFile(path_); }
  void Write(const std::string& bytes) const { WriteWholeFile(path_, bytes); }

  bool WriteItem(std::initializer_list<CommandArgument> rest) {
    std::vector<CommandArgument> all = {Text(path())};
    all.insert(all.end(), rest);
    return LogicalOf(Call(klv::core::WriteIniItem, all));
  }
  std::string ReadItem(const char* section, const char* key, CommandArgument fallback = Omitted()) {
    return TakeText(Call(klv::core::ReadIniItem, {Text(path()), Text(section), Text(key), fallback}));
  }

 private:
  std::string path_;
};

TEST_F(IniFile, WritesGbkNamesAndReadsThemBack) {
  EXPECT_TRUE(WriteItem({Text("设置"), Text("名称"), Text("数值")}));
  EXPECT_TRUE(WriteItem({Text("设置"), Text("key"), Text("值 2")}));
  EXPECT_EQ(Escaped("[设置]\r\n名称=数值\r\nkey=值 2\r\n"), Escaped(Bytes()));
  EXPECT_EQ("数值", ReadItem("设置", "名称"));
  EXPECT_EQ("值 2", ReadItem("设置", "key"));
}

TEST_F(IniFile, AnEmptyTextValueIsWrittenNotRemoved) {
  Write("[设置]\r\n名称=数值\r\n");
  EXPECT_TRUE(WriteItem({Text("设置"), Text("名称"), Text(nullptr)}));
  EXPECT_TRUE(WriteItem({Text("设置"), Text("新"), Text("")}));
  EXPECT_EQ(Escaped("[设置]\r\n名称=\r\n新=\r\n"), Escaped(Bytes()));
}

TEST_F(IniFile, MissingItemsGiveTheDefaultOrNothing) {
  Write("[设置]\r\n名称=数值\r\n空=\r\n");
  EXPECT_EQ("缺省", ReadItem("设置", "没有", Text("缺省")));
  EXPECT_EQ("缺省", ReadItem("没有", "名称", Text("缺省")));
  EXPECT_EQ("", ReadItem("设置", "没有"));
  EXPECT_EQ("", ReadItem("设置", "空", Text("缺省")));
}

TEST_F(IniFile, LeadingSpacesAndControlBytesOfNamesAreSkipped) {
  Write("[设置]\r\n名称=数值\r\n");
  const std::string paddedPath = std::string(" \t\x01") + path();
  EXPECT_EQ("数值", TakeText(Call(klv::core::ReadIniItem, {Text(paddedPath.c_str()), Text("  设置"), Text("\t 名称")})));
}

TEST_F(IniFile, NamesEmptyAfterSkippingGiveEmptyWithoutReadingTheFile) {
  Write("[设置]\r\n名称=数值\r\n");
  // Were the file read, the default would come back.
  EXPECT_EQ("", ReadItem("设置", "   ", Text("缺省")));
  EXPECT_EQ("", ReadItem(" \t", "名称", Text("缺省")));
  EXPECT_EQ("", ReadItem("设置", nullptr, Text("缺省")));
  EXPECT_EQ("", TakeText(Call(klv::core::ReadIniItem, {Text("  "), Text("设置"), Text("名称"), Text("缺省")})));
  EXPECT_EQ("", TakeText(Call(klv::core::ReadIniItem, {Text(path()), Text("设置")})));
}

TEST_F(IniFile, OmittedKeyDeletesTheSection) {
  Write("[甲]\r\nk=1\r\n[乙]\r\nk=2\r\n");
  EXPECT_TRUE(WriteItem({Text("甲")}));
  EXPECT_EQ(Escaped("[乙]\r\nk=2\r\n"), Escaped(Bytes()));
}

TEST_F(IniFile, OmittedValueDeletesTheKey) {
  Write("[甲]\r\na=1\r\n键=2\r\n");
  EXPECT_TRUE(WriteItem({Text("甲"), Text("a"), Omitted()}));
  EXPECT_EQ(Escaped("[甲]\r\n键=2\r\n"), Escaped(Bytes()));
  EXPECT_TRUE(WriteItem({Text("甲"), Text("键")}));
  EXPECT_EQ(Escaped("[甲]\r\n"), Escaped(Bytes()));
}

TEST_F(IniFile, ValuesLongerThanTheBufferComeBackCut) {
  std::string value;
  while (value.size() < 12000) value += "0123456789abcdefghijklmnopqrstuvwxyz";
  Write("[s]\r\nk=" + value + "\r\n");
  const std::string read = ReadItem("s", "k");
  EXPECT_EQ(10239u, read.size());
  EXPECT_EQ(value.substr(0, 10239), read);
}

TEST_F(IniFile, WritingIntoAMissingFolderFails) {
  const std::string missing = TempPath("no_such_folder\\x.ini");
  EXPECT_FALSE(LogicalOf(Call(klv::core::WriteIniItem, {Text(missing.c_str()), Text("s"), Text("k"), Text("v")})));
}

}  // namespace
}  // namespace klvtest
