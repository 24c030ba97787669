// The runtime services, and HostNotify, the callback libraries use.
#include "runtime/runtime_services.h"

#include "runtime/app_runtime.h"
#include "runtime/array_value.h"
#include "runtime/heap.h"
#include "runtime/program_path.h"
#include "runtime/runtime_errors.h"
#include "runtime/system_text.h"
#include "runtime/text_value.h"
#include "runtime/window_manager.h"
#include "runtime/window_registry.h"

namespace klv {

uint32_t WindowHostNotify(int code, uint32_t first, uint32_t second);

namespace {

bool AttributesMatch(const WIN32_FIND_DATAW& found, uint32_t filter) {
  return filter == 0 || (found.dwFileAttributes & filter) != 0;
}

uint32_t FileSearch(FileSearchStep* step) {
  if (step == nullptr) return 0;
  WIN32_FIND_DATAW found;
  bool ok;
  if (step->handle == nullptr || step->handle == INVALID_HANDLE_VALUE) {
    step->handle = FindFirstFileW(SystemTextArgument(step->pattern ? step->pattern : "").get(), &found);
    ok = step->handle != INVALID_HANDLE_VALUE;
    if (!ok) step->handle = nullptr;
  } else {
    ok = FindNextFileW(step->handle, &found) != FALSE;
  }
  while (ok && !AttributesMatch(found, step->attributeFilter)) ok = FindNextFileW(step->handle, &found) != FALSE;
  FreeMemory(step->foundName);
  step->foundName = ok ? CopyText(ToProgramText(found.cFileName).c_str()) : nullptr;
  return ok ? 1 : 0;
}

uint32_t CloseFileSearch(FileSearchStep* step) {
  if (step && step->handle) FindClose(step->handle);
  if (step) step->handle = nullptr;
  return 1;
}

const DataTypeRecord* DataTypeFor(uint32_t typeCode) {
  const ProgramImageHeader* image = Runtime().image;
  uint32_t library = typeCode >> 16, type = typeCode & 0xFFFF;
  if (image == nullptr || library == 0 || library > image->libraryCount || type == 0) return nullptr;
  const LibraryRecord* record = image->libraries[library - 1];
  if (record == nullptr || type > record->dataTypeCount) return nullptr;
  return &record->dataTypes[type - 1];
}

uint32_t ConvertToNumber(const CommandArgument* value, double* out) {
  double number = 0;
  switch (value ? value->type : 0) {
    case TypeCode::kByte: number = static_cast<uint8_t>(value->low); break;
    case TypeCode::kShort: number = static_cast<int16_t>(value->low); break;
    case TypeCode::kInteger: number = static_cast<int32_t>(value->low); break;
    case TypeCode::kLong:
      number = static_cast<double>(static_cast<int64_t>((uint64_t{value->high} << 32) | value->low));
      break;
    case TypeCode::kFloat: {
      float f;
      static_assert(sizeof f == 4, "single real");
      __builtin_memcpy(&f, &value->low, 4);
      number = f;
      break;
    }
    case TypeCode::kDouble: __builtin_memcpy(&number, &value->low, 8); break;
    default: ReportRuntimeError("欲转换数据类型不是数值", 0);
  }
  if (out) *out = number;
  return 1;
}

}  // namespace

uint32_t CallRuntimeService(int service, uint32_t first, uint32_t second) {
  switch (service) {
    case RuntimeService::kFileSearchStep: return FileSearch(reinterpret_cast<FileSearchStep*>(first));
    case RuntimeService::kCloseFileSearch: return CloseFileSearch(reinterpret_cast<FileSearchStep*>(first));
    case RuntimeService::kMakeArrayWritable:
      MakeArrayWritable(first, reinterpret_cast<void**>(second));
      return 0;
    case RuntimeService::kSetExitHook:
      Runtime().exitHook = reinterpret_cast<void (*)()>(first);
      return 0;
    case RuntimeService::kInitRuntime:
      InitRuntime();
      return 0;
    case RuntimeService::kSetEndingHook:
      Runtime().endingHook = reinterpret_cast<void (*)()>(first);
      return 0;
    case RuntimeService::kLoadWindow: return LoadOwnedWindow(first, second) ? 1 : 0;
    case RuntimeService::kAddSystemMenuEntry: return AddSystemMenuEntry(first, second) ? 1 : 0;
    default:
      // Properties of non-window objects: no such object exists in this program.
      RaiseRuntimeError(RuntimeError::kArgumentTypeMismatch);
  }
}

uint32_t HostNotify(int code, uint32_t first, uint32_t second) {
  switch (code) {
    case HostNotifyCode::kDataTypeRecord:
      return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(DataTypeFor(first)));
    case HostNotifyCode::kConvertToNumber:
      return ConvertToNumber(reinterpret_cast<const CommandArgument*>(first), reinterpret_cast<double*>(second));
    case HostNotifyCode::kProgramDirectory:
      return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(CopyText(ProgramDirectory())));
    case HostNotifyCode::kProgramFileName:
      return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(CopyText(ProgramFileName())));
    case HostNotifyCode::kProcessPendingMessages:
      ProcessPendingMessages();
      return 0;
    case HostNotifyCode::kAllocate:
      return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(AllocateMemory(first)));
    default:
      return WindowHostNotify(code, first, second);
  }
}

}  // namespace klv
