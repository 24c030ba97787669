// Binding of the program's system-function table on first call. In this
// process the binding's LoadLibraryA and LoadLibraryW, GetProcAddress and FreeLibrary calls
// are watched as they happen (LoaderCallLog); the failures, which end the
// program, are shown by child processes.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "app/klikvane_image.h"
#include "image/program_image_data.h"
#include "runtime/wide_entries.h"
#include "runtime/app_runtime.h"
#include "runtime/private_messages.h"
#include "runtime/program_path.h"
#include "runtime/system_binding.h"
#include "runtime/interface/system_function_numbers.h"
#include "runtime/system_thunks.h"
#include "tests/runtime/expected_logs.h"
#include "tests/runtime/in_process_runtime.h"
#include "tests/runtime/loader_calls.h"
#include "tests/runtime/runtime_child_run.h"
#include "tests/support/child_process.h"

namespace {

using namespace klvtest;  // the runtime child and its log
using Lines = std::vector<std::string>;

using klv::kFindWindowExA;
using klv::kMouseEvent;
using klv::kPostMessageA;
using klv::kTerminateThread;

// The number of entries of the program's table.
int EntryCount() { return static_cast<int>(klv::kProgramImage.systemFunctionCount); }

class SystemBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    klvtest::StartInProcessRuntime();
    klv::InitSystemFunctionTables(&klvtest::InProcessImage());
  }
  void TearDown() override { klv::ReleaseSystemFunctions(); }

  static void ExpectUnboundExcept(std::set<int> bound) {
    for (int n = 0; n < EntryCount(); ++n) {
      if (bound.count(n)) continue;
      EXPECT_EQ(nullptr, klv::BoundSystemAddress(n)) << "entry " << n;
      EXPECT_EQ(nullptr, klv::BoundSystemModule(n)) << "entry " << n;
    }
  }

  const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  const HMODULE user32 = GetModuleHandleA("user32.dll");
};

TEST_F(SystemBinding, StartingTheTablesLoadsNothing) {
  klvtest::LoaderCallLog calls;
  klv::InitSystemFunctionTables(&klvtest::InProcessImage());
  EXPECT_EQ(Lines{}, calls.Take());
  ExpectUnboundExcept({});
}

TEST_F(SystemBinding, EmptyLibraryTextReleasesEveryDefaultLibraryWithoutTheExportAndKeepsTheOneWithIt) {
  klvtest::LoaderCallLog calls;
  constexpr UINT kPosted = klv::kFirstFreeMessage + 7;
  const uint32_t arguments[4] = {0, kPosted, 0x1234, 0x5678};  // to this thread's queue
  EXPECT_EQ(1u, klv::CallSystemFunction(kPostMessageA, 4, arguments));
  EXPECT_EQ((Lines{
                "LoadLibraryA(\"Kernel32.dll\") -> kernel32.dll",
                "GetProcAddress(kernel32.dll, \"PostMessageA\") -> null",
                "FreeLibrary(kernel32.dll)",
                "LoadLibraryA(\"Gdi32.dll\") -> gdi32.dll",
                "GetProcAddress(gdi32.dll, \"PostMessageA\") -> null",
                "FreeLibrary(gdi32.dll)",
                "LoadLibraryA(\"User32.dll\") -> user32.dll",
                "GetProcAddress(user32.dll, \"PostMessageA\") -> found",
            }),
            calls.Take());
  EXPECT_EQ(user32, klv::BoundSystemModule(kPostMessageA));
  EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(user32, "PostMessageA")), klv::BoundSystemAddress(kPostMessageA));
  ExpectUnboundExcept({kPostMessageA});

  // The arguments arrived in order; a second call binds nothing again.
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, kPosted, kPosted, PM_REMOVE));
  EXPECT_EQ(0x1234u, message.wParam);
  EXPECT_EQ(0x5678, message.lParam);
  calls.Take();
  EXPECT_EQ(1u, klv::CallSystemFunction(kPostMessageA, 4, arguments));
  EXPECT_EQ(Lines{}, calls.Take());
  EXPECT_TRUE(PeekMessageA(&message, nullptr, kPosted, kPosted, PM_REMOVE));
}

TEST_F(SystemBinding, EmptyLibraryTextFoundInTheFirstDefaultLibraryKeepsThatModule) {
  klvtest::LoaderCallLog calls;
  klv::ResolveSystemFunction(kTerminateThread);
  EXPECT_EQ((Lines{"LoadLibraryA(\"Kernel32.dll\") -> kernel32.dll",
                   "GetProcAddress(kernel32.dll, \"TerminateThread\") -> found"}),
            calls.Take());
  EXPECT_EQ(kernel32, klv::BoundSystemModule(kTerminateThread));
  ExpectUnboundExcept({kTerminateThread});
}

