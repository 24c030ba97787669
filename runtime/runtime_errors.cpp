// The report path that every fatal error of the runtime and its libraries
// takes: the hook or a message box, then the installed ending (clean-up and
// exit code -1).
#include <windows.h>

#include <cstdio>

#include "runtime/heap.h"
#include "runtime/runtime_errors.h"
#include "runtime/system_text.h"

namespace klv {
namespace {
ErrorHook g_errorHook = nullptr;
FatalEnd g_fatalEnd = nullptr;
bool g_hookRunning = false;
volatile LONG g_suppression = 0;
}  // namespace

void SetErrorHook(ErrorHook hook) { g_errorHook = hook; }
void SetFatalEnd(FatalEnd end) { g_fatalEnd = end; }
int EventSuppressionCount() { return static_cast<int>(g_suppression); }
void RaiseEventSuppression() { InterlockedIncrement(&g_suppression); }
void LowerEventSuppression() { InterlockedDecrement(&g_suppression); }

void ReportRuntimeError(const char* message, int code) {
  RaiseEventSuppression();
  bool suppressBox = false;
  if (g_errorHook && !g_hookRunning) {
    g_hookRunning = true;
    suppressBox = g_errorHook(code, message) != 0;
    g_hookRunning = false;
  }
  if (!suppressBox) {
    char* text = FormatErrorReport(message, code);
    ShowSystemMessageBox(nullptr, text, "错误", MB_OK | MB_ICONERROR);
    FreeMemory(text);
  }
  if (g_fatalEnd) g_fatalEnd();
  ExitProcess(static_cast<UINT>(-1));
}

void RaiseRuntimeError(int number) { ReportRuntimeError(RuntimeErrorMessage(number), number); }

void ReportOutOfMemory(uint32_t byteCount) {
  char message[100];
  std::snprintf(message, sizeof message, "分配 %d 字节内存失败!", static_cast<int>(byteCount));
  ReportRuntimeError(message, 0);
}

}  // namespace klv
