#include "runtime/system_thunks.h"

#include <windows.h>

#include <iterator>
#include <type_traits>
#include <utility>

#include "runtime/control_mirror.h"
#include "runtime/numbered_table.h"

namespace klv {
namespace {

template <typename T>
T FromWord(uint32_t word) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<T>(static_cast<uintptr_t>(word));
  } else {
    return static_cast<T>(word);
  }
}

template <typename T>
uint32_t ToWord(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(value));
  } else {
    return static_cast<uint32_t>(value);
  }
}

template <typename R, typename... A, size_t... I>
uint32_t InvokeWith(void* address, const uint32_t* arguments, std::index_sequence<I...>) {
  auto function = reinterpret_cast<R(WINAPI*)(A...)>(address);
  if constexpr (std::is_void_v<R>) {
    function(FromWord<A>(arguments[I])...);
    return 0;
  } else {
    return ToWord(function(FromWord<A>(arguments[I])...));
  }
}

template <typename R, typename... A>
uint32_t Invoke(void* address, const uint32_t* arguments) {
  return InvokeWith<R, A...>(address, arguments, std::index_sequence_for<A...>{});
}

template <typename R, typename... A>
constexpr SystemFunctionThunk Thunk() {
  return {static_cast<int>(sizeof...(A)), &Invoke<R, A...>};
}

// A function that runs a message loop of its own until it returns (a message
// box): the calling handler's mirror changes are published first.
template <typename R, typename... A>
uint32_t InvokeNested(void* address, const uint32_t* arguments) {
  MirrorBatch::Interlude loop;
  return Invoke<R, A...>(address, arguments);
}

template <typename R, typename... A>
constexpr SystemFunctionThunk NestedLoopThunk() {
  return {static_cast<int>(sizeof...(A)), &InvokeNested<R, A...>};
}

// WindowFromPoint takes its POINT by value: the caller passes its two
// members, X first.
uint32_t InvokeWindowFromPoint(void* address, const uint32_t* arguments) {
  auto function = reinterpret_cast<HWND(WINAPI*)(POINT)>(address);
  POINT point = {static_cast<LONG>(arguments[0]), static_cast<LONG>(arguments[1])};
  return ToWord(function(point));
}

// ChildWindowFromPointEx takes its POINT by value between the parent and the
// flags: the caller passes parent, X, Y, flags.
uint32_t InvokeChildWindowFromPointEx(void* address, const uint32_t* arguments) {
  auto function = reinterpret_cast<HWND(WINAPI*)(HWND, POINT, UINT)>(address);
  POINT point = {static_cast<LONG>(arguments[1]), static_cast<LONG>(arguments[2])};
  return ToWord(function(FromWord<HWND>(arguments[0]), point, arguments[3]));
}

// One row per entry, in entry-number order (runtime/system_function_numbers.h).
struct ThunkRow {
  SystemFunction number;
  SystemFunctionThunk thunk;
};

