// Plans in files of the operator's choosing. "配置另存为…" and "打开配置…" are
// chosen from the window's menu and answered in the system's real file
// dialogs as an operator answers them, from another thread: the path typed
// into the dialog's file name field, then OK (or Cancel). The dialogs' calls
// are watched on their way to the system. A file dropped on the window
// loads, and the drop is finished whatever came of it; an elevated Klikvane
// lets a drag's messages through from lower levels.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "image/main_window_units.h"
#include "tests/settings/settings_harness.h"
#include "tests/support/bound_functions.h"
#include "tests/support/child_process.h"
#include "tests/support/klikvane_session.h"
#include "tests/support/program_window.h"

namespace klvtest {
namespace {

namespace MainWindowUnit = klv::MainWindowUnit;

const Plan kPlan = {{"12", "34", "56", "左键"}, {"78", "90", "1000", "右键"}};
const wchar_t kFilterList[] = L"配置文件 (*.ini)\0*.ini\0";
const std::wstring kFilter(kFilterList, std::size(kFilterList) - 1);
constexpr DWORD kCommonFlags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

// One call of a file dialog as the program made it.
struct DialogCall {
  bool save = false;
  HWND owner = nullptr;
  DWORD flags = 0;
  std::wstring filter, extension;
  bool hasInitialFolder = false;
  std::wstring initialFolder;
};

std::mutex g_lock;
std::vector<DialogCall> g_dialogCalls;
std::vector<HDROP> g_finishedDrops;
void* g_realOpen = nullptr;
void* g_realSave = nullptr;
void* g_realFinish = nullptr;

// The filter list up to the empty text that ends it, its terminators kept.
std::wstring FilterList(const wchar_t* filter) {
  std::wstring list;
  for (const wchar_t* at = filter; at && *at; at += wcslen(at) + 1) list += std::wstring(at) + L'\0';
  return list;
}

BOOL CallDialog(bool save, OPENFILENAMEW* block) {
  {
    std::lock_guard<std::mutex> guard(g_lock);
    g_dialogCalls.push_back({save, block->hwndOwner, block->Flags, FilterList(block->lpstrFilter),
                             block->lpstrDefExt ? block->lpstrDefExt : L"", block->lpstrInitialDir != nullptr,
                             block->lpstrInitialDir ? block->lpstrInitialDir : L""});
  }
  auto real = reinterpret_cast<BOOL(WINAPI*)(OPENFILENAMEW*)>(save ? g_realSave : g_realOpen);
  return real(block);
}
BOOL WINAPI WatchedOpen(OPENFILENAMEW* block) { return CallDialog(false, block); }
BOOL WINAPI WatchedSave(OPENFILENAMEW* block) { return CallDialog(true, block); }
void WINAPI WatchedFinish(HDROP drop) {
  {
    std::lock_guard<std::mutex> guard(g_lock);
    g_finishedDrops.push_back(drop);
  }
  reinterpret_cast<void(WINAPI*)(HDROP)>(g_realFinish)(drop);
}

std::vector<DialogCall> DialogCalls() {
  std::lock_guard<std::mutex> guard(g_lock);
  return g_dialogCalls;
}
std::vector<HDROP> FinishedDrops() {
  std::lock_guard<std::mutex> guard(g_lock);
  return std::exchange(g_finishedDrops, {});
}

void ExpectDialogCall(const DialogCall& call, bool save) {
  EXPECT_EQ(save, call.save);
  EXPECT_EQ(MainWindowHandle(), call.owner);
  EXPECT_EQ(kCommonFlags | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST), call.flags);
  EXPECT_TRUE(kFilter == call.filter) << "the filter list differs";
  EXPECT_TRUE(L"ini" == call.extension) << "the default extension differs";
}

std::wstring ProgramFolderWide() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.rfind(L'\\'));
}

