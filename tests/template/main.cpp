// The template tests read deliberately broken blocks from buffers that end at
// an inaccessible page. Should the reader ever fault, report it and end the
// run at once, rather than waiting for a debugger that nobody attaches.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

LONG WINAPI ReportFaultAndExit(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  std::fprintf(stderr, "fault 0x%08lX at %p: the reader touched memory outside its block\n",
               static_cast<unsigned long>(record->ExceptionCode), record->ExceptionAddress);
  std::fflush(stderr);
  ExitProcess(3);
}

}  // namespace

int main(int argc, char** argv) {
  SetUnhandledExceptionFilter(ReportFaultAndExit);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
