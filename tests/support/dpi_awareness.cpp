#include "tests/support/dpi_awareness.h"

namespace klvtest {
namespace {

FARPROC User32Function(const char* name) { return GetProcAddress(GetModuleHandleA("user32.dll"), name); }

using SetContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using GetThreadContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)();
using GetWindowContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using AwarenessFunction = int(WINAPI*)(DPI_AWARENESS_CONTEXT);

}  // namespace

int AwarenessOf(DPI_AWARENESS_CONTEXT context) {
  auto awareness = reinterpret_cast<AwarenessFunction>(User32Function("GetAwarenessFromDpiAwarenessContext"));
  return awareness && context ? awareness(context) : -1;
}

const char* NameOf(Awareness awareness) {
  switch (awareness) {
    case Awareness::kUnaware: return "unaware";
    case Awareness::kSystemAware: return "system-aware";
    case Awareness::kPerMonitorAware: return "per-monitor-aware";
    default: return "process default";
  }
}

DPI_AWARENESS_CONTEXT SetThreadAwareness(DPI_AWARENESS_CONTEXT context) {
  auto set = reinterpret_cast<SetContextFunction>(User32Function("SetThreadDpiAwarenessContext"));
  return set ? set(context) : nullptr;
}

DPI_AWARENESS_CONTEXT ContextOf(Awareness awareness) {
  return reinterpret_cast<DPI_AWARENESS_CONTEXT>(static_cast<intptr_t>(awareness));
}

DPI_AWARENESS_CONTEXT ThreadContextNow() {
  auto get = reinterpret_cast<GetThreadContextFunction>(User32Function("GetThreadDpiAwarenessContext"));
  return get ? get() : nullptr;
}

int ThreadAwarenessNow() { return AwarenessOf(ThreadContextNow()); }

int WindowAwareness(HWND window) {
  auto get = reinterpret_cast<GetWindowContextFunction>(User32Function("GetWindowDpiAwarenessContext"));
  return get ? AwarenessOf(get(window)) : -1;
}

POINT PhysicalCursor() {
  ThreadAwareness physical(Awareness::kPerMonitorAware);
  POINT cursor = {0, 0};
  GetCursorPos(&cursor);
  return cursor;
}

ThreadAwareness::ThreadAwareness(Awareness awareness) {
  if (awareness != Awareness::kProcessDefault) before_ = SetThreadAwareness(ContextOf(awareness));
}

ThreadAwareness::~ThreadAwareness() {
  if (before_) SetThreadAwareness(before_);
}

}  // namespace klvtest