// From another thread: waits for a file dialog of this process (a dialog
// with a text field, which no message box has), types the path into its
// file name field and presses the button; nothing when no dialog shows.
std::thread AnswerFileDialog(std::wstring path, int button) {
  return std::thread([path, button] {
    HWND dialog = nullptr, field = nullptr;
    for (int tries = 0; tries < 400 && field == nullptr; ++tries) {
      if (tries > 0) Sleep(50);
      dialog = FindTopLevelWindow(GetCurrentProcessId(), [](HWND window) {
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        return IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0 &&
               FindChildOfClass(window, "Edit") != nullptr;
      });
      if (dialog) field = FindChildOfClass(dialog, "Edit");
    }
    if (field == nullptr) return;
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  });
}

bool WideFileThere(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadWideFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  return bytes.substr(0, read);
}

void WriteWideFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// A drop of one file as the system hands it to the window: a movable block
// of DROPFILES and the wide path list. The program finishes (frees) it.
HDROP DropOf(const std::wstring& path) {
  const size_t listBytes = (path.size() + 2) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + listBytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
  GlobalUnlock(block);
  return static_cast<HDROP>(block);
}

void Drop(HDROP drop) {
  PostMessageW(MainWindowHandle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_TRUE(PumpUntilTaken(MainWindowHandle(), WM_DROPFILES));
}

// Each test has a folder of its own under the temporary folder, with a
// Chinese name where this system can make one (Wine cannot when its locale
// is not generated: then the name is plain).
class PlanFilesTest : public SettingsFileTest {
 protected:
  static void SetUpTestSuite() {
    StandInFor("GetOpenFileNameW", reinterpret_cast<void*>(&WatchedOpen), &g_realOpen);
    StandInFor("GetSaveFileNameW", reinterpret_cast<void*>(&WatchedSave), &g_realSave);
    StandInFor("DragFinish", reinterpret_cast<void*>(&WatchedFinish), &g_realFinish);
  }
  void SetUp() override {
    SettingsFileTest::SetUp();
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base = std::wstring(temp) + L"klv" + std::to_wstring(GetCurrentProcessId()) + L"_";
    folder_ = base + L"配置方案";
    if (!CreateDirectoryW(folder_.c_str(), nullptr)) {
      folder_ = base + L"plans";
      ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
      std::printf("[   NOTE   ] this system makes no folder with a Chinese name: the plans' folder is plain\n");
    }
    FinishedDrops();
  }
  void TearDown() override {
    for (const wchar_t* name : {L"\\plan.ini", L"\\plan.ini.saving", L"\\dropped.ini"}) {
      DeleteFileW((folder_ + name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
    SettingsFileTest::TearDown();
  }

  // Chooses the menu entry, and answers its dialog with the path and button.
  void ChooseAndAnswer(uint32_t entry, const std::wstring& path, int button) {
    std::thread answer = AnswerFileDialog(path, button);
    PostMessageW(MainWindowHandle(), WM_COMMAND, MenuCommandOf(entry), 0);
    EXPECT_TRUE(PumpUntilTaken(MainWindowHandle(), WM_COMMAND, 30000));
    answer.join();
  }

  std::wstring folder_;
};

// "配置另存为…" writes the bytes "保存" writes for the same plan, to the
// chosen file; "打开配置…" loads them back. The first file dialog of the
// process opens in the program's folder, later ones where the system left off.
TEST_F(PlanFilesTest, SaveAsAndOpenRoundTripAPlanThroughTheDialogs) {
  PutPlan(kPlan);
  SelectMode(1);
  SetTitle("记事本");
  PressSave();
  const std::string saved = FileBytes();
  const std::wstring path = folder_ + L"\\plan.ini";
  const size_t before = DialogCalls().size();

  ChooseAndAnswer(MainWindowUnit::kMenuSavePlanAs, path, IDOK);
  EXPECT_EQ(Shown(saved), Shown(ReadWideFile(path)));
  EXPECT_FALSE(WideFileThere(path + L".saving"));

  PutPlan({});
  SelectMode(0);
  SetTitle("");
  ChooseAndAnswer(MainWindowUnit::kMenuOpenPlan, path, IDOK);
  EXPECT_EQ(kPlan, CurrentPlan());
  EXPECT_EQ("后台点击", ModeText());
  EXPECT_EQ("记事本", TitleText());

  const std::vector<DialogCall> calls = DialogCalls();
  ASSERT_EQ(before + 2, calls.size());
  ExpectDialogCall(calls[before], true);
  ExpectDialogCall(calls[before + 1], false);
  EXPECT_TRUE(calls[0].hasInitialFolder && calls[0].initialFolder == ProgramFolderWide())
      << "the first dialog does not open in the program's folder";
  for (size_t i = 1; i < calls.size(); ++i) EXPECT_FALSE(calls[i].hasInitialFolder) << "dialog " << i;
}

TEST_F(PlanFilesTest, CancellingEitherDialogChangesNothing) {
  PutPlan(kPlan);
  for (uint32_t entry : {MainWindowUnit::kMenuOpenPlan, MainWindowUnit::kMenuSavePlanAs}) {
    SCOPED_TRACE(entry);
    const size_t before = DialogCalls().size();
    const std::vector<BoxCall> boxes =
        BoxesDuring([&] { ChooseAndAnswer(entry, folder_ + L"\\plan.ini", IDCANCEL); });
    EXPECT_EQ(before + 1, DialogCalls().size());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(kPlan, CurrentPlan());
  }
  EXPECT_FALSE(WideFileThere(folder_ + L"\\plan.ini"));
  EXPECT_FALSE(FileThere(SettingsPathHere()));
}

TEST_F(PlanFilesTest, ADroppedFileLoadsAndTheDropIsFinished) {
  const std::wstring path = folder_ + L"\\dropped.ini";
  WriteWideFile(path, FreshFile("1", "拖入", kPlan));
  const HDROP drop = DropOf(path);
  Drop(drop);
  EXPECT_EQ(kPlan, CurrentPlan());
  EXPECT_EQ("后台点击", ModeText());
  EXPECT_EQ("拖入", TitleText());
  EXPECT_EQ(std::vector<HDROP>{drop}, FinishedDrops());
}

// A file gone before it could be read gets the load's own message, and the
// drop is finished all the same.
TEST_F(PlanFilesTest, ADroppedFileThatIsGoneShowsTheLoadsMessageAndTheDropIsFinished) {
  PutPlan(kPlan);
  const HDROP drop = DropOf(folder_ + L"\\dropped.ini");
  const std::vector<BoxCall> boxes = BoxesDuring([&] { Drop(drop); });
  EXPECT_EQ((std::vector<BoxCall>{{"你确定你之前有保存过配置？", "信息：", MB_SYSTEMMODAL}}), boxes);
  EXPECT_EQ(kPlan, CurrentPlan());
  EXPECT_EQ(std::vector<HDROP>{drop}, FinishedDrops());
}

// Klikvane started believing it runs at a level (Wine has none): elevated
// (high, system), the main window lets a drag's three messages through from
// lower levels once as it is created; at the medium level it asks nothing.
TEST(DropsFromLowerLevels, OnlyAnElevatedKlikvaneLetsTheDragsMessagesThrough) {
  for (DWORD level : {0x3000ul, 0x4000ul, 0x2000ul}) {
    SCOPED_TRACE(level);
    const std::string log = TempPath("filter.log");
    DeleteFileA(log.c_str());
    std::string expected;
    {
      ChildProcess program(ProgramFolder() + "\\leveled_klikvane.exe", "\"" + log + "\" " + std::to_string(level));
      std::unique_ptr<KlikvaneWindow> window = WaitForOtherKlikvane(program.id(), 20000);
      ASSERT_NE(nullptr, window);
      if (level >= 0x3000) {
        for (UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, UINT{0x0049}}) {
          char line[64];
          std::snprintf(line, sizeof line, "%lx %x 1 0\n",
                        static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window->main())), message);
          expected += line;
        }
      }
      PostMessageA(window->main(), WM_CLOSE, 0, 0);
      EXPECT_EQ(0u, program.Wait(15000));
    }
    EXPECT_EQ(expected, ReadWholeFile(log));
    DeleteFileA(log.c_str());
  }
}

}  // namespace
}  // namespace klvtest
