#include "runtime/system_thunks.h"

#include <windows.h>

#include <type_traits>
#include <utility>

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

// WindowFromPoint takes its POINT by value: the caller passes its two
// members, X first.
uint32_t InvokeWindowFromPoint(void* address, const uint32_t* arguments) {
  auto function = reinterpret_cast<HWND(WINAPI*)(POINT)>(address);
  POINT point = {static_cast<LONG>(arguments[0]), static_cast<LONG>(arguments[1])};
  return ToWord(function(point));
}

const SystemFunctionThunk kThunks[kSystemFunctionCount] = {
    Thunk<BOOL, HANDLE, DWORD>(),                                      // 0 TerminateThread
    Thunk<HWND, HWND, HWND, LPCSTR, LPCSTR>(),                         // 1 FindWindowExA
    Thunk<void, DWORD, DWORD, DWORD, DWORD, ULONG_PTR>(),              // 2 mouse_event
    Thunk<BOOL, LPPOINT>(),                                            // 3 GetCursorPos
    Thunk<BOOL, HWND, LPPOINT>(),                                      // 4 ClientToScreen
    Thunk<BOOL, int, int>(),                                           // 5 SetCursorPos
    Thunk<HWND>(),                                                     // 6 GetDesktopWindow
    Thunk<BOOL, HWND, UINT, WPARAM, LPARAM>(),                         // 7 PostMessageA
    Thunk<LONG, HWND, int>(),                                          // 8 GetWindowLongA
    Thunk<int, HWND, LPSTR, int>(),                                    // 9 GetWindowTextA
    Thunk<HWND, HWND>(),                                               // 10 GetParent
    Thunk<HANDLE, LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD,
          LPDWORD>(),                                                  // 11 CreateThread
    Thunk<HANDLE, LPSECURITY_ATTRIBUTES, BOOL, LPCSTR>(),              // 12 CreateWaitableTimerA
    Thunk<BOOL, HANDLE, const LARGE_INTEGER*, LONG, PTIMERAPCROUTINE, LPVOID,
          BOOL>(),                                                     // 13 SetWaitableTimer
    Thunk<DWORD, DWORD, const HANDLE*, BOOL, DWORD, DWORD>(),          // 14 MsgWaitForMultipleObjects
    Thunk<BOOL, HANDLE>(),                                             // 15 CloseHandle
    Thunk<BOOL, HWND, int>(),                                          // 16 UnregisterHotKey
    Thunk<BOOL, HWND, int, UINT, UINT>(),                              // 17 RegisterHotKey
    Thunk<LONG, HWND, int, LONG>(),                                    // 18 SetWindowLongA
    Thunk<DWORD>(),                                                    // 19 GetCurrentProcessId
    Thunk<BOOL, WNDENUMPROC, LPARAM>(),                                // 20 EnumWindows
    Thunk<DWORD, HWND, LPDWORD>(),                                     // 21 GetWindowThreadProcessId
    Thunk<int, HWND, LPSTR, int>(),                                    // 22 GetClassNameA
    Thunk<BOOL, HWND>(),                                               // 23 IsWindowVisible
    Thunk<int, HWND, LPCSTR, LPCSTR, UINT>(),                          // 24 MessageBoxA
    Thunk<LRESULT, WNDPROC, HWND, UINT, WPARAM, LPARAM>(),             // 25 CallWindowProcA
    Thunk<HWND, LPCSTR, LPCSTR>(),                                     // 26 FindWindowA
    Thunk<BOOL, HWND, LPRECT>(),                                       // 27 GetWindowRect
    {2, &InvokeWindowFromPoint},                                       // 28 WindowFromPoint
    Thunk<HWND>(),                                                     // 29 GetFocus
    Thunk<DWORD, LPCSTR, LPCSTR, LPCSTR, LPSTR, DWORD, LPCSTR>(),      // 30 GetPrivateProfileStringA
    Thunk<HANDLE, LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD,
          HANDLE>(),                                                   // 31 CreateFileA
    Thunk<BOOL, HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED>(),       // 32 ReadFile
    Thunk<BOOL, HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED>(),      // 33 WriteFile
    Thunk<BOOL, HANDLE>(),                                             // 34 FlushFileBuffers
    Thunk<BOOL, LPCSTR, LPCSTR, DWORD>(),                              // 35 MoveFileExA
    Thunk<BOOL, LPCSTR>(),                                             // 36 DeleteFileA
    Thunk<DWORD>(),                                                    // 37 GetLastError
    Thunk<DWORD, DWORD, LPCVOID, DWORD, DWORD, LPSTR, DWORD, va_list*>(),  // 38 FormatMessageA
    Thunk<int, UINT, DWORD, LPCSTR, int, LPWSTR, int>(),               // 39 MultiByteToWideChar
    Thunk<int, UINT, DWORD, LPCWSTR, int, LPSTR, int, LPCSTR, LPBOOL>(),  // 40 WideCharToMultiByte
    Thunk<LRESULT, HWND, UINT, WPARAM, LPARAM>(),                      // 41 SendMessageA
    Thunk<BOOL, HWND, const RECT*, BOOL>(),                            // 42 InvalidateRect
};

}  // namespace

const SystemFunctionThunk* SystemFunctionThunkFor(int number) {
  if (number < 0 || number >= kSystemFunctionCount) return nullptr;
  return &kThunks[number];
}

}  // namespace klv
