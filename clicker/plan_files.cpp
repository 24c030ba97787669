#include "clicker/plan_files.h"

#include <string>
#include <vector>

#include "clicker/globals.h"
#include "clicker/runtime_access.h"
#include "clicker/settings_file.h"
#include "clicker/system_numbers.h"
#include "clicker/target_rights.h"
#include "controls/commands/core_commands.h"
#include "image/program_constants.h"
#include "runtime/gb18030.h"

namespace klv::clicker {
namespace {

// Room for the longest path the system names, with its terminator.
constexpr uint32_t kPathRoom = 32768;

constexpr uint32_t kDialogFlags =
    FileDialogFlag::kPathMustExist | FileDialogFlag::kHideReadOnly | FileDialogFlag::kNoChangeDirectory;
constexpr uint32_t kOpenFlags = kDialogFlags | FileDialogFlag::kFileMustExist;
constexpr uint32_t kSaveFlags = kDialogFlags | FileDialogFlag::kOverwritePrompt;

// The dialogs take UTF-16 and name any file in it; program text (GB18030)
// holds every such name, so a path reaches the file functions whole
// whatever the system's code page.
std::u16string WideText(const char* programText) { return gb18030::ToUtf16(programText ? programText : ""); }
std::string ProgramText(const char16_t* wide) { return gb18030::FromUtf16(wide); }

// The filter list: the kind's name and its pattern, each terminated, and a
// terminator ending the list.
std::u16string PlanFileFilter() {
  return WideText(kConstants.planFileKind) + u'\0' + WideText(kConstants.planFilePattern) + u'\0';
}

// The dialog's file, or false when the operator cancelled it. The first
// dialog opens in the program's folder; later ones where the system
// remembers the operator was last.
bool AskForPlanPath(SystemFunction dialog, uint32_t flags, std::string* path) {
  const std::u16string filter = PlanFileFilter();
  const std::u16string extension = WideText(kConstants.planFileExtension);
  // The program's folder is asked for only when the dialog will start there.
  const std::u16string folder =
      Globals().planDialogShown ? std::u16string() : WideText(ResultText(CallCore(core::kGetRunDirectory, {})).get());
  std::vector<char16_t> file(kPathRoom, u'\0');
  OpenFileNameBlock block;
  block.owner = WindowHandle();
  block.filter = filter.c_str();
  block.filterIndex = 1;
  block.file = file.data();
  block.fileRoom = kPathRoom;
  block.initialDirectory = Globals().planDialogShown ? nullptr : folder.c_str();
  block.flags = flags;
  block.defaultExtension = extension.c_str();
  Globals().planDialogShown = true;
  if (CallSystem(dialog, {Word(&block)}) == 0) return false;
  *path = ProgramText(file.data());
  return !path->empty();
}

// Finishes the drop when it goes out of scope, whatever came of it: the
// system's drop block is freed there.
class FinishedDrop {
 public:
  explicit FinishedDrop(uint32_t drop) : drop_(drop) {}
  ~FinishedDrop() { CallSystem(kDragFinish, {drop_}); }
  FinishedDrop(const FinishedDrop&) = delete;
  FinishedDrop& operator=(const FinishedDrop&) = delete;

 private:
  uint32_t drop_;
};

// The first file of the drop, or empty when the drop names none.
std::string FirstDroppedPath(uint32_t drop) {
  const uint32_t length = CallSystem(kDragQueryFileW, {drop, 0, 0, 0});
  if (length == 0) return {};
  std::vector<char16_t> file(length + 1, u'\0');
  if (CallSystem(kDragQueryFileW, {drop, 0, Word(file.data()), length + 1}) == 0) return {};
  return ProgramText(file.data());
}

}  // namespace

void OpenPlanFile() {
  std::string path;
  if (AskForPlanPath(kGetOpenFileNameW, kOpenFlags, &path)) LoadPlanFrom(path.c_str());
}

void SavePlanAsFile() {
  std::string path;
  if (AskForPlanPath(kGetSaveFileNameW, kSaveFlags, &path)) SavePlanTo(path.c_str());
}

void LoadDroppedPlan(uint32_t drop) {
  FinishedDrop finished(drop);
  const std::string path = FirstDroppedPath(drop);
  if (!path.empty()) LoadPlanFrom(path.c_str());
}

void AcceptDropsFromLowerLevels(uint32_t window) {
  if (!RunsElevated()) return;
  for (uint32_t message : {DropMessage::kDropFiles, DropMessage::kCopyData, DropMessage::kCopyGlobalData}) {
    CallSystem(kChangeWindowMessageFilterEx, {window, message, kMessageFilterAllow, 0});
  }
}

}  // namespace klv::clicker
