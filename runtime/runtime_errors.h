// Fatal runtime errors: one message box, then the program ends with -1.
#pragma once
#include <cstdint>

namespace klv {

// The numbered runtime errors.
namespace RuntimeError {
// Numbered in order from 1, as the messages are.
enum : int {
  kIndexOutOfRange = 1,
  kNumberExpected,
  kDimensionMismatch,
  kIndexBelowOne,
  kTypeMismatch,
  kStackErrorAfterDllCall,  // also: a system function called with the wrong argument count
  kNoValueFromSubexpression,
  kOnlyEqualityComparable,
  kChoiceIndexOutOfRange,
  kBadArrayDimension,
  kArgumentTypeMismatch,
  kLast = kArgumentTypeMismatch
};
}  // namespace RuntimeError

// Messages of the numbered runtime errors; null for any other number.
const char* RuntimeErrorMessage(int number);

// The report text: a fresh heap text (never null).
char* FormatErrorReport(const char* message, int code);

// The optional hook shown every report first; a nonzero answer suppresses the
// message box. The program installs none; tests do.
using ErrorHook = int (*)(int code, const char* message);
void SetErrorHook(ErrorHook hook);

// How the program ends after a report; the runtime installs its own ending
// at start-up. Without one the process ends at once with -1.
using FatalEnd = void (*)();
void SetFatalEnd(FatalEnd end);

// While the count is not 0 no event is dispatched.
int EventSuppressionCount();
void RaiseEventSuppression();
void LowerEventSuppression();

// Suppresses events for as long as it lives.
class EventSuppressionScope {
 public:
  EventSuppressionScope() { RaiseEventSuppression(); }
  ~EventSuppressionScope() { LowerEventSuppression(); }
  EventSuppressionScope(const EventSuppressionScope&) = delete;
  EventSuppressionScope& operator=(const EventSuppressionScope&) = delete;
};

[[noreturn]] void ReportRuntimeError(const char* message, int code);
[[noreturn]] void RaiseRuntimeError(int number);
// Formats "分配 %d 字节内存失败!" into a 100-byte buffer and reports it.
[[noreturn]] void ReportOutOfMemory(uint32_t byteCount);

}  // namespace klv