constexpr ThunkRow kThunkRows[] = {
    // Stopping a thread.
    {kTerminateThread, Thunk<BOOL, HANDLE, DWORD>()},
    // Clicking: the target window, the cursor and the mouse messages.
    {kFindWindowExA, Thunk<HWND, HWND, HWND, LPCSTR, LPCSTR>()},
    {kMouseEvent, Thunk<void, DWORD, DWORD, DWORD, DWORD, ULONG_PTR>()},
    {kGetCursorPos, Thunk<BOOL, LPPOINT>()},
    {kClientToScreen, Thunk<BOOL, HWND, LPPOINT>()},
    {kSetCursorPos, Thunk<BOOL, int, int>()},
    {kGetDesktopWindow, Thunk<HWND>()},
    {kPostMessageA, Thunk<BOOL, HWND, UINT, WPARAM, LPARAM>()},
    // Looking at a window.
    {kGetWindowLongA, Thunk<LONG, HWND, int>()},
    {kGetWindowTextA, Thunk<int, HWND, LPSTR, int>()},
    {kGetParent, Thunk<HWND, HWND>()},
    // The runner thread and its waits.
    {kCreateThread, Thunk<HANDLE, LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD>()},
    {kCreateWaitableTimerA, Thunk<HANDLE, LPSECURITY_ATTRIBUTES, BOOL, LPCSTR>()},
    {kSetWaitableTimer, Thunk<BOOL, HANDLE, const LARGE_INTEGER*, LONG, PTIMERAPCROUTINE, LPVOID, BOOL>()},
    {kMsgWaitForMultipleObjects, Thunk<DWORD, DWORD, const HANDLE*, BOOL, DWORD, DWORD>()},
    {kCloseHandle, Thunk<BOOL, HANDLE>()},
    // Hotkeys and the replaced window procedure.
    {kUnregisterHotKey, Thunk<BOOL, HWND, int>()},
    {kRegisterHotKey, Thunk<BOOL, HWND, int, UINT, UINT>()},
    {kSetWindowLongA, Thunk<LONG, HWND, int, LONG>()},
    // Listing the top-level windows.
    {kGetCurrentProcessId, Thunk<DWORD>()},
    {kEnumWindows, Thunk<BOOL, WNDENUMPROC, LPARAM>()},
    {kGetWindowThreadProcessId, Thunk<DWORD, HWND, LPDWORD>()},
    {kGetClassNameA, Thunk<int, HWND, LPSTR, int>()},
    {kIsWindowVisible, Thunk<BOOL, HWND>()},
    // Telling the operator; passing messages on.
    {kMessageBoxA, NestedLoopThunk<int, HWND, LPCSTR, LPCSTR, UINT>()},
    {kCallWindowProcA, Thunk<LRESULT, WNDPROC, HWND, UINT, WPARAM, LPARAM>()},
    // Capturing a point: the window under the cursor.
    {kFindWindowA, Thunk<HWND, LPCSTR, LPCSTR>()},
    {kGetWindowRect, Thunk<BOOL, HWND, LPRECT>()},
    {kWindowFromPoint, {2, &InvokeWindowFromPoint}},
    {kGetFocus, Thunk<HWND>()},
    // The settings file.
    {kGetPrivateProfileStringA, Thunk<DWORD, LPCSTR, LPCSTR, LPCSTR, LPSTR, DWORD, LPCSTR>()},
    // The window a background click reaches; the top-level window of a captured point.
    {kChildWindowFromPointEx, {4, &InvokeChildWindowFromPointEx}},
    {kMapWindowPoints, Thunk<int, HWND, HWND, LPPOINT, UINT>()},
    {kGetAncestor, Thunk<HWND, HWND, UINT>()},
    {kGetWindow, Thunk<HWND, HWND, UINT>()},
    // A run's timer resolution and its high-resolution step timer.
    {kTimeBeginPeriod, Thunk<UINT, UINT>()},
    {kTimeEndPeriod, Thunk<UINT, UINT>()},
    {kCreateWaitableTimerExW, Thunk<HANDLE, LPSECURITY_ATTRIBUTES, LPCWSTR, DWORD, DWORD>()},
    // The settings file read and written in one piece, its failures told, and
    // the plan list's drawing paused while a plan is loaded.
    {kCreateFileA, Thunk<HANDLE, LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE>()},
    {kReadFile, Thunk<BOOL, HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED>()},
    {kWriteFile, Thunk<BOOL, HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED>()},
    {kFlushFileBuffers, Thunk<BOOL, HANDLE>()},
    {kMoveFileExA, Thunk<BOOL, LPCSTR, LPCSTR, DWORD>()},
    {kDeleteFileA, Thunk<BOOL, LPCSTR>()},
    {kGetLastError, Thunk<DWORD>()},
    {kFormatMessageA, Thunk<DWORD, DWORD, LPCVOID, DWORD, DWORD, LPSTR, DWORD, va_list*>()},
    {kMultiByteToWideChar, Thunk<int, UINT, DWORD, LPCSTR, int, LPWSTR, int>()},
    {kWideCharToMultiByte, Thunk<int, UINT, DWORD, LPCWSTR, int, LPSTR, int, LPCSTR, LPBOOL>()},
    {kSendMessageA, Thunk<LRESULT, HWND, UINT, WPARAM, LPARAM>()},
    {kInvalidateRect, Thunk<BOOL, HWND, const RECT*, BOOL>()},
};
static_assert(std::size(kThunkRows) == kSystemFunctionCount, "one prototype per system function");
static_assert(RowsInNumberOrder(kThunkRows), "prototypes out of entry-number order");

constexpr std::array<SystemFunctionThunk, kSystemFunctionCount> kThunks = ColumnOf(kThunkRows, &ThunkRow::thunk);

}  // namespace

const SystemFunctionThunk* SystemFunctionThunkFor(int number) {
  if (number < 0 || number >= kSystemFunctionCount) return nullptr;
  return &kThunks[number];
}

}  // namespace klv