TEST_F(SystemBinding, NamedLibraryIsTriedInTheProgramDirectoryFirst) {
  klvtest::LoaderCallLog calls;
  const std::string folder = klvtest::ProgramFolder();
  ASSERT_STREQ(folder.c_str(), klv::ProgramDirectory());
  klv::ResolveSystemFunction(kMouseEvent);    // "user32.dll"
  klv::ResolveSystemFunction(kFindWindowExA);  // "user32"
  EXPECT_EQ((Lines{
                "LoadLibraryW(\"" + folder + "\\user32.dll\") -> null",
                "LoadLibraryW(\"user32.dll\") -> user32.dll",
                "GetProcAddress(user32.dll, \"mouse_event\") -> found",
                "LoadLibraryW(\"" + folder + "\\user32\") -> null",
                "LoadLibraryW(\"user32\") -> user32.dll",
                "GetProcAddress(user32.dll, \"FindWindowExA\") -> found",
            }),
            calls.Take());
  EXPECT_EQ(user32, klv::BoundSystemModule(kMouseEvent));
  EXPECT_EQ(user32, klv::BoundSystemModule(kFindWindowExA));
}

TEST_F(SystemBinding, LibraryTextWithAColonIsLoadedExactlyAsWritten) {
  char systemFolder[MAX_PATH] = "";
  GetSystemDirectoryA(systemFolder, MAX_PATH);
  const std::string fullPath = std::string(systemFolder) + "\\user32.dll";
  std::vector<const char*> libraries(EntryCount(), nullptr);
  libraries[kPostMessageA] = fullPath.c_str();
  klv::ProgramImageHeader image = klvtest::InProcessImage();
  image.libraryNames = libraries.data();
  klv::InitSystemFunctionTables(&image);

  klvtest::LoaderCallLog calls;
  klv::ResolveSystemFunction(kPostMessageA);
  EXPECT_EQ((Lines{"LoadLibraryW(\"" + fullPath + "\") -> user32.dll",
                   "GetProcAddress(user32.dll, \"PostMessageA\") -> found"}),
            calls.Take());
  EXPECT_EQ(user32, klv::BoundSystemModule(kPostMessageA));
}

TEST_F(SystemBinding, EveryEntryOfTheProgramsTableBindsBeforeTheSearchReachesTheLaterDefaultLibraries) {
  const bool mprLoadedBefore = GetModuleHandleA("mpr.dll") != nullptr;
  Lines seen;
  {
    klvtest::LoaderCallLog calls;
    for (int n = 0; n < EntryCount(); ++n) klv::ResolveSystemFunction(n);
    seen = calls.Take();
  }
  for (int n = 0; n < EntryCount(); ++n) {
    SCOPED_TRACE(klv::kSystemFunctionNames[n]);
    HMODULE module = klv::BoundSystemModule(n);
    // The timer-resolution entries name the multimedia library, the token
    // entries the security library, the file dialogs and dropped files
    // theirs; every other one is found in kernel32 or user32.
    const std::string library = klv::kSystemLibraryNames[n];
    if (library == "winmm.dll" || library == "advapi32.dll" || library == "comdlg32" || library == "shell32") {
      EXPECT_EQ(GetModuleHandleA(library.c_str()), module);
    } else {
      EXPECT_TRUE(module == kernel32 || module == user32);
    }
    ASSERT_NE(nullptr, klv::BoundSystemAddress(n));
    // An entry that carries text is the runtime's own, speaking program text.
    void* wide = klv::WideEntryFor(n);
    EXPECT_EQ(wide ? wide : reinterpret_cast<void*>(GetProcAddress(module, klv::kSystemFunctionNames[n])),
              klv::BoundSystemAddress(n));
  }
  for (const std::string& call : seen) {
    EXPECT_EQ(std::string::npos, call.find("Advapi32")) << call;
    EXPECT_EQ(std::string::npos, call.find("Mpr")) << call;
    EXPECT_EQ(std::string::npos, call.find("Shell32")) << call;
  }
  if (!mprLoadedBefore) {
    EXPECT_EQ(nullptr, GetModuleHandleA("mpr.dll"));
  }
}

TEST_F(SystemBinding, ShutdownReleasesTheModuleReferenceOfEveryBoundEntry) {
  klv::ResolveSystemFunction(kTerminateThread);
  klv::ResolveSystemFunction(kMouseEvent);
  klv::ResolveSystemFunction(kPostMessageA);
  klvtest::LoaderCallLog calls;
  klv::ReleaseSystemFunctions();
  EXPECT_EQ((Lines{"FreeLibrary(kernel32.dll)", "FreeLibrary(user32.dll)", "FreeLibrary(user32.dll)"}), calls.Take());
  EXPECT_EQ(nullptr, klv::BoundSystemAddress(kPostMessageA));
  EXPECT_EQ(nullptr, klv::BoundSystemModule(kTerminateThread));
}

