#include "runtime/system_thunks.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <iterator>
#include <type_traits>
#include <utility>

#include "runtime/control_mirror.h"
#include "runtime/interface/numbered_table.h"

// Functions of a later Windows than the build targets, which its headers
// leave out so that no direct call of them compiles: declared here, as the
// headers of that Windows declare them, only for the table's prototypes.
extern "C" {
WINBASEAPI WINBOOL WINAPI SetProcessInformation(HANDLE process, PROCESS_INFORMATION_CLASS informationClass,
                                                LPVOID information, DWORD informationSize);
WINUSERAPI DPI_AWARENESS_CONTEXT WINAPI GetWindowDpiAwarenessContext(HWND window);
WINUSERAPI DPI_AWARENESS_CONTEXT WINAPI SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT context);
WINUSERAPI UINT WINAPI GetDpiForWindow(HWND window);
}

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
// the functions it has: an entry of a later Windows compiles only with its
// declaration above and its release below.
template <typename Function>
struct Prototype;
template <typename R, typename... A>
struct Prototype<R WINAPI(A...)> {
  static constexpr int kWords = static_cast<int>(sizeof...(A));
  static constexpr SystemFunctionThunk Plain() { return {kWords, &Invoke<R, A...>}; }
  static constexpr SystemFunctionThunk NestedLoop() { return {kWords, &InvokeNested<R, A...>}; }
};

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

// How an entry is called: through its function's declared prototype,
// unless its number says otherwise below.
template <SystemFunction N>
struct CallForm {
  template <typename Function>
  static constexpr SystemFunctionThunk Thunk() {
    return Prototype<Function>::Plain();
  }
};
// A function of a later Windows than the build targets: optional.
template <WindowsRelease Since>
struct LaterWindows {
  static_assert(Since != kOldestSupportedWindows, "a function every supported Windows has is not optional");
  template <typename Function>
  static constexpr SystemFunctionThunk Thunk() {
    SystemFunctionThunk thunk = Prototype<Function>::Plain();
    thunk.since = Since;
    return thunk;
  }
};
// With arguments the caller passes otherwise (a structure by value).
template <int Words, uint32_t (*Invoke)(void*, const uint32_t*)>
struct PassedOtherwise {
  template <typename Function>
  static constexpr SystemFunctionThunk Thunk() {
    return {Words, Invoke};
  }
};

// A function with a message loop of its own (a message box, a file dialog).
struct RunsOwnLoop {
  template <typename Function>
  static constexpr SystemFunctionThunk Thunk() {
    return Prototype<Function>::NestedLoop();
  }
};

template <>
struct CallForm<kMessageBoxA> : RunsOwnLoop {};
template <>
struct CallForm<kGetOpenFileNameW> : RunsOwnLoop {};
template <>
struct CallForm<kGetSaveFileNameW> : RunsOwnLoop {};
template <>
struct CallForm<kWindowFromPoint> : PassedOtherwise<2, &InvokeWindowFromPoint> {};
template <>
struct CallForm<kChildWindowFromPointEx> : PassedOtherwise<4, &InvokeChildWindowFromPointEx> {};
template <>
struct CallForm<kSetProcessInformation> : LaterWindows<WindowsRelease::kWindows8> {};
template <>
struct CallForm<kGetWindowDpiAwarenessContext> : LaterWindows<WindowsRelease::kWindows10Version1607> {};
template <>
struct CallForm<kSetThreadDpiAwarenessContext> : LaterWindows<WindowsRelease::kWindows10Version1607> {};
template <>
struct CallForm<kGetDpiForWindow> : LaterWindows<WindowsRelease::kWindows10Version1607> {};

struct ThunkRow {
  SystemFunction number;
  SystemFunctionThunk thunk;
};

#define KLV_THUNK_ROW(number, name, library, exportName) \
  {k##name, CallForm<k##name>::Thunk<decltype(::exportName)>()},
#define KLV_THUNK_ENTRY(number, library, exportName) KLV_THUNK_ROW(number, exportName, library, exportName)
constexpr ThunkRow kThunkRows[] = {KLV_SYSTEM_FUNCTIONS(KLV_THUNK_ENTRY, KLV_THUNK_ROW)};
#undef KLV_THUNK_ENTRY
#undef KLV_THUNK_ROW
static_assert(std::size(kThunkRows) == kSystemFunctionCount, "one prototype per system function");
static_assert(RowsInNumberOrder(kThunkRows), "prototypes out of entry-number order");

constexpr std::array<SystemFunctionThunk, kSystemFunctionCount> kThunks = ColumnOf(kThunkRows, &ThunkRow::thunk);

}  // namespace

const SystemFunctionThunk* SystemFunctionThunkFor(int number) {
  if (number < 0 || number >= kSystemFunctionCount) return nullptr;
  return &kThunks[number];
}

}  // namespace klv
