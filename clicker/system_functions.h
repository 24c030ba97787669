// Entry numbers of the image's system-function table, and typed wrappers
// the clicker uses. Every call goes through the runtime's CallSystemFunction.
#pragma once
#include <cstdint>

#include "clicker/runtime_access.h"

namespace klv::clicker {

enum SystemFunction {
  kTerminateThread = 0,
  kFindWindowExA = 1,
  kMouseEvent = 2,
  kGetCursorPos = 3,
  kClientToScreen = 4,
  kSetCursorPos = 5,
  kGetDesktopWindow = 6,
  kPostMessageA = 7,
  kGetWindowLongA = 8,
  kGetWindowTextA = 9,
  kGetParent = 10,
  kCreateThread = 11,
  kCreateWaitableTimerA = 12,
  kSetWaitableTimer = 13,
  kMsgWaitForMultipleObjects = 14,
  kCloseHandle = 15,
  kUnregisterHotKey = 16,
  kRegisterHotKey = 17,
  kSetWindowLongA = 18,
  kGetCurrentProcessId = 19,
  kEnumWindows = 20,
  kGetWindowThreadProcessId = 21,
  kGetClassNameA = 22,
  kIsWindowVisible = 23,
  kMessageBoxA = 24,
  kCallWindowProcA = 25,
  kFindWindowA = 26,
  kGetWindowRect = 27,
  kWindowFromPoint = 28,
  kGetFocus = 29,
  kGetPrivateProfileStringA = 30,
  kCreateFileA = 31,
  kReadFile = 32,
  kWriteFile = 33,
  kFlushFileBuffers = 34,
  kMoveFileExA = 35,
  kDeleteFileA = 36,
  kGetLastError = 37,
  kFormatMessageA = 38,
  kMultiByteToWideChar = 39,
  kWideCharToMultiByte = 40,
  kSendMessageA = 41,
  kInvalidateRect = 42,
};

constexpr uint32_t kWaitObject0 = 0;
constexpr uint32_t kWaitFailed = 0xFFFFFFFF;
constexpr uint32_t kInfinite = 0xFFFFFFFF;
constexpr uint32_t kAllInputButRaw = 0xFF;  // QS_ALLINPUT without the raw-input bit

// True when the waitable handle is signalled now (a zero-time wait).
inline bool IsSignalled(uint32_t handle) {
  uint32_t handles[1] = {handle};
  return handle != 0 && CallSystem(kMsgWaitForMultipleObjects, {1, Word(handles), 0, 0, 0}) == kWaitObject0;
}

}  // namespace klv::clicker
