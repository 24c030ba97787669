// The window type's creation and properties.
#include "controls/skeleton/host.h"
#include "controls/skeleton/property_table.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/window/window_unit.h"
#include "runtime/events.h"
#include "runtime/system_text.h"
#include "runtime/window_registry.h"

namespace klv {
namespace {

const char kWindowClass[] = "KlikvaneForm";

using namespace WindowProperty;
using Row = PropertySpec<WindowUnit, WindowSettings>;
using S = WindowSettings;

constexpr Row kTable[] = {
    {kCaption, "标题", "Caption", PropertyKind::kText},
    {kBorderStyle, "边框", "Border", PropertyKind::kChoice},
    {kBackgroundColour, "底色", "BackColor", PropertyKind::kColour, &S::backgroundColour, kAnyWord,
     &WindowUnit::ApplyBackground},
    {kBackgroundPicture, "底图", "Picture", PropertyKind::kPicture},
    {kPictureMode, "底图方式", "PictureMode", PropertyKind::kChoice, &S::pictureMode},
    {kUnknown13, "", kUnknownRole, PropertyKind::kBytes},
    {kUnknown14, "", kUnknownRole, PropertyKind::kInteger, &S::unknown14},
    {kControlBox, "控制按钮", "ControlBox", PropertyKind::kLogical, &S::controlBox, kAnyWord, &WindowUnit::ApplyFrame},
    {kMaximizeBox, "最大化按钮", "MaxButton", PropertyKind::kLogical, &S::maximizeBox, kAnyWord,
     &WindowUnit::ApplyFrame},
    {kMinimizeBox, "最小化按钮", "MinButton", PropertyKind::kLogical, &S::minimizeBox, kAnyWord,
     &WindowUnit::ApplyFrame},
    {kWindowState, "位置", "WindowState", PropertyKind::kChoice},
    {kMovable, "可否移动", "Movable", PropertyKind::kLogical, &S::movable},
    {kIcon, "图标", "Icon", PropertyKind::kIcon},
    {kUnknown21, "", kUnknownRole, PropertyKind::kInteger, &S::unknown21},
    {kUnknown22, "", kUnknownRole, PropertyKind::kInteger, &S::unknown22},
    {kUnknown23, "", kUnknownRole, PropertyKind::kInteger, &S::unknown23},
    {kUnknown24, "", kUnknownRole, PropertyKind::kText},
    {kUnknown25, "", kUnknownRole, PropertyKind::kInteger, &S::unknown25},
    {kUnknown26, "", kUnknownRole, PropertyKind::kInteger, &S::unknown26},
    {kUnknown27, "", kUnknownRole, PropertyKind::kInteger, &S::unknown27},
    {kUnknown28, "", kUnknownRole, PropertyKind::kInteger, &S::unknown28},
    {kAlwaysOnTop, "总在最前", "TopMost", PropertyKind::kLogical},
    {kUnknown30, "", kUnknownRole, PropertyKind::kInteger, &S::unknown30},
    {kUnknown31, "", kUnknownRole, PropertyKind::kText},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "window type properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

}  // namespace

FrameStyle FrameFor(const WindowSettings& s) {
  FrameStyle frame = {WS_CLIPCHILDREN, 0};
  switch (s.borderStyle) {
    case 0: frame.style |= WS_POPUP; break;
    case 1: frame.style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case 3: frame.style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; frame.extended |= WS_EX_TOOLWINDOW; break;
    case 4: frame.style |= WS_OVERLAPPED | WS_CAPTION; frame.extended |= WS_EX_TOOLWINDOW; break;
    case 5: frame.style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; frame.extended |= WS_EX_CLIENTEDGE; break;
    case 6: frame.style |= WS_OVERLAPPED | WS_CAPTION; frame.extended |= WS_EX_CLIENTEDGE; break;
    default: frame.style |= WS_OVERLAPPED | WS_CAPTION; break;
  }
  if (s.borderStyle != 0) {
    if (s.controlBox) frame.style |= WS_SYSMENU;
    if (s.minimizeBox) frame.style |= WS_MINIMIZEBOX;
    if (s.maximizeBox) frame.style |= WS_MAXIMIZEBOX;
  }
  if (s.alwaysOnTop) frame.extended |= WS_EX_TOPMOST;
  return frame;
}

bool WindowUnit::Create(const CreateRequest& request) {
  const HBRUSH face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!RegisterUnitClass<WindowUnit>(kWindowClass, CS_DBLCLKS, face)) return false;
  FrameStyle frame = FrameFor(settings_);
  int left = request.left, top = request.top;
  if (settings_.startPosition == 1) {
    left = (GetSystemMetrics(SM_CXSCREEN) - request.width) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - request.height) / 2;
  }
  DWORD style = frame.style | (request.disabled ? WS_DISABLED : 0);
  if (settings_.startPosition == 2) style |= WS_MINIMIZE;
  if (settings_.startPosition == 3) style |= WS_MAXIMIZE;
  SystemWindowDesign design = {kWindowClass, settings_.caption, style, frame.extended,
                               {left, top, left + request.width, top + request.height}};
  design.menu = request.menu;
  design.parent = request.parent;  // the owner, when there is one
  if (BindsEvent(request, WindowEvent::kFilesDropped)) design.extendedStyle |= WS_EX_ACCEPTFILES;
  HWND hwnd = MakeSystemWindow(design);
  if (!hwnd) return false;
  Adopt(hwnd, false);
  ApplyBackground();
  ApplyIcon();
  return true;
}

