// MainWindow, unit by unit, in template order. The order is also the z-order
// and the tab order within each parent: the first control is on top. Group
// boxes get their child lists from the parents named here.
#include "image/main_window_description.h"

#include "image/main_window_builder.h"
#include "image/main_window_units.h"
#include "image/program_constants.h"
#include "runtime/interface/command_values.h"
#include "runtime/events.h"

namespace klv {
namespace {

namespace Unit = MainWindowUnit;

// UnitIds of the units that others refer to as a parent.
constexpr uint32_t kGroup1 = 0x16011a46;
constexpr uint32_t kGroup2 = 0x16011a47;
constexpr uint32_t kGroup3 = 0x160135a7;
constexpr uint32_t kOnWindow = 0;  // the parent of controls placed on the window itself

constexpr uint32_t V = UnitFlag::kVisible;
constexpr uint32_t D = UnitFlag::kDisabled;
constexpr uint32_t T = UnitFlag::kTabStop;

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kWindowCoordinateColour = 0xFF0090;
constexpr uint32_t kScreenCoordinateColour = 0xFF8800;

Bytes PlanListBlock() {
  ReportListSettings settings;
  settings.borderStyle = 1;
  settings.textColour = 0;
  settings.textBackgroundColour = 0xFFFFFF;
  settings.backgroundColour = 0xFFFFFF;
  settings.view = 3;
  settings.headerClickable = 1;
  settings.fullRowSelect = 1;
  settings.gridLines = 1;
  settings.singleSelection = 1;
  settings.showSelectionAlways = 1;
  settings.selectedRow = -1;
  for (const char* title : {kConstants.columnX, kConstants.columnY, kConstants.columnDelay, kConstants.columnButton}) {
    ColumnRecord column;
    column.width = 50;
    column.alignment = kAlignLeft;
    column.title = title;
    settings.columns.push_back(column);
  }
  return WriteSettings(settings);
}

Bytes TrayBlock(const std::vector<uint8_t>& icon) {
  TrayIconSettings settings;
  settings.icon = icon;
  settings.tooltip = "Marrowfen";
  settings.shown = 1;
  return WriteSettings(settings);
}

}  // namespace

WindowDescription MainWindowDescription(const std::vector<uint8_t>& trayIcon) {
  using namespace TypeCode;
  const Alignment kLeft = kAlignLeft, kCentre = kAlignCentre;
  WindowBuilder w(Unit::kMainWindow, 0x027CA060, 0x19010002);
  w.Window(Unit::kMainWindowOwn, {50, 50, 290, 412}, V,
           {On(WindowEvent::kCreated, HandlerId::OnMainWindowCreated), On(WindowEvent::kMoved, HandlerId::HideWhenMinimised),
            On(WindowEvent::kFilesDropped, HandlerId::LoadDroppedPlan)},
           FixedWindowBlock("Klikvane", true));

  w.Control(Unit::kNoticeLabel, "标签9", kLabel, kGroup3, {0, 48, 256, 32}, V, {On(LabelEvent::kFeedback, HandlerId::IgnoreNoticeFeedback)},
            LabelBlock("此软件为免费软件 禁止任何人出售", kLeft, kCentre, kBlack));
  w.Control(0x16015008, "标签2", kLabel, kOnWindow, {64, -24, 136, 16}, V, {}, {});
  w.Control(0x16015007, "标签1", kLabel, kOnWindow, {72, -24, 80, 24}, V, {}, {});
  w.Control(Unit::kTray, "托盘图标", kTrayIcon, kOnWindow, {8, 8, 26, 26}, 0,
            {On(TrayIconEvent::kLeftClick, HandlerId::ToggleMainWindow),
             On(TrayIconEvent::kRightClick, HandlerId::ShowTrayMenu)},
            TrayBlock(trayIcon));
  w.Control(Unit::kEditNotes, "编辑框_记事本", kEditBox, kGroup3, {-18, 16, 276, 76}, V | T, {}, EditBlock("", kLeft, true));
  w.Control(kGroup3, "分组框3", kGroupBox, kOnWindow, {8, 280, 268, 100}, V, {}, GroupBlock("记事本"));

  // The menu entries sit here, after Group3. They are only ever popped up:
  // both top-level entries are hidden, so the window has no menu bar. The
  // functions' entries after "显示" are also added to the system menu.
  w.Menu(Unit::kMenuOperations, 0, "操作", MenuFlag::kHidden, kNoHandler);
  w.Menu(Unit::kMenuDelete, 1, "删除", 0, HandlerRef(HandlerId::DeleteStep));
  w.Menu(Unit::kMenuEdit, 1, "编辑", 0, HandlerRef(HandlerId::EditStep));
  w.Menu(Unit::kMenuRunStep, 1, "执行", 0, HandlerRef(HandlerId::SingleStep));
  w.Menu(Unit::kMenuFunctions, 0, "功能", MenuFlag::kHidden, kNoHandler);
  w.Menu(Unit::kMenuShow, 1, "显示", 0, HandlerRef(HandlerId::ShowMainWindow));
  w.Menu(Unit::kMenuOptions, 1, "选项…", 0, HandlerRef(HandlerId::OpenOptionsWindow));
  w.Menu(Unit::kMenuOpenPlan, 1, "打开配置…", 0, HandlerRef(HandlerId::OpenPlanFile));
  w.Menu(Unit::kMenuSavePlanAs, 1, "配置另存为…", 0, HandlerRef(HandlerId::SavePlanAsFile));
  w.Menu(Unit::kMenuQuit, 1, "退出", 0, HandlerRef(HandlerId::QuitProgram));

  w.Control(Unit::kButtonAdd, "按钮_添加", kButton, kOnWindow, {226, 66, 48, 24}, V | T, {On(ButtonEvent::kClicked, HandlerId::AddStep)},
            ButtonBlock("添加"));
  w.Control(Unit::kComboMouseButton, "组合框_按键左右", kComboBox, kOnWindow, {167, 70, 48, 20}, V | T, {},
            DropDownListBlock({"左键", "右键"}, 0));
  w.Control(Unit::kEditDelay, "编辑框_延时", kEditBox, kOnWindow, {113, 70, 40, 20}, V | T, {}, EditBlock("1000", kCentre));
  w.Control(Unit::kEditY, "编辑框_Y坐标", kEditBox, kOnWindow, {61, 70, 40, 20}, V | T, {}, EditBlock("", kCentre));
  w.Control(Unit::kEditX, "编辑框_X坐标", kEditBox, kOnWindow, {9, 70, 40, 20}, V | T, {}, EditBlock("", kCentre));
  w.Control(Unit::kComboWindowTitle, "组合框_窗口标题", kComboBox, kOnWindow, {85, 42, 190, 20}, V | D | T,
            {On(ComboBoxEvent::kAboutToDropDown, HandlerId::RefreshWindowTitles)}, DropDownListBlock({}, -1));
  w.Control(Unit::kLabelWindowX, "标签_窗X", kLabel, kGroup2, {24, 12, 24, 18}, V, {},
            LabelBlock("", kCentre, kCentre, kWindowCoordinateColour));
  w.Control(Unit::kLabelWindowY, "标签_窗Y", kLabel, kGroup2, {24, 29, 24, 18}, V, {},
            LabelBlock("", kCentre, kCentre, kWindowCoordinateColour));
  w.Control(Unit::kLabelScreenX, "标签_屏X", kLabel, kGroup1, {24, 12, 24, 18}, V, {},
            LabelBlock("", kCentre, kCentre, kScreenCoordinateColour));
  w.Control(Unit::kLabelScreenY, "标签_屏Y", kLabel, kGroup1, {24, 29, 24, 18}, V, {},
            LabelBlock("", kCentre, kCentre, kScreenCoordinateColour));
  w.Control(0x1601349b, "标签7", kLabel, kGroup2, {2, 12, 24, 18}, V, {}, LabelBlock("X:", kCentre, kCentre, kBlack));
  w.Control(0x1601349c, "标签8", kLabel, kGroup2, {2, 29, 24, 18}, V, {}, LabelBlock("Y:", kCentre, kCentre, kBlack));
  w.Control(0x16013499, "标签5", kLabel, kGroup1, {2, 12, 24, 18}, V, {}, LabelBlock("X:", kCentre, kCentre, kBlack));
  w.Control(0x1601349a, "标签6", kLabel, kGroup1, {2, 29, 24, 18}, V, {}, LabelBlock("Y:", kCentre, kCentre, kBlack));
  w.Control(kGroup2, "分组框2", kGroupBox, kOnWindow, {220, 227, 56, 52}, V, {}, GroupBlock("窗口"));
  w.Control(kGroup1, "分组框1", kGroupBox, kOnWindow, {220, 173, 56, 52}, V, {}, GroupBlock("屏幕"));
  w.Control(0x16011a45, "标签4", kLabel, kOnWindow, {260, 120, 16, 12}, V, {}, LabelBlock("F1", kLeft, kCentre, kRed));
  w.Control(0x16011a44, "标签3", kLabel, kOnWindow, {224, 96, 48, 80}, V, {},
            LabelBlock("在你需要点击的地方按下  按键即可获取对应的坐标", kLeft, kCentre, kBlack, true));
  w.Control(Unit::kPlanList, "超级列表框", kReportList, kOnWindow, {10, 99, 204, 180}, V | T,
            {On(CommonEvent::kRightDown, HandlerId::ShowStepMenu), On(CommonEvent::kDoubleClick, HandlerId::PickStep)},
            PlanListBlock());
  w.Control(Unit::kComboClickMode, "组合框_点击模式", kComboBox, kOnWindow, {9, 42, 72, 20}, V | T,
            {On(ComboBoxEvent::kItemPicked, HandlerId::ApplyClickMode)}, DropDownListBlock({"前台点击", "后台点击"}, 0));
  w.Control(Unit::kButtonSave, "按钮_保存", kButton, kOnWindow, {233, 8, 40, 24}, V | T,
            {On(ButtonEvent::kClicked, HandlerId::SaveSettings)}, ButtonBlock("保存"));
  w.Control(Unit::kButtonLoad, "按钮_读取", kButton, kOnWindow, {185, 8, 40, 24}, V | T,
            {On(ButtonEvent::kClicked, HandlerId::LoadSettings)}, ButtonBlock("读取"));
  w.Control(Unit::kButtonDebug, "按钮_调试", kButton, kOnWindow, {122, 8, 56, 24}, V | T,
            {On(ButtonEvent::kClicked, HandlerId::SingleStep)}, ButtonBlock("单步调试"));
  w.Control(Unit::kButtonStop, "按钮_停止", kButton, kOnWindow, {65, 8, 50, 24}, V | D | T, {On(ButtonEvent::kClicked, HandlerId::StopRun)},
            ButtonBlock("停止/F7"));
  w.Control(Unit::kButtonStart, "按钮_开始", kButton, kOnWindow, {8, 8, 50, 24}, V | T, {On(ButtonEvent::kClicked, HandlerId::StartRun)},
            ButtonBlock("开始/F6"));

  return w.Finish();
}

}  // namespace klv
