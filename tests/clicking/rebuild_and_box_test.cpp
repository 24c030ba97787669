// The runner's reads never fail and never see half an action: while a
// control's window is being built anew, another thread reads the state last
// published to its mirror, and while a handler's message box is up, what the
// operator changes reaches the runner at once.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "clicker/delivery.h"
#include "clicker/plan_list.h"
#include "clicker/runtime_access.h"
#include "controls/commands/core_commands.h"
#include "controls/skeleton/message_box_seam.h"
#include "controls/report_list/report_list_commands.h"
#include "tests/clicking/clicking_fixture.h"
#include "tests/support/program_window.h"

namespace klvtest {
namespace {

using namespace klv::clicker;
using Messages = std::vector<ReceivedMessage>;
namespace rl = klv::reportlist;

constexpr int kTitleBoxWithEditField = 1;
constexpr int kTitleBoxList = 2;
constexpr int kEditLabels = Property::TypeProperty(klv::ReportListProperty::kEditLabels);

// What the runner reads at a step, read on the calling thread.
struct StepView {
  int32_t rows = -1;
  std::vector<std::string> lastRow;
  std::string title;
  uint32_t picked = 0;
  int32_t selected = -2;
  uint32_t selectedData = 0;
  uint32_t target = 0;
  bool operator==(const StepView& o) const {
    return rows == o.rows && lastRow == o.lastRow && title == o.title && picked == o.picked &&
           selected == o.selected && selectedData == o.selectedData && target == o.target;
  }
};

std::string Describe(const StepView& v) {
  std::string row;
  for (const std::string& cell : v.lastRow) row += HexBytes(cell) + "|";
  return "rows " + std::to_string(v.rows) + " last [" + row + "] title " + HexBytes(v.title) + " picked " +
         std::to_string(v.picked) + " selected " + std::to_string(v.selected) + "=" + std::to_string(v.selectedData) +
         " target " + std::to_string(v.target);
}

void PrintTo(const StepView& view, std::ostream* out) { *out << Describe(view); }

klv::CommandArgument TitleBox() { return UnitArgument(Unit::kComboWindowTitle, klv::TypeCode::kComboBox); }

std::vector<std::string> RowTexts(int32_t row) {
  void* cells = reinterpret_cast<void*>(static_cast<uintptr_t>(
      CallReportList(rl::kListRowTexts, {PlanListArgument(), IntegerArgument(row)}).low));
  std::vector<std::string> texts;
  for (uint32_t i = 0; i < PointerCount(cells); ++i) {
    const char* text = static_cast<const char*>(PointerAt(cells, i));
    texts.push_back(text ? text : "");
  }
  FreePointerArrayDeep(cells);
  return texts;
}

StepView ReadAsTheRunnerDoes() {
  StepView view;
  view.rows = CountPlanRows();
  view.lastRow = RowTexts(view.rows - 1);
  uint32_t picked = 0;
  HeapText title = ResultText(CallCore(klv::core::kComboShownChoice, {TitleBox(), IntegerArgument(Word(&picked))}));
  view.title = title.str();
  view.picked = picked;
  view.selected = ReadUnitInteger(Unit::kComboWindowTitle, Property::kComboSelection);
  view.selectedData = CallCore(klv::core::kComboItemData, {TitleBox(), IntegerArgument(view.selected)}).low;
  view.target = TargetOfTitleBox();
  return view;
}

DWORD WINAPI ReadOnThread(void* view) {
  *static_cast<StepView*>(view) = ReadAsTheRunnerDoes();
  return 0;
}

// Reads on another thread at the moment a control's new window is about to
// be made, the old one gone: a CBT hook on this (the window's) thread stops
// the creation of the first window of that class made as a child of the
// main window until the other thread has read.
class ReadDuringRebuild {
 public:
  ReadDuringRebuild(const char* className, uint32_t unitId) : className_(className), unitId_(unitId) {
    current_ = this;
    hook_ = SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
  }
  ~ReadDuringRebuild() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  ReadDuringRebuild(const ReadDuringRebuild&) = delete;
  ReadDuringRebuild& operator=(const ReadDuringRebuild&) = delete;
  bool read() const { return read_; }
  bool windowWasMissing() const { return windowWasMissing_; }
  const StepView& view() const { return view_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    ReadDuringRebuild* self = current_;
    if (code == HCBT_CREATEWND && self && !self->read_) {
      auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
      char name[64] = "";
      GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
      if (create->lpcs->hwndParent == MainWindowHandle() && lstrcmpiA(name, self->className_) == 0) self->ReadNow();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  void ReadNow() {
    read_ = true;
    windowWasMissing_ = UnitHandle(unitId_) == nullptr;
    HANDLE thread = CreateThread(nullptr, 0, &ReadOnThread, &view_, 0, nullptr);
    // The other thread never needs this one: it reads the mirrors.
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 10000)) << "the read waited for the window's thread";
    CloseHandle(thread);
  }
  static ReadDuringRebuild* current_;
  const char* className_;
  uint32_t unitId_;
  HHOOK hook_ = nullptr;
  bool read_ = false;
  bool windowWasMissing_ = false;
  StepView view_;
};
ReadDuringRebuild* ReadDuringRebuild::current_ = nullptr;

StepView ReadOnAnotherThread() {
  StepView view;
  HANDLE thread = CreateThread(nullptr, 0, &ReadOnThread, &view, 0, nullptr);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 10000));
  CloseHandle(thread);
  return view;
}

