// HostNotify 2018: a library asks the runtime to process the calling thread's
// pending messages. Everything queued before a WM_QUIT is dispatched, in
// order; the WM_QUIT and whatever follows it stay queued for the loop.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "runtime/app_runtime.h"
#include "runtime/private_messages.h"
#include "tests/runtime/in_process_runtime.h"
#include "tests/support/test_window_class.h"

namespace {

std::vector<UINT> g_dispatched;

LRESULT CALLBACK LoggingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= klv::kFirstFreeMessage) g_dispatched.push_back(message - klv::kFirstFreeMessage);
  return DefWindowProcA(window, message, wParam, lParam);
}

class PendingMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    klvtest::StartInProcessRuntime();
    window_ = CreateWindowExA(0, klvtest::RegisterTestWindowClass("KlvPendingMessagesTest", LoggingWindowProc), "", 0,
                              0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
    g_dispatched.clear();
  }
  void TearDown() override {
    DestroyWindow(window_);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  void Post(UINT appMessage) { PostMessageA(window_, klv::kFirstFreeMessage + appMessage, 0, 0); }
  static void ProcessPending() { klv::HostNotify(klv::HostNotifyCode::kProcessPendingMessages, 0, 0); }

  // The next queued message, removed.
  static MSG Next() {
    MSG message = {};
    PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    return message;
  }

  HWND window_ = nullptr;
};

TEST_F(PendingMessages, DispatchesInOrderUpToAQueuedQuitAndLeavesTheRest) {
  ASSERT_NE(nullptr, window_);
  Post(1);
  Post(2);
  PostMessageA(nullptr, WM_QUIT, 5, 0);
  Post(3);
  ProcessPending();
  EXPECT_EQ((std::vector<UINT>{1, 2}), g_dispatched);
  MSG quit = Next();
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), quit.message);
  EXPECT_EQ(5u, quit.wParam);
  EXPECT_EQ(klv::kFirstFreeMessage + 3, Next().message);
}

TEST_F(PendingMessages, LeavesTheQuitRequestOfPostQuitMessageForTheLoop) {
  ASSERT_NE(nullptr, window_);
  PostQuitMessage(7);
  Post(1);
  ProcessPending();
  EXPECT_EQ((std::vector<UINT>{1}), g_dispatched);
  MSG quit = Next();
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), quit.message);
  EXPECT_EQ(7u, quit.wParam);
}

}  // namespace
