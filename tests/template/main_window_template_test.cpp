// The MainWindow template built into the image, read back with the template
// reader and checked unit by unit against the window's definition.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "controls/skeleton/unit_settings.h"
#include "image/handler_ids.h"
#include "image/window_template_data.h"
#include "runtime/window_template.h"
#include "main_window_fixture.h"
#include "template_layout.h"

using namespace klv;
using namespace templatetest;

namespace {

constexpr uint32_t kWindowT = 0x00010001, kEditT = 0x00010005, kGroupT = 0x00010009, kLabelT = 0x0001000A,
                   kButtonT = 0x0001000B, kComboT = 0x0001000E, kListT = 0x00020004, kTrayT = 0x00040001;
constexpr uint32_t V = 1, D = 2, T = 4;

struct Expected {
  const char* name;
  uint32_t unitId;
  uint32_t type;
  uint32_t parent;
  int32_t left, top, width, height;
  uint32_t flags;
  std::vector<EventBinding> events;
};

EventBinding On(int32_t event, HandlerId handler) { return {event, static_cast<int32_t>(handler)}; }

// The controls in template order, as the window's definition lists them.
const std::vector<Expected>& ExpectedControls() {
  static const std::vector<Expected> controls = {
      {"标签9", 0x16015009, kLabelT, kGroup3, 0, 48, 256, 32, V, {On(0, HandlerId::IgnoreNoticeFeedback)}},
      {"标签2", 0x16015008, kLabelT, 0, 64, -24, 136, 16, V, {}},
      {"标签1", 0x16015007, kLabelT, 0, 72, -24, 80, 24, V, {}},
      {"托盘图标", 0x160135aa, kTrayT, 0, 8, 8, 26, 26, 0, {On(0, HandlerId::ToggleMainWindow), On(2, HandlerId::ShowTrayMenu)}},
      {"编辑框_记事本", 0x160135a8, kEditT, kGroup3, -18, 16, 276, 76, V | T, {}},
      {"分组框3", kGroup3, kGroupT, 0, 8, 280, 268, 100, V, {}},
      {"按钮_添加", 0x160134d3, kButtonT, 0, 226, 66, 48, 24, V | T, {On(0, HandlerId::AddStep)}},
      {"组合框_按键左右", 0x160134d2, kComboT, 0, 167, 70, 48, 20, V | T, {}},
      {"编辑框_延时", 0x160134cb, kEditT, 0, 113, 70, 40, 20, V | T, {}},
      {"编辑框_Y坐标", 0x160134c9, kEditT, 0, 61, 70, 40, 20, V | T, {}},
      {"编辑框_X坐标", 0x160134c8, kEditT, 0, 9, 70, 40, 20, V | T, {}},
      {"组合框_窗口标题", 0x160134a7, kComboT, 0, 85, 42, 190, 20, V | D | T, {On(2, HandlerId::RefreshWindowTitles)}},
      {"标签_窗X", 0x1601349f, kLabelT, kGroup2, 24, 12, 24, 18, V, {}},
      {"标签_窗Y", 0x160134a0, kLabelT, kGroup2, 24, 29, 24, 18, V, {}},
      {"标签_屏X", 0x1601349d, kLabelT, kGroup1, 24, 12, 24, 18, V, {}},
      {"标签_屏Y", 0x1601349e, kLabelT, kGroup1, 24, 29, 24, 18, V, {}},
      {"标签7", 0x1601349b, kLabelT, kGroup2, 2, 12, 24, 18, V, {}},
      {"标签8", 0x1601349c, kLabelT, kGroup2, 2, 29, 24, 18, V, {}},
      {"标签5", 0x16013499, kLabelT, kGroup1, 2, 12, 24, 18, V, {}},
      {"标签6", 0x1601349a, kLabelT, kGroup1, 2, 29, 24, 18, V, {}},
      {"分组框2", kGroup2, kGroupT, 0, 220, 227, 56, 52, V, {}},
      {"分组框1", kGroup1, kGroupT, 0, 220, 173, 56, 52, V, {}},
      {"标签4", 0x16011a45, kLabelT, 0, 260, 120, 16, 12, V, {}},
      {"标签3", 0x16011a44, kLabelT, 0, 224, 96, 48, 80, V, {}},
      {"超级列表框", 0x16011a43, kListT, 0, 10, 99, 204, 180, V | T,
       {On(-4, HandlerId::ShowStepMenu), On(-3, HandlerId::PickStep)}},
      {"组合框_点击模式", 0x16011a42, kComboT, 0, 9, 42, 72, 20, V | T, {On(0, HandlerId::ApplyClickMode)}},
      {"按钮_保存", 0x16011a41, kButtonT, 0, 233, 8, 40, 24, V | T, {On(0, HandlerId::SaveSettings)}},
      {"按钮_读取", 0x16011a40, kButtonT, 0, 185, 8, 40, 24, V | T, {On(0, HandlerId::LoadSettings)}},
      {"按钮_调试", 0x16011a3f, kButtonT, 0, 122, 8, 56, 24, V | T, {On(0, HandlerId::SingleStep)}},
      {"按钮_停止", 0x16011a3e, kButtonT, 0, 65, 8, 50, 24, V | D | T, {On(0, HandlerId::StopRun)}},
      {"按钮_开始", 0x16011a3d, kButtonT, 0, 8, 8, 50, 24, V | T, {On(0, HandlerId::StartRun)}},
  };
  return controls;
}

struct ExpectedMenu {
  uint32_t unitId;
  uint32_t level;
  const char* caption;
  uint32_t flags;
  int32_t handler;
};

const ExpectedMenu kMenus[] = {
    {0x26013508, 0, "操作", 1, -1},
    {0x26013509, 1, "删除", 0, static_cast<int32_t>(HandlerId::DeleteStep)},
    {0x2601350a, 1, "编辑", 0, static_cast<int32_t>(HandlerId::EditStep)},
    {0x2601350b, 1, "执行", 0, static_cast<int32_t>(HandlerId::SingleStep)},
    {0x260135ae, 0, "功能", 1, -1},
    {0x260135af, 1, "显示", 0, static_cast<int32_t>(HandlerId::ShowMainWindow)},
    {0x260135b1, 1, "选项…", 0, static_cast<int32_t>(HandlerId::OpenOptionsWindow)},
    {0x260135b2, 1, "打开配置…", 0, static_cast<int32_t>(HandlerId::OpenPlanFile)},
    {0x260135b3, 1, "配置另存为…", 0, static_cast<int32_t>(HandlerId::SavePlanAsFile)},
    {0x260135b0, 1, "退出", 0, static_cast<int32_t>(HandlerId::QuitProgram)},
};
constexpr size_t kFirstMenuIndex = 7;  // right after Group3, the sixth control

TEST_F(MainWindowTemplate, WindowRecordAndOwnUnit) {
  EXPECT_EQ(0x52010001u, window_.windowId);
  EXPECT_EQ(0x027CA060u, window_.headWords[0]);
  EXPECT_EQ(0x19010002u, window_.headWords[1]);
  EXPECT_EQ("", window_.firstText);
  EXPECT_EQ("", window_.secondText);

  const UnitDescription& own = window_.units[0];
  EXPECT_EQ(0x06010000u, own.unitId);
  ASSERT_FALSE(own.isMenuEntry);
  EXPECT_EQ(kWindowT, own.control.type);
  EXPECT_EQ("", own.control.name);
  EXPECT_EQ(290, own.control.width);
  EXPECT_EQ(412, own.control.height);
  EXPECT_EQ(V, own.control.flags);
  ASSERT_EQ(3u, own.control.events.size());
  EXPECT_EQ(0, own.control.events[0].event);
  EXPECT_EQ(static_cast<int32_t>(HandlerId::OnMainWindowCreated), own.control.events[0].handlerRef);
  EXPECT_EQ(3, own.control.events[1].event);
  EXPECT_EQ(static_cast<int32_t>(HandlerId::HideWhenMinimised), own.control.events[1].handlerRef);
  EXPECT_EQ(12, own.control.events[2].event);  // files dropped
  EXPECT_EQ(static_cast<int32_t>(HandlerId::LoadDroppedPlan), own.control.events[2].handlerRef);

  WindowSettings settings;
  ASSERT_TRUE(ParseSettings(own.control.settings, &settings));
  EXPECT_EQ(6u, settings.version);
  EXPECT_EQ("Klikvane", settings.caption);
  EXPECT_EQ(2u, settings.borderStyle);
  EXPECT_EQ(1u, settings.minimizeBox);
  EXPECT_EQ(0u, settings.maximizeBox);
  EXPECT_EQ(1u, settings.controlBox);
  EXPECT_EQ(1u, settings.startPosition);
  EXPECT_EQ(1u, settings.movable);
  EXPECT_EQ(0u, settings.alwaysOnTop);
  EXPECT_EQ(0xFF000000u, settings.backgroundColour);
  EXPECT_TRUE(settings.icon.empty());
  EXPECT_TRUE(settings.backgroundPicture.empty());
}

TEST_F(MainWindowTemplate, ControlsInTemplateOrderWithTheirRecords) {
  std::vector<const UnitDescription*> units = WindowAndControls();
  const std::vector<Expected>& expected = ExpectedControls();
  ASSERT_EQ(expected.size() + 1, units.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const Expected& want = expected[i];
    const UnitDescription& unit = *units[i + 1];
    const ControlRecord& got = unit.control;
    SCOPED_TRACE(want.name);
    EXPECT_EQ(want.unitId, unit.unitId);
    EXPECT_EQ(std::string(want.name), got.name);
    EXPECT_EQ(want.type, got.type);
    EXPECT_EQ(want.parent, got.parent);
    EXPECT_EQ(want.left, got.left);
    EXPECT_EQ(want.top, got.top);
    EXPECT_EQ(want.width, got.width);
    EXPECT_EQ(want.height, got.height);
    EXPECT_EQ(want.flags, got.flags);
    ASSERT_EQ(want.events.size(), got.events.size());
    for (size_t e = 0; e < want.events.size(); ++e) {
      EXPECT_EQ(want.events[e].event, got.events[e].event);
      EXPECT_EQ(want.events[e].handlerRef, got.events[e].handlerRef);
    }
    EXPECT_EQ(0u, got.originUnit);
    EXPECT_EQ(0u, got.objectSlot);
    EXPECT_EQ(0u, got.cursorSlot);
    EXPECT_EQ("", got.comment);
    EXPECT_EQ("", got.tag);
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 0}), got.mousePointer);
  }
}

