// The hotkey module's own supports: the reminder box (for blank
// identifiers, and with every argument given), the search for a visible
// window of a process, and the snapshot of all top-level windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <thread>

#include "clicker/globals.h"
#include "clicker/hotkeys.h"
#include "clicker/window_list.h"
#include "clicker/runtime_access.h"
#include "tests/pointing/klikvane_state.h"
#include "tests/pointing/pointing_support.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"

namespace klvtest {
namespace {

using klv::clicker::WindowInfo;

constexpr char kReminderCaption[] = "友情提醒";
constexpr char kReminderText[] = "【窗口_热键注册】命令第5个参数【标识文本】不能为空文本";

// What a message box of this process showed, read on another thread while
// the call that shows it waits for its answer.
struct ShownBox {
  bool found = false;
  std::string text;
  HWND owner = nullptr;
  bool informationIcon = false;
  std::vector<int> buttons;  // control ids of the visible buttons
};

BOOL CALLBACK CollectBoxParts(HWND child, LPARAM context) {
  auto* box = reinterpret_cast<ShownBox*>(context);
  char className[32] = "";
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child)) box->buttons.push_back(GetDlgCtrlID(child));
  if (lstrcmpiA(className, "Static") == 0 &&
      reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == LoadIconA(nullptr, IDI_INFORMATION)) {
    box->informationIcon = true;
  }
  return TRUE;
}

// Runs show, reads the box with that caption and answers it with button.
ShownBox WatchBox(const std::string& caption, int button, const std::function<void()>& show) {
  ShownBox shown;
  std::thread watcher([&shown, &caption, button] {
    HWND box = WaitForMessageBox(GetCurrentProcessId(), caption);
    if (!box) return;
    shown.found = true;
    shown.text = MessageBoxText(box);
    shown.owner = GetWindow(box, GW_OWNER);
    EnumChildWindows(box, CollectBoxParts, reinterpret_cast<LPARAM>(&shown));
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
  });
  show();
  watcher.join();
  return shown;
}

long __stdcall NeverRuns(void*, unsigned, unsigned, long) { return 0; }

TEST(HotkeyModule, EmptyAndAllSpaceIdentifiersAreRefusedWithTheReminderBox) {
  const LONG_PTR procedure = GetWindowLongPtrA(MainWindowHandle(), GWLP_WNDPROC);
  for (const std::string identifier : {"", "   ", "　　", " 　 "}) {
    const uint32_t before = HotkeyRecordCount();
    bool registered = true;
    ShownBox shown = WatchBox(kReminderCaption, IDOK, [&] {
      registered = klv::clicker::RegisterWindowHotkey(0, MOD_CONTROL, VK_F8, NeverRuns, identifier.c_str());
    });
    EXPECT_FALSE(registered) << "[" << identifier << "]";
    ASSERT_TRUE(shown.found) << "[" << identifier << "]";
    EXPECT_EQ(kReminderText, shown.text);
    EXPECT_EQ(MainWindowHandle(), shown.owner);
    EXPECT_TRUE(shown.informationIcon);
    EXPECT_EQ(std::vector<int>{IDOK}, shown.buttons);
    EXPECT_EQ(before, HotkeyRecordCount());
    EXPECT_TRUE(KeyIsFree(MOD_CONTROL, VK_F8));
  }
  EXPECT_EQ(procedure, GetWindowLongPtrA(MainWindowHandle(), GWLP_WNDPROC));
}

TEST(HotkeyModule, TheReminderBoxTakesTheStyleCaptionAndOwnerGivenAndAnswersOneLess) {
  ProbeWindow owner("Pointing box owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const uint32_t style = MB_OKCANCEL;
  const uint32_t ownerHandle = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(owner.handle()));
  int32_t answer = 0;
  ShownBox shown = WatchBox("另一个标题", IDCANCEL, [&] {
    answer = klv::clicker::ShowReminderBox("盒子里的话", &style, "另一个标题", &ownerHandle);
  });
  ASSERT_TRUE(shown.found);
  EXPECT_EQ("盒子里的话", shown.text);
  EXPECT_EQ(owner.handle(), shown.owner);
  EXPECT_FALSE(shown.informationIcon);
  EXPECT_EQ((std::vector<int>{IDOK, IDCANCEL}), shown.buttons);
  EXPECT_EQ(IDCANCEL - 1, answer);
}

TEST(HotkeyModule, FindProcessWindowTakesTheFirstVisibleWindowWhoseTitleAndClassContainTheTexts) {
  const DWORD self = GetCurrentProcessId();
  const uint32_t main = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(MainWindowHandle()));
  EXPECT_EQ(main, klv::clicker::FindProcessWindow(self, nullptr, nullptr));
  EXPECT_EQ(main, klv::clicker::FindProcessWindow(self, "kLIKv", nullptr));
  EXPECT_EQ(0u, klv::clicker::FindProcessWindow(self, "no such title", nullptr));
  EXPECT_EQ(0u, klv::clicker::FindProcessWindow(self + 4, nullptr, nullptr));
  ProbeWindow hidden("Pointing findable hidden", WS_OVERLAPPEDWINDOW);
  ProbeWindow shown("Pointing findable", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const uint32_t probe = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(shown.handle()));
  EXPECT_EQ(probe, klv::clicker::FindProcessWindow(self, "FINDABLE", nullptr));
  EXPECT_EQ(probe, klv::clicker::FindProcessWindow(self, "findable", "pointingprobe"));
  EXPECT_EQ(0u, klv::clicker::FindProcessWindow(self, "findable hidden", nullptr));
  EXPECT_EQ(0u, klv::clicker::FindProcessWindow(self, "findable", "no such class"));
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

void FreeSnapshot(void* list) {
  for (uint32_t i = 0; i < klv::clicker::PointerCount(list); ++i) {
    auto* info = static_cast<WindowInfo*>(klv::clicker::PointerAt(list, i));
    klv::clicker::Free(info->title);
    klv::clicker::Free(info->className);
  }
  klv::clicker::FreePointerArrayDeep(list);
}

TEST(HotkeyModule, TheSnapshotHoldsEveryTopLevelWindowInEnumerationOrder) {
  ProbeWindow probe("Pointing snapshot", WS_OVERLAPPED);  // hidden windows count too
  std::vector<HWND> expected;
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&expected));
  void* list = nullptr;
  const uint32_t count = klv::clicker::SnapshotWindowRecords(&list);
  ASSERT_EQ(expected.size(), count);
  const WindowInfo* mine = nullptr;
  for (uint32_t i = 0; i < count; ++i) {
    auto* info = static_cast<const WindowInfo*>(klv::clicker::PointerAt(list, i));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(expected[i]), info->handle) << i;
    if (info->handle == reinterpret_cast<uintptr_t>(probe.handle())) mine = info;
  }
  ASSERT_NE(nullptr, mine);
  EXPECT_EQ(GetCurrentProcessId(), mine->processId);
  EXPECT_EQ(GetCurrentThreadId(), mine->threadId);
  EXPECT_STREQ("Pointing snapshot", mine->title);
  EXPECT_STREQ("KlikvanePointingProbe", mine->className);
  // A second snapshot into the same list replaces it; the collection
  // buffer is left empty each time.
  EXPECT_EQ(count, klv::clicker::SnapshotWindowRecords(&list));
  EXPECT_EQ(0u, klv::clicker::PointerCount(klv::clicker::Globals().windowSnapshot));
  FreeSnapshot(list);
}

}  // namespace
}  // namespace klvtest