TEST_F(SystemBinding, BindingLeavesTheThreadsLastErrorAsTheCallBeforeLeftIt) {
  SetLastError(4321);
  EXPECT_EQ(4321u, klv::CallSystemFunction(klv::kGetLastError, 0, nullptr));  // bound by this very call
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_EQ(static_cast<uint32_t>(ERROR_ACCESS_DENIED), klv::CallSystemFunction(klv::kGetLastError, 0, nullptr));
}

// A function of a later Windows than the oldest supported, on a system
// without it: the call does nothing and answers 0, as the function answers a
// failure, and the system is asked once.
TEST_F(SystemBinding, AnOptionalEntryTheSystemLacksAnswersZeroAndIsLookedForOnce) {
  std::vector<const char*> exports(klv::kSystemFunctionNames.begin(), klv::kSystemFunctionNames.end());
  int optional = 0;
  for (int n = 0; n < EntryCount(); ++n) {
    if (klv::SystemFunctionThunkFor(n)->optional()) exports[n] = "NoSuchExport";
  }
  klv::ProgramImageHeader image = klvtest::InProcessImage();
  image.functionNames = exports.data();
  klv::InitSystemFunctionTables(&image);
  for (int n = 0; n < EntryCount(); ++n) {
    const klv::SystemFunctionThunk* thunk = klv::SystemFunctionThunkFor(n);
    if (!thunk->optional()) continue;
    ++optional;
    SCOPED_TRACE(klv::kSystemFunctionNames[n]);
    std::vector<uint32_t> arguments(static_cast<size_t>(thunk->argumentCount), 0);
    SetLastError(77);
    EXPECT_EQ(0u, klv::CallSystemFunction(n, thunk->argumentCount, arguments.data()));
    EXPECT_EQ(77u, GetLastError());
    klvtest::LoaderCallLog calls;
    EXPECT_EQ(0u, klv::CallSystemFunction(n, thunk->argumentCount, arguments.data()));
    EXPECT_EQ(Lines{}, calls.Take());
    EXPECT_EQ(nullptr, klv::BoundSystemModule(n));
  }
  EXPECT_GE(optional, 1);
}

// ---- failures: each ends the child program ----

Lines FailedCall(const std::string& call, const std::string& hookLine) {
  return ChildLog("call " + call,
                  {"call " + call.substr(0, call.find(',')) + " with " + call.substr(call.find(',') + 1) + " arguments",
                   hookLine, ShutdownNotified(2)});
}

TEST(SystemBindingFailure, MissingExportOfANamedLibraryShowsLibraryAndExport) {
  const std::string message = "无法找到指定DLL库文件“user32.dll”中的输出命令“NoSuchExport”";
  klvtest::ChildRun run = RunRuntimeChild("box", "call", "29,0");
  ASSERT_TRUE(run.boxShown);
  EXPECT_EQ(klvtest::MessageOnlyReport(message), run.boxText);
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(ChildLog("call 29,0", {"call 29 with 0 arguments", ShutdownNotified(2)}), run.log);

  run = RunRuntimeChild("hook", "call", "29,0");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(FailedCall("29,0", ErrorHookLine("main", 0, 1, message, klvtest::MessageOnlyReport(message))), run.log);
}

TEST(SystemBindingFailure, MissingExportWithAnEmptyLibraryTextShowsOnlyTheExport) {
  const std::string message = "无法找到指定DLL库文件中的输出命令“NoSuchExport”";
  klvtest::ChildRun run = RunRuntimeChild("hook", "call", "19,0");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(FailedCall("19,0", ErrorHookLine("main", 0, 1, message, klvtest::MessageOnlyReport(message))), run.log);
}

TEST(SystemBindingFailure, LibraryThatCannotBeLoadedShowsTheSameMessage) {
  const std::string message = "无法找到指定DLL库文件“NoSuchLibrary.dll”中的输出命令“GetDesktopWindow”";
  klvtest::ChildRun run = RunRuntimeChild("hook", "call", "6,0");
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(FailedCall("6,0", ErrorHookLine("main", 0, 1, message, klvtest::MessageOnlyReport(message))), run.log);
}

TEST(SystemBindingFailure, CallWithTheWrongArgumentCountIsRuntimeError6) {
  klvtest::ChildRun run = RunRuntimeChild("hook", "call", "7,3");  // PostMessageA takes four
  EXPECT_EQ(kErrorExitCode, run.exitCode);
  EXPECT_EQ(FailedCall("7,3", ErrorHookLine("main", 6, 1, klvtest::kStackErrorMessage, klvtest::kStackErrorReport)),
            run.log);

  run = RunRuntimeChild("hook", "call", "7,4");
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_EQ(ChildLog("call 7,4", {"call 7 with 4 arguments", "call returned 1", "start routine returns",
                                  "exit-hook thread=main suppression=1", ShutdownNotified(1)}),
            run.log);
}

}  // namespace