TEST_F(MainWindowTemplate, GroupBoxesListTheirChildrenInTemplateOrder) {
  EXPECT_EQ((std::vector<uint32_t>{0x16015009, 0x160135a8}), Control(kGroup3).children);
  EXPECT_EQ((std::vector<uint32_t>{0x1601349f, 0x160134a0, 0x1601349b, 0x1601349c}), Control(kGroup2).children);
  EXPECT_EQ((std::vector<uint32_t>{0x1601349d, 0x1601349e, 0x16013499, 0x1601349a}), Control(kGroup1).children);
  size_t withChildren = 0;
  for (const UnitDescription& unit : window_.units) {
    if (!unit.isMenuEntry && !unit.control.children.empty()) ++withChildren;
  }
  EXPECT_EQ(3u, withChildren);
}

TEST_F(MainWindowTemplate, MenuEntriesFollowGroup3) {
  EXPECT_EQ(kGroup3, window_.units[kFirstMenuIndex - 1].unitId);
  for (size_t i = 0; i < std::size(kMenus); ++i) {
    const UnitDescription& unit = window_.units[kFirstMenuIndex + i];
    SCOPED_TRACE(kMenus[i].caption);
    EXPECT_EQ(kMenus[i].unitId, unit.unitId);
    ASSERT_TRUE(unit.isMenuEntry);
    EXPECT_EQ(kMenus[i].level, unit.menu.level);
    EXPECT_EQ(std::string(kMenus[i].caption), unit.menu.caption);
    EXPECT_EQ(kMenus[i].flags, unit.menu.menuFlags);
    EXPECT_EQ(kMenus[i].handler, unit.menu.handlerRef);
    EXPECT_EQ(0u, unit.menu.shortcut);
    EXPECT_EQ("", unit.menu.name);
  }
}