class Rebuilds : public Clicking {
 protected:
  void TearDown() override {
    WriteUnit(Unit::kPlanList, kEditLabels, 0);
    WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, kTitleBoxList);
    Clicking::TearDown();
  }
};

TEST_F(Rebuilds, AnotherThreadReadsTheLastPublishedStateWhileAControlIsBuiltAnew) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 0);
  AddPlanRow(110, 210, 5);
  const StepView before = ReadOnAnotherThread();
  const uint32_t target = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(Target().window()));
  ASSERT_EQ(target, before.picked) << Describe(before);
  ASSERT_EQ(target, before.target);
  ASSERT_EQ(2, before.rows);
  ASSERT_EQ((std::vector<std::string>{"110", "210", "5", "左键"}), before.lastRow);

  {
    ReadDuringRebuild title("ComboBox", Unit::kComboWindowTitle);
    WriteUnit(Unit::kComboWindowTitle, Property::kComboStyle, kTitleBoxWithEditField);
    ASSERT_TRUE(title.read());
    EXPECT_TRUE(title.windowWasMissing());
    EXPECT_EQ(before, title.view()) << "during the title box's rebuild: " << Describe(title.view());
  }
  {
    // A list built anew is empty; while it is being built the runner still
    // reads the rows it had.
    ReadDuringRebuild list("SysListView32", Unit::kPlanList);
    WriteUnit(Unit::kPlanList, kEditLabels, 1);
    ASSERT_TRUE(list.read());
    EXPECT_TRUE(list.windowWasMissing());
    EXPECT_EQ(2, list.view().rows) << Describe(list.view());
    EXPECT_EQ(before.lastRow, list.view().lastRow);
  }
  EXPECT_EQ(0, ReadOnAnotherThread().rows);
}

TEST_F(Rebuilds, ALoadDuringARunWithAPickedTitleKeepsClicking) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  AddPlanRow(100, 200, 0);
  PressButton(Unit::kButtonStart);
  ASSERT_TRUE(PumpUntil(ShowsRunning));
  const std::string settings = SettingsPathHere();
  WriteWholeFile(settings, std::string("[Configuration]\r\n前后台=1\r\n窗口标题=") + kTargetTitle +
                               "\r\n坐标个数=1\r\n[Coordinate]\r\n坐标1=130|200|0|左键\r\n");
  PressButton(Unit::kButtonLoad);  // the title box becomes one with an edit field
  DeleteFileA(settings.c_str());
  size_t loaded = MarkTarget();
  Messages after = WaitForQueued(loaded, [](const Messages& m) { return CountAt(m, WM_LBUTTONDOWN, Packed(130, 200)) >= 3; });
  EXPECT_GE(CountAt(after, WM_LBUTTONDOWN, Packed(130, 200)), 3u) << Describe(after);
  PressButton(Unit::kButtonStop);
  ASSERT_TRUE(PumpUntil(ShowsIdle));
}

// What the operator does while the box is up, inside the box's own loop.
std::function<void()> g_whileBoxIsUp;
int BoxThatLetsTheOperatorWork(const char*, const char*, uint32_t) {
  if (g_whileBoxIsUp) g_whileBoxIsUp();
  return IDOK;
}

class BoxUp : public Clicking {
 protected:
  void SetUp() override {
    Clicking::SetUp();
    previous_ = klv::SetMessageBoxFunction(&BoxThatLetsTheOperatorWork);
  }
  void TearDown() override {
    klv::SetMessageBoxFunction(previous_);
    g_whileBoxIsUp = nullptr;
    Clicking::TearDown();
  }
  klv::MessageBoxFunction previous_ = nullptr;
};

TEST_F(BoxUp, RowsAddedAndARunStartedWithF6WhileTheLoadBoxIsUpAreClicked) {
  ASSERT_TRUE(ChooseBackgroundTarget(kTargetTitle));
  DeleteFileA((SettingsPathHere()).c_str());
  Messages clicked;
  bool boxShown = false;
  g_whileBoxIsUp = [&] {
    boxShown = true;
    AddPlanRow(120, 220, 10);
    AddPlanRow(125, 225, 10);
    size_t start = MarkTarget();
    PressKey(VK_F6);
    clicked = WaitForQueued(start, [](const Messages& m) {
      return CountAt(m, WM_LBUTTONDOWN, Packed(120, 220)) >= 2 && CountAt(m, WM_LBUTTONDOWN, Packed(125, 225)) >= 2;
    });
    PressKey(VK_F7);
    PumpUntil(ShowsIdle);
  };
  PressButton(Unit::kButtonLoad);  // no settings file: the box comes up inside the handler
  ASSERT_TRUE(boxShown);
  EXPECT_GE(CountAt(clicked, WM_LBUTTONDOWN, Packed(120, 220)), 2u) << Describe(clicked);
  EXPECT_GE(CountAt(clicked, WM_LBUTTONDOWN, Packed(125, 225)), 2u) << Describe(clicked);
  EXPECT_TRUE(ShowsIdle());
}

}  // namespace
}  // namespace klvtest