void WindowUnit::ApplyIcon() {
  icon_.Reset();
  const Bytes& ico = settings_.icon;
  if (ico.size() > 22) {
    int offset = LookupIconIdFromDirectoryEx(const_cast<uint8_t*>(ico.data()), TRUE, 32, 32, LR_DEFAULTCOLOR);
    if (offset > 0 && static_cast<size_t>(offset) < ico.size()) {
      icon_.Reset(CreateIconFromResourceEx(const_cast<uint8_t*>(ico.data()) + offset,
                                           static_cast<DWORD>(ico.size() - offset), TRUE, 0x30000, 32, 32,
                                           LR_DEFAULTCOLOR));
    }
  }
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
}

void WindowUnit::WriteWindowState(uint32_t state) {
  if (!IsWindowVisible(hwnd())) return;
  switch (state) {
    case 0: ShowWindow(hwnd(), SW_SHOWNORMAL); break;
    case 1: {
      if (IsIconic(hwnd()) || IsZoomed(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
      RECT r;
      GetWindowRect(hwnd(), &r);
      int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
      int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
      SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case 2: ShowWindow(hwnd(), SW_MINIMIZE); break;
    default: ShowWindow(hwnd(), SW_MAXIMIZE); break;
  }
}

void WindowUnit::WriteAlwaysOnTop(bool on) {
  settings_.alwaysOnTop = on ? 1 : 0;
  SetWindowPos(hwnd(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (on) return;
  // Other windows of the program that want to stay on top go back above.
  for (auto& window : AllWindowDescriptions()) {
    UnitObject* other = window->units.empty() ? nullptr : window->units[0].object;
    if (other == nullptr || other == this || !window->alive()) continue;
    PropertyValue flag;
    other->ReadTypeProperty(kAlwaysOnTop, -1, &flag);
    if (flag.low) SetWindowPos(other->hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

bool WindowUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  switch (property) {
    case kCaption: out->text = SystemWindowText(hwnd()); return true;
    case kBorderStyle: out->low = settings_.borderStyle; return true;
    case kBackgroundPicture: out->bytes = settings_.backgroundPicture; return true;
    case kUnknown13: out->bytes = settings_.unknown13; return true;
    case kWindowState: out->low = WindowState(); return true;
    case kIcon: out->bytes = settings_.icon; return true;
    case kUnknown24: out->text = settings_.unknown24; return true;
    case kAlwaysOnTop: out->low = settings_.alwaysOnTop; return true;
    case kUnknown31: out->text = settings_.unknown31; return true;
    default: return ReadSettingWord(kTable, settings_, property, &out->low);
  }
}

WriteOutcome WindowUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  switch (property) {
    case kCaption: settings_.caption = value.text; SetSystemWindowText(hwnd(), value.text); break;
    case kBorderStyle: settings_.borderStyle = value.low > 6 ? 6 : value.low; ApplyFrame(); break;
    case kBackgroundPicture: settings_.backgroundPicture = value.bytes; InvalidateRect(hwnd(), nullptr, TRUE); break;
    case kUnknown13: settings_.unknown13 = value.bytes; break;
    case kWindowState: WriteWindowState(value.low > 3 ? 3 : value.low); break;
    case kIcon: settings_.icon = value.bytes; ApplyIcon(); break;
    case kUnknown24: settings_.unknown24 = value.text; break;
    case kAlwaysOnTop: WriteAlwaysOnTop(value.low != 0); break;
    case kUnknown31: settings_.unknown31 = value.text; break;
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  return WriteOutcome::kApplied;
}

DataTypeRecord WindowTypeRecord() {
  return MakeTypeRecord("窗口", "window", TypeFlags::kEvents | TypeFlags::kContainer, kProperties.rows,
                        kPropertyCount, &TypeInterface<CreateFromSettings<WindowUnit, WindowSettings>>);
}

}  // namespace klv
