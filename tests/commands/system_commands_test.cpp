// The commands that ask the system: program directory, file existence,
// message boxes (through the seam and one real box) and the message queue.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "controls/commands/core_commands.h"
#include "controls/skeleton/message_box_seam.h"
#include "runtime/app_runtime.h"
#include "runtime/private_messages.h"
#include "runtime/program_path.h"
#include "tests/support/command_call.h"
#include "tests/support/child_process.h"
#include "tests/support/test_window_class.h"

namespace klvtest {
namespace {

TEST(GetRunDirectory, GivesAFreshCopyOfTheProgramFolder) {
  const CommandResult first = Call(klv::core::GetRunDirectory, {});
  const CommandResult second = Call(klv::core::GetRunDirectory, {});
  EXPECT_NE(first.low, second.low);
  EXPECT_NE(static_cast<uintptr_t>(first.low), reinterpret_cast<uintptr_t>(klv::ProgramDirectory()));
  EXPECT_EQ(ProgramFolder(), TakeText(first));
  EXPECT_EQ(ProgramFolder(), TakeText(second));
}

class FileExistsTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"exists_a.txt", "exists_b.txt"}) {
      files_.push_back(TempPath(name));
      WriteWholeFile(files_.back(), "x");
    }
  }
  void TearDown() override {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
  }
  static bool Exists(const std::string& pattern) {
    return LogicalOf(Call(klv::core::FileExists, {Text(pattern.c_str())}));
  }
  std::vector<std::string> files_;
};

TEST_F(FileExistsTest, FindsFilesFoldersAndWildcardMatches) {
  EXPECT_TRUE(Exists(files_[0]));
  EXPECT_TRUE(Exists(TempPath("exists_*.txt")));
  EXPECT_TRUE(Exists(TempPath("exists_?.txt")));
  EXPECT_TRUE(Exists(ProgramFolder()));
  EXPECT_FALSE(Exists(TempPath("exists_c.txt")));
  EXPECT_FALSE(Exists(TempPath("exists_*.none")));
  EXPECT_FALSE(Exists(""));
}

// Records the calls ShowMessageBox makes and answers a chosen button.
struct BoxCall {
  std::string text, caption;
  uint32_t style;
};
std::vector<BoxCall> g_boxCalls;
int g_boxAnswer = IDOK;

int RecordBox(const char* text, const char* caption, uint32_t style) {
  g_boxCalls.push_back({text ? text : "(null)", caption ? caption : "(null)", style});
  return g_boxAnswer;
}

class MessageBoxSeam : public testing::Test {
 protected:
  void SetUp() override {
    g_boxCalls.clear();
    g_boxAnswer = IDOK;
    previous_ = klv::SetMessageBoxFunction(RecordBox);
  }
  void TearDown() override { klv::SetMessageBoxFunction(previous_); }
  klv::MessageBoxFunction previous_ = nullptr;
};

TEST_F(MessageBoxSeam, AddsTaskModalUnlessSystemModalAndDefaultsTheCaption) {
  Call(klv::core::ShowMessageBox, {Text("消息")});
  Call(klv::core::ShowMessageBox, {Text("a"), Integer(4096)});
  Call(klv::core::ShowMessageBox, {Text("b"), Integer(4160), Text("标题")});
  Call(klv::core::ShowMessageBox, {Text("c"), Integer(MB_YESNO | MB_ICONQUESTION), Omitted()});
  ASSERT_EQ(4u, g_boxCalls.size());
  EXPECT_EQ("消息", g_boxCalls[0].text);
  EXPECT_EQ(Escaped("信息："), Escaped(g_boxCalls[0].caption));
  EXPECT_EQ(0x2000u, g_boxCalls[0].style);
  EXPECT_EQ(0x1000u, g_boxCalls[1].style);
  EXPECT_EQ("信息：", g_boxCalls[1].caption);
  EXPECT_EQ(0x1040u, g_boxCalls[2].style);
  EXPECT_EQ("标题", g_boxCalls[2].caption);
  EXPECT_EQ(0x2024u, g_boxCalls[3].style);
  EXPECT_EQ("信息：", g_boxCalls[3].caption);
}