// The stored record of ButtonStart, byte for byte: 155 bytes.
TEST(MainWindowTemplateBytes, ButtonStartRecordIsExact) {
  std::vector<uint8_t> want;
  auto words = [&](std::initializer_list<uint32_t> values) {
    for (uint32_t value : values) AppendWord(&want, value);
  };
  auto bytes = [&](std::initializer_list<uint8_t> values) { want.insert(want.end(), values); };
  words({0x0001000B, 0, 0, 0, 0, 0});                       // type, 20 zero bytes
  bytes({0xB0, 0xB4, 0xC5, 0xA5, 0x5F, 0xBF, 0xAA, 0xCA, 0xBC, 0});  // "按钮_开始" in GBK
  bytes({0});                                               // comment
  words({0, 8, 8, 50, 24, 0, 0, 0});                        // object, geometry, cursor, parent, children
  words({4, 0});                                            // default mouse pointer
  bytes({0});                                               // tag
  words({0, 5, 0});                                         // flags: visible, tab stop
  words({1, 0, 13});                                        // clicked -> StartRun, handler number 13
  words({0, 0, 0, 0, 0});
  words({1, 0, 1, 1, 0, 0, 7});                             // button settings, empty pictures
  bytes({0xBF, 0xAA, 0xCA, 0xBC, 0x2F, 0x46, 0x36});        // "开始/F6" in GBK
  ASSERT_EQ(155u, want.size());

  std::vector<uint8_t> block = Block();
  BlockLayout layout = LayoutOf(block);
  ASSERT_EQ(42u, layout.unitIds.size());
  ASSERT_EQ(0x16011a3du, layout.unitIds.back());
  const RecordLayout& record = layout.records.back();
  ASSERT_EQ(155u, record.length);
  EXPECT_EQ(want, std::vector<uint8_t>(block.begin() + record.start, block.begin() + record.start + 155));
}

