// A library named by a relative library text is looked for beside the
// program first: a stand-in user32.dll (bin/fake_user32/user32.dll, whose
// mouse_event writes each call to mouse_event_calls.txt beside itself) in the
// program's folder receives the call of entry 2 ("user32.dll", mouse_event).
//
// Wine gives every load of a file named user32.dll its own built-in user32
// unless told otherwise, and a program's own import of user32 would take the
// stand-in too if it lay there at start. So the child's copy gets a Wine
// load-order override ("native") for exactly that one path, registered for
// its program name only (Wine reads WINEDLLOVERRIDES from the environment it
// was started with, not from a parent's changed one), and the stand-in is
// copied into its folder only after the child has started and is waiting to
// make the call.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/runtime/expected_logs.h"
#include "tests/runtime/runtime_child_run.h"
#include "tests/support/child_process.h"

namespace {

using klvtest::ChildLog;
using klvtest::ShutdownNotified;
using Lines = std::vector<std::string>;

// The child's copy has a name of its own, which the load-order override names.
const char kChildName[] = "program_folder_child.exe";

// A folder of its own for one copy of the child, removed with what it holds.
class ChildFolder {
 public:
  explicit ChildFolder(const std::string& name) : path_(klvtest::TempPath(name)) {
    CreateDirectoryA(path_.c_str(), nullptr);
    for (const char* file : kFiles) DeleteFileA(File(file).c_str());
    copied_ =
        CopyFileA((klvtest::ProgramFolder() + "\\runtime_child.exe").c_str(), File(kChildName).c_str(), FALSE) != FALSE;
  }
  ~ChildFolder() {
    for (const char* file : kFiles) DeleteFileA(File(file).c_str());
    RemoveDirectoryA(path_.c_str());
  }
  ChildFolder(const ChildFolder&) = delete;
  ChildFolder& operator=(const ChildFolder&) = delete;

  bool ready() const { return copied_; }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  static constexpr const char* kFiles[] = {kChildName, "user32.dll", "mouse_event_calls.txt"};
  std::string path_;
  bool copied_ = false;
};

// Sets an environment variable of this process for as long as it lives, so
// that only the children started meanwhile inherit it.
// A Wine load-order override for one library file, given for one program
// name only, for as long as it lives.
class LoadOrderOverride {
 public:
  LoadOrderOverride(const std::string& programName, const std::string& libraryPathWithoutExtension)
      : programKey_("Software\\Wine\\AppDefaults\\" + programName) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, (programKey_ + "\\DllOverrides").c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    const char native[] = "native";
    set_ = RegSetValueExA(key, libraryPathWithoutExtension.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(native),
                          sizeof native) == ERROR_SUCCESS;
    RegCloseKey(key);
  }
  ~LoadOrderOverride() {
    RegDeleteKeyA(HKEY_CURRENT_USER, (programKey_ + "\\DllOverrides").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, programKey_.c_str());
  }
  LoadOrderOverride(const LoadOrderOverride&) = delete;
  LoadOrderOverride& operator=(const LoadOrderOverride&) = delete;
  bool set() const { return set_; }

 private:
  std::string programKey_;
  bool set_ = false;
};

class ScopedEvent {
 public:
  explicit ScopedEvent(const std::string& name) : handle_(CreateEventA(nullptr, TRUE, FALSE, name.c_str())) {}
  ~ScopedEvent() {
    if (handle_) CloseHandle(handle_);
  }
  ScopedEvent(const ScopedEvent&) = delete;
  ScopedEvent& operator=(const ScopedEvent&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

struct MouseEventRun {
  bool standInPlaced = false;
  DWORD exitCode = STILL_ACTIVE;
  Lines log;
  std::string recordedCalls;
};

// Starts the child in folder, waits until it is ready to call mouse_event,
// places the stand-in user32.dll beside it when asked, then lets it call.
MouseEventRun RunMouseEventChild(const ChildFolder& folder, bool placeStandIn) {
  static int runs = 0;
  const std::string token = std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++runs);
  ScopedEvent ready("klv_child_ready_" + token), go("klv_child_go_" + token);
  const std::string logPath = klvtest::FreshLogPath("mouse_event_child");
  MouseEventRun run;
  {
    LoadOrderOverride loadOrder(kChildName, folder.File("user32"));
    if (!loadOrder.set()) return run;
    klvtest::ChildProcess child(folder.File(kChildName), "\"" + logPath + "\" hook mouse-event " + token);
    if (!child.started()) return run;
    if (WaitForSingleObject(ready.get(), 20000) != WAIT_OBJECT_0) return run;
    if (placeStandIn) {
      run.standInPlaced = CopyFileA((klvtest::ProgramFolder() + "\\fake_user32\\user32.dll").c_str(),
                                    folder.File("user32.dll").c_str(), FALSE) != FALSE;
    }
    SetEvent(go.get());
    run.exitCode = child.Wait();
  }
  run.log = klvtest::ReadLogLines(logPath);
  run.recordedCalls = klvtest::ReadWholeFile(folder.File("mouse_event_calls.txt"));
  DeleteFileA(logPath.c_str());
  return run;
}

std::string SystemUser32Path() {
  char path[MAX_PATH * 2] = "";
  GetModuleFileNameA(GetModuleHandleA("user32.dll"), path, sizeof path);
  return path;
}

Lines MouseEventLog(const std::string& boundModule) {
  return ChildLog("mouse-event", {"bound-module=" + boundModule, "start routine returns",
                                  "exit-hook thread=main suppression=1", ShutdownNotified(1)});
}

// The token on the action line changes from run to run.
Lines WithoutToken(Lines log) {
  for (std::string& line : log) {
    if (line.rfind("action mouse-event ", 0) == 0) line = "action mouse-event";
  }
  return log;
}

TEST(ProgramFolderLibrary, UserLibraryInTheProgramsFolderWinsOverTheSystemOne) {
  ChildFolder folder("fake_user32_program");
  ASSERT_TRUE(folder.ready());
  ASSERT_NE(INVALID_FILE_ATTRIBUTES,
            GetFileAttributesA((klvtest::ProgramFolder() + "\\fake_user32\\user32.dll").c_str()));
  MouseEventRun run = RunMouseEventChild(folder, true);
  ASSERT_TRUE(run.standInPlaced);
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_EQ(MouseEventLog(folder.File("user32.dll")), WithoutToken(run.log));
  EXPECT_EQ("mouse_event 0 34 51 68 85\n", run.recordedCalls);
}

TEST(ProgramFolderLibrary, WithoutALibraryInTheProgramsFolderTheSystemOneIsBound) {
  // The same child, folder and load-order override, but nothing placed.
  ChildFolder folder("system_user32_program");
  ASSERT_TRUE(folder.ready());
  MouseEventRun run = RunMouseEventChild(folder, false);
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_EQ(MouseEventLog(SystemUser32Path()), WithoutToken(run.log));
  EXPECT_EQ("", run.recordedCalls);
}

}  // namespace
