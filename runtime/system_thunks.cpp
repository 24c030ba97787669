#include "runtime/system_thunks.h"

#include <windows.h>

#include <iterator>
#include <type_traits>
#include <utility>

#include "runtime/control_mirror.h"
#include "runtime/interface/numbered_table.h"

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

// A function that runs a message loop of its own until it returns (a message
// box): the calling handler's mirror changes are published first.
template <typename R, typename... A>
uint32_t InvokeNested(void* address, const uint32_t* arguments) {
  MirrorBatch::Interlude loop;
  return Invoke<R, A...>(address, arguments);
}

// The prototype of a function as the system headers declare it. The build
// targets the oldest supported Windows (WINVER), whose headers declare only
// the functions it has: an entry marked Declared that needs a later Windows
// does not compile.
template <typename Function>
struct Prototype;
template <typename R, typename... A>
struct Prototype<R WINAPI(A...)> {
  static constexpr int kWords = static_cast<int>(sizeof...(A));
  static constexpr SystemFunctionThunk Plain() { return {kWords, &Invoke<R, A...>}; }
  static constexpr SystemFunctionThunk NestedLoop() { return {kWords, &InvokeNested<R, A...>}; }
};

template <typename Function>
constexpr SystemFunctionThunk Declared() {
  return Prototype<Function>::Plain();
}
template <typename Function>
constexpr SystemFunctionThunk DeclaredNestedLoop() {
  return Prototype<Function>::NestedLoop();
}
// Declared, with arguments the caller passes otherwise (a structure by value).
template <typename Function>
constexpr SystemFunctionThunk DeclaredWith(int words, uint32_t (*invoke)(void*, const uint32_t*)) {
  return {words, invoke};
}
// A function of a later Windows than the build targets, with its prototype
// written out here: optional.
template <WindowsRelease Since, typename R, typename... A>
constexpr SystemFunctionThunk Newer() {
  static_assert(Since != kOldestSupportedWindows, "a function every supported Windows has is Declared");
  return {static_cast<int>(sizeof...(A)), &Invoke<R, A...>, Since};
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

// One row per entry, in entry-number order (runtime/interface/system_function_numbers.h).
struct ThunkRow {
  SystemFunction number;
  SystemFunctionThunk thunk;
};

constexpr ThunkRow kThunkRows[] = {
    // Stopping a thread.
    {kTerminateThread, Declared<decltype(::TerminateThread)>()},
    // Clicking: the target window, the cursor and the mouse messages.
    {kFindWindowExA, Declared<decltype(::FindWindowExA)>()},
    {kMouseEvent, Declared<decltype(::mouse_event)>()},
    {kGetCursorPos, Declared<decltype(::GetCursorPos)>()},
    {kClientToScreen, Declared<decltype(::ClientToScreen)>()},
    {kSetCursorPos, Declared<decltype(::SetCursorPos)>()},
    {kGetDesktopWindow, Declared<decltype(::GetDesktopWindow)>()},
    {kPostMessageA, Declared<decltype(::PostMessageA)>()},
    // Looking at a window.
    {kGetWindowLongA, Declared<decltype(::GetWindowLongA)>()},
    {kGetWindowTextA, Declared<decltype(::GetWindowTextA)>()},
    {kGetParent, Declared<decltype(::GetParent)>()},
    // The runner thread and its waits.
    {kCreateThread, Declared<decltype(::CreateThread)>()},
    {kCreateWaitableTimerA, Declared<decltype(::CreateWaitableTimerA)>()},
    {kSetWaitableTimer, Declared<decltype(::SetWaitableTimer)>()},
    {kMsgWaitForMultipleObjects, Declared<decltype(::MsgWaitForMultipleObjects)>()},
    {kCloseHandle, Declared<decltype(::CloseHandle)>()},
    // Hotkeys and the replaced window procedure.
    {kUnregisterHotKey, Declared<decltype(::UnregisterHotKey)>()},
    {kRegisterHotKey, Declared<decltype(::RegisterHotKey)>()},
    {kSetWindowLongA, Declared<decltype(::SetWindowLongA)>()},
    // Listing the top-level windows.
    {kGetCurrentProcessId, Declared<decltype(::GetCurrentProcessId)>()},
    {kEnumWindows, Declared<decltype(::EnumWindows)>()},
    {kGetWindowThreadProcessId, Declared<decltype(::GetWindowThreadProcessId)>()},
    {kGetClassNameA, Declared<decltype(::GetClassNameA)>()},
    {kIsWindowVisible, Declared<decltype(::IsWindowVisible)>()},
    // Telling the operator; passing messages on.
    {kMessageBoxA, DeclaredNestedLoop<decltype(::MessageBoxA)>()},
    {kCallWindowProcA, Declared<decltype(::CallWindowProcA)>()},
    // Capturing a point: the window under the cursor.
    {kFindWindowA, Declared<decltype(::FindWindowA)>()},
    {kGetWindowRect, Declared<decltype(::GetWindowRect)>()},
    {kWindowFromPoint, DeclaredWith<decltype(::WindowFromPoint)>(2, &InvokeWindowFromPoint)},
    {kGetFocus, Declared<decltype(::GetFocus)>()},
    // The settings file.
    {kGetPrivateProfileStringA, Declared<decltype(::GetPrivateProfileStringA)>()},
    // The window a background click reaches; the top-level window of a captured point.
    {kChildWindowFromPointEx, DeclaredWith<decltype(::ChildWindowFromPointEx)>(4, &InvokeChildWindowFromPointEx)},
    {kMapWindowPoints, Declared<decltype(::MapWindowPoints)>()},
    {kGetAncestor, Declared<decltype(::GetAncestor)>()},
    {kGetWindow, Declared<decltype(::GetWindow)>()},
    // A run's timer resolution and its high-resolution step timer.
    {kTimeBeginPeriod, Declared<decltype(::timeBeginPeriod)>()},
    {kTimeEndPeriod, Declared<decltype(::timeEndPeriod)>()},
    {kCreateWaitableTimerExW, Declared<decltype(::CreateWaitableTimerExW)>()},
    // The settings file read and written in one piece, its failures told, and
    // the plan list's drawing paused while a plan is loaded.
    {kCreateFileA, Declared<decltype(::CreateFileA)>()},
    {kReadFile, Declared<decltype(::ReadFile)>()},
    {kWriteFile, Declared<decltype(::WriteFile)>()},
    {kFlushFileBuffers, Declared<decltype(::FlushFileBuffers)>()},
    {kMoveFileExA, Declared<decltype(::MoveFileExA)>()},
    {kDeleteFileA, Declared<decltype(::DeleteFileA)>()},
    {kGetLastError, Declared<decltype(::GetLastError)>()},
    {kFormatMessageA, Declared<decltype(::FormatMessageA)>()},
    {kMultiByteToWideChar, Declared<decltype(::MultiByteToWideChar)>()},
    {kWideCharToMultiByte, Declared<decltype(::WideCharToMultiByte)>()},
    {kSendMessageA, Declared<decltype(::SendMessageA)>()},
    {kInvalidateRect, Declared<decltype(::InvalidateRect)>()},
    // A run keeps its pace while the window is hidden.
    {kGetCurrentProcess, Declared<decltype(::GetCurrentProcess)>()},
    {kSetProcessInformation, Newer<WindowsRelease::kWindows8, BOOL, HANDLE, int, LPVOID, DWORD>()},
    // The integrity level of the target's process and of this one.
    {kOpenProcess, Declared<decltype(::OpenProcess)>()},
    {kOpenProcessToken, Declared<decltype(::OpenProcessToken)>()},
    {kGetTokenInformation, Declared<decltype(::GetTokenInformation)>()},
    // Background points in the target's own pixels at any display scale.
    {kGetWindowDpiAwarenessContext, Newer<WindowsRelease::kWindows10Version1607, DPI_AWARENESS_CONTEXT, HWND>()},
    {kSetThreadDpiAwarenessContext,
     Newer<WindowsRelease::kWindows10Version1607, DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT>()},
    {kGetDpiForWindow, Newer<WindowsRelease::kWindows10Version1607, UINT, HWND>()},
    // A foreground single step frees the mouse capture first.
    {kReleaseCapture, Declared<decltype(::ReleaseCapture)>()},
    // The system's code page, for the settings file's odd forms.
    {kGetACP, Declared<decltype(::GetACP)>()},
    // Titles of any length.
    {kGetWindowTextLengthA, Declared<decltype(::GetWindowTextLengthA)>()},
    // A foreground click as one batch of input.
    {kSendInput, Declared<decltype(::SendInput)>()},
    {kGetSystemMetrics, Declared<decltype(::GetSystemMetrics)>()},
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