// The program's block holds the main window, then the options window; the
// whole block reads back and writes out to the same bytes.
TEST(MainWindowTemplateBytes, ProgramBlockHoldsTheMainWindowThenTheOptionsWindow) {
  const std::vector<uint8_t> program(kMainWindowTemplate, kMainWindowTemplate + kMainWindowTemplateLength);
  EXPECT_EQ(16u, WordAt(program, 0));
  EXPECT_EQ(0x52010001u, WordAt(program, 4));
  EXPECT_EQ(0x52010002u, WordAt(program, 8));
  std::vector<WindowDescription> windows = ProgramWindows();
  ASSERT_EQ(2u, windows.size());
  EXPECT_EQ(program, WriteTemplateBlock(windows));
}

TEST(MainWindowTemplateBytes, BlockHeadIsOneWindow) {
  std::vector<uint8_t> block = Block();
  EXPECT_EQ(8u, WordAt(block, 0));
  EXPECT_EQ(0x52010001u, WordAt(block, 4));
  BlockLayout layout = LayoutOf(block);
  EXPECT_EQ(42u, layout.unitCount);
  EXPECT_EQ(block.size(), layout.areaStart + layout.areaLength);
  EXPECT_EQ(0x06010000u, layout.unitIds[0]);
}

}  // namespace