TEST_F(MessageBoxSeam, ShowsValuesAsToTextWritesThem) {
  Call(klv::core::ShowMessageBox, {Integer(-12)});
  Call(klv::core::ShowMessageBox, {Double(2.5)});
  Call(klv::core::ShowMessageBox, {Logical(true)});
  Call(klv::core::ShowMessageBox, {DateTime(36526.5)});
  Call(klv::core::ShowMessageBox, {Raw(klv::TypeCode::kByte, 0x1FF)});
  Call(klv::core::ShowMessageBox, {Raw(klv::TypeCode::kSubroutine, 0x401000)});
  Call(klv::core::ShowMessageBox, {Raw(klv::TypeCode::kByteSet, 0)});
  ASSERT_EQ(7u, g_boxCalls.size());
  EXPECT_EQ("-12", g_boxCalls[0].text);
  EXPECT_EQ("2.5", g_boxCalls[1].text);
  EXPECT_EQ("真", g_boxCalls[2].text);
  EXPECT_EQ("2000年1月1日12时", g_boxCalls[3].text);
  EXPECT_EQ("255", g_boxCalls[4].text);
  EXPECT_EQ("", g_boxCalls[5].text);
  EXPECT_EQ("", g_boxCalls[6].text);
}

TEST_F(MessageBoxSeam, NumbersTheButtonsFromZero) {
  const int buttons[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, 0, 8, 11};
  const int32_t expected[] = {0, 1, 2, 3, 4, 5, 6, 0, 0, 0};
  for (size_t i = 0; i < sizeof buttons / sizeof buttons[0]; ++i) {
    g_boxAnswer = buttons[i];
    EXPECT_EQ(expected[i], IntegerOf(Call(klv::core::ShowMessageBox, {Text("x")}))) << "button id " << buttons[i];
  }
}

TEST(ShowMessageBox, ShowsARealBoxWithTheDefaultCaption) {
  std::string seenText;
  bool found = false;
  std::thread watcher([&] {
    HWND box = WaitForMessageBox(GetCurrentProcessId(), "信息：");
    found = box != nullptr;
    if (!box) return;
    seenText = MessageBoxText(box);
    DismissMessageBox(box);
  });
  const CommandResult result = Call(klv::core::ShowMessageBox, {Text("真的对话框 12")});
  watcher.join();
  ASSERT_TRUE(found) << "no message box with the caption showed";
  EXPECT_EQ("真的对话框 12", seenText);
  EXPECT_EQ(0, IntegerOf(result));
}

// A window that logs every message it is sent or dispatched.
class LoggingWindow {
 public:
  LoggingWindow() {
    window_ = CreateWindowExA(0, klvtest::RegisterTestWindowClass("KlvCommandsTestLog", Procedure), "", WS_POPUP, 0, 0,
                              10, 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    log().clear();
  }
  ~LoggingWindow() { DestroyWindow(window_); }
  LoggingWindow(const LoggingWindow&) = delete;
  LoggingWindow& operator=(const LoggingWindow&) = delete;

  HWND handle() const { return window_; }
  static std::vector<UINT>& log() {
    static std::vector<UINT> messages;
    return messages;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= klv::kFirstFreeMessage || message == WM_KEYDOWN || message == WM_CHAR) log().push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
};

void DrainQueue() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(ProcessPendingMessages, DispatchesQueuedMessagesAndLeavesWmQuit) {
  LoggingWindow window;
  DrainQueue();
  PostMessageA(window.handle(), klv::kFirstFreeMessage + 1, 0, 0);
  PostMessageA(window.handle(), klv::kFirstFreeMessage + 2, 0, 0);
  PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 7, 0);
  PostMessageA(window.handle(), klv::kFirstFreeMessage + 3, 0, 0);
  Call(klv::core::ProcessPendingMessages, {});
  EXPECT_EQ((std::vector<UINT>{klv::kFirstFreeMessage + 1, klv::kFirstFreeMessage + 2}), LoggingWindow::log());

  MSG next;
  ASSERT_TRUE(PeekMessageA(&next, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), next.message);
  EXPECT_EQ(7u, next.wParam);
  Call(klv::core::ProcessPendingMessages, {});
  EXPECT_EQ((std::vector<UINT>{klv::kFirstFreeMessage + 1, klv::kFirstFreeMessage + 2, klv::kFirstFreeMessage + 3}), LoggingWindow::log());
  EXPECT_FALSE(PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE));
}

TEST(ProcessPendingMessages, TranslatesKeysIntoCharacters) {
  LoggingWindow window;
  DrainQueue();
  PostMessageA(window.handle(), WM_KEYDOWN, 'A', 0x001E0001);
  Call(klv::core::ProcessPendingMessages, {});
  EXPECT_EQ((std::vector<UINT>{WM_KEYDOWN, WM_CHAR}), LoggingWindow::log());
}

}  // namespace
}  // namespace klvtest
