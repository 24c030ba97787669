// Start-up and shut-down of the application runtime.
#include "runtime/app_runtime.h"

#include <ole2.h>

#include <cstring>
#include <string>

#include "runtime/control_mirror.h"
#include "runtime/heap.h"
#include "runtime/program_path.h"
#include "runtime/runtime_errors.h"
#include "runtime/system_binding.h"
#include "runtime/system_text.h"
#include "runtime/text_value.h"
#include "runtime/window_manager.h"

namespace klv {
namespace {

RuntimeState g_state;
// Travels with the private exit message, so that the message from any other
// sender is ignored.
uint32_t g_exitCookie = 0;
const char kMessageWindowClass[] = "KlikvaneRuntimeMessages";

void* ProcessHeapAllocate(size_t bytes) { return HeapAlloc(g_state.heap, 0, bytes); }
void* ProcessHeapResize(void* block, size_t bytes) { return HeapReAlloc(g_state.heap, 0, block, bytes); }
void ProcessHeapRelease(void* block) { HeapFree(g_state.heap, 0, block); }

void NotifyLibraries(int code, uint32_t argument) {
  const ProgramImageHeader* image = g_state.image;
  if (image == nullptr) return;
  for (uint32_t i = 0; i < image->libraryCount; ++i) {
    const LibraryRecord* library = image->libraries[i];
    if (library && library->processNotifyLib) library->processNotifyLib(code, argument, 0);
  }
}

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kExitRequestMessage && static_cast<uint32_t>(lParam) == g_exitCookie &&
      GetCurrentThreadId() == g_state.mainThreadId) {
    // Release the sender at once: it parks itself, and the ending hook may
    // have to wait for that very thread to end.
    g_state.exitHandedOver = true;
    ReplyMessage(0);
    ExitProgram(static_cast<int>(wParam));
  }
  // The session ends (log-off or shut-down): end as a quit does.
  if (message == WM_ENDSESSION && wParam != FALSE) ExitProgram(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

void CreateMessageWindow() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = MessageWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kMessageWindowClass;
  RegisterClassA(&windowClass);
  g_state.messageWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kMessageWindowClass, nullptr, WS_POPUP, 0, 0, 0, 0,
                                          nullptr, nullptr, windowClass.hInstance, nullptr);
}

void RunIdleCallbacks() {
  auto& callbacks = g_state.idleCallbacks;
  for (size_t i = callbacks.size(); i-- > 0;) {
    if (!IsWindow(callbacks[i].window)) {
      callbacks.erase(callbacks.begin() + static_cast<ptrdiff_t>(i));
      continue;
    }
    IdleCallback callback = callbacks[i];
    callback.routine(callback.argument);
  }
}

bool MessageWaiting() {
  MSG message;
  return PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
}

// The end of a fatal runtime error: the program's exit routine does not run.
void EndAfterFatalError() {
  g_state.exitHook = nullptr;
  ExitProgram(-1);
}

// Clean-up steps 2 to 6; runs once, on the main thread.
void CleanUp() {
  g_state.cleanupBegun = true;
  g_state.shuttingDown = true;
  g_state.idleCallbacks.clear();
  DestroyAllWindowDescriptions();
  if (void (*hook)() = g_state.exitHook) {
    g_state.exitHook = nullptr;
    hook();
  }
  NotifyLibraries(ProcessNotifyCode::kShutdown, 0);
  ReleaseSystemFunctions();
  if (g_state.messageWindow) DestroyWindow(g_state.messageWindow);
  g_state.messageWindow = nullptr;
  if (g_state.oleInitialized) OleUninitialize();
  g_state.oleInitialized = false;
}

}  // namespace

RuntimeState& Runtime() { return g_state; }

void InitRuntimeForImage(const ProgramImageHeader* image) {
  g_state.image = image;
  g_state.heap = GetProcessHeap();
  SetHeapBackend({ProcessHeapAllocate, ProcessHeapResize, ProcessHeapRelease});
  SetOutOfMemoryHandler(ReportOutOfMemory);
  SetFatalEnd(EndAfterFatalError);
  if (image) {
    g_state.runMode = image->runMode;
    g_state.unknownHeaderWord2 = image->unknownHeaderWord2;
    g_state.unknownHeaderWord3 = image->unknownHeaderWord3;
  }
  if (!g_state.oleInitialized) g_state.oleInitialized = SUCCEEDED(OleInitialize(nullptr));
  SplitProgramPath();
  if (!g_state.messageWindow) CreateMessageWindow();
  g_state.mainThreadId = GetCurrentThreadId();
  g_exitCookie = static_cast<uint32_t>(GetTickCount()) ^ (GetCurrentProcessId() << 16) ^
                 static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&g_state)) ^ 0x5A17C3E1u;
  if (image) SetConstantsRange(image->constants, image->constantsLength);
  InitSystemFunctionTables(image);
  NotifyLibraries(ProcessNotifyCode::kStart, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&HostNotify)));
}

void InitRuntime() {
  InitRuntimeForImage(g_state.image);
  const ProgramImageHeader* image = g_state.image;
  if (image && image->templateLength > 0 && !ReadWindowTemplates(image->templateBlock, image->templateLength)) {
    ReportRuntimeError(kUnreadableTemplateMessage, 0);
  }
}

int RunProgram(const ProgramImageHeader* image) {
  g_state.image = image;
  image->codeBase->programStart(&SupportTable());
  // The runtime's exit step: clean-up with exit code 0.
  ExitProgram(0);
}

void ExitProgram(int exitCode) {
  RaiseEventSuppression();
  if (g_state.mainThreadId != 0 && GetCurrentThreadId() != g_state.mainThreadId) {
    if (g_state.messageWindow) {
      SendMessageA(g_state.messageWindow, kExitRequestMessage, static_cast<WPARAM>(exitCode), g_exitCookie);
    }
    if (!g_state.cleanupBegun && !g_state.exitHandedOver) ExitProcess(static_cast<UINT>(exitCode));
    ExitThread(0);  // the main thread is ending the process
  }
  if (!g_state.cleanupBegun) {
    RunEndingHook();
    CleanUp();
  }
  ExitProcess(static_cast<UINT>(exitCode));
}

void RunEndingHook() {
  void (*hook)() = g_state.endingHook;
  if (hook == nullptr || g_state.cleanupBegun || g_state.endingHookDepth >= 2) return;
  if (g_state.mainThreadId != 0 && GetCurrentThreadId() != g_state.mainThreadId) return;
  ++g_state.endingHookDepth;
  hook();
  --g_state.endingHookDepth;
}

void RunMessageLoop() {
  g_state.lastWindowEndsLoop = true;
  if (!AnyLoadedWindowAlive()) return;
  MSG message;
  for (;;) {
    if (!MessageWaiting()) {
      RunIdleCallbacks();
      DWORD idleStart = GetTickCount();
      while (!MessageWaiting() && RunWindowIdleProcessing(GetTickCount() - idleStart)) {
      }
      if (!MessageWaiting()) WaitMessage();
    }
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return;
      if (PreTranslateWindowMessage(&message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void ProcessPendingMessages() {
  MirrorBatch::Interlude pumping;  // a handler that pumps holds no changes back meanwhile
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return;
    // Remove exactly that kind of message, so a WM_QUIT queued meanwhile stays.
    if (!PeekMessageW(&message, nullptr, message.message, message.message, PM_REMOVE)) continue;
    if (PreTranslateWindowMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void LoadStartWindow(uint32_t windowId) {
  if (!LoadWindowById(windowId, false, nullptr)) ReportRuntimeError("载入启动窗口失败", 0);
}

}  // namespace klv
