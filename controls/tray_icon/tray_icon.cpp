// The tray icon: puts an icon with a tooltip into the taskbar's notification
// area and turns the mouse activity the shell reports on it into events. Its
// own small child window receives those reports and is never shown. When the
// taskbar is made anew (the shell restarted) every tray icon adds itself
// again: the first one replaces its top-level window's procedure to hear the
// shell's broadcast, the last one to go puts the procedure back.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "controls/skeleton/control_paint.h"
#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/picture_file.h"
#include "controls/skeleton/picture_handles.h"
#include "controls/skeleton/property_table.h"
#include "controls/tray_icon/shell_notify_seam.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/events.h"
#include "runtime/gb18030.h"
#include "runtime/private_messages.h"
#include "runtime/system_text.h"
#include "runtime/unit_object.h"

namespace klv {
namespace {

const char kTrayClass[] = "KlikvaneTrayIcon";
// The record the shell is given is the full second version of the wide
// record, whatever newer fields the headers know. The tooltip stays the
// program text it always was, at most 127 bytes, cut at a character; the
// wide record holds as many characters.
constexpr DWORD kRecordSize = 936;
constexpr size_t kTooltipBytes = 127;
static_assert(offsetof(NOTIFYICONDATAW, szTip) == 24 && sizeof(NOTIFYICONDATAW::szTip) == 256, "W record layout");
static_assert(offsetof(NOTIFYICONDATAW, dwInfoFlags) + sizeof(DWORD) == kRecordSize, "version 2 ends at 936");
static_assert(sizeof(NOTIFYICONDATAW) >= kRecordSize, "the record holds at least version 2");

using namespace TrayIconProperty;

BOOL SystemShellNotify(DWORD message, NOTIFYICONDATAW* data) { return Shell_NotifyIconW(message, data); }
ShellNotifyFunction g_shellNotify = &SystemShellNotify;

class TrayIconUnit;

// Every live tray icon of the process, and the top-level window whose
// procedure was replaced to hear the taskbar being made anew.
struct TrayList {
  std::vector<TrayIconUnit*> units;
  HWND hooked = nullptr;
  WNDPROC previous = nullptr;
  UINT taskbarCreated = 0;
};

TrayList& Trays() {
  static TrayList list;
  return list;
}

LRESULT CALLBACK TopLevelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The middle of the taskbar's notification area, or of a 40 x 20 area in the
// screen's bottom-right corner when there is no taskbar.
POINT NotificationAreaCentre() {
  RECT area = {0, 0, 0, 0};
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  HWND notify = taskbar ? FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", nullptr) : nullptr;
  if (!notify || !GetWindowRect(notify, &area)) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    area = {width - 40, height - 20, width, height};
  }
  return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// Read from the program's own file, named in UTF-16: a folder of any name.
IconHandle ProgramIcon() {
  HICON icon = ExtractIconW(GetModuleHandleW(nullptr), ProgramModulePath().c_str(), 0);
  return IconHandle(reinterpret_cast<UINT_PTR>(icon) > 1 ? icon : nullptr);  // 1: not a file with icons
}

class TrayIconUnit : public ControlUnit<TrayIconUnit, kFirstSpare, kPropertyCount> {
 public:
  TrayIconUnit(const CreateRequest& request, const TrayIconSettings& settings)
      : ControlUnit(request), settings_(settings) {
    settings_.tooltip = gb18030::CutToWholeCharacters(settings_.tooltip, kTooltipBytes);
    // A tray icon stored without an image shows the program's own icon.
    icon_ = settings_.icon.empty() ? ProgramIcon() : MakeIconFromFile(settings_.icon);
  }
  ~TrayIconUnit() override {
    Remove();
    icon_.Reset();
    LeaveList();
  }

  bool Create(const CreateRequest& request);
  bool IsWindowless() const override { return true; }
  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The shell lost every icon (the taskbar was made anew).
  void AddAgain() {
    added_ = false;
    Add();
  }

 private:
  NOTIFYICONDATAW FreshRecord() const;
  void Add();
  void Update();
  void Remove();
  void WriteIcon(const Bytes& file);
  void JoinList();
  void LeaveList();
  void Paint();
  void RaiseMouseEvent(UINT mouseMessage);

  TrayIconSettings settings_;
  IconHandle icon_;
  NOTIFYICONDATAW record_ = {};  // the record last added, kept for modify and delete
  bool added_ = false;
};

// Every property is the type's own in code: none is a plain settings word.
using Row = PropertySpec<TrayIconUnit, TrayIconSettings>;

constexpr Row kTable[] = {
    {kIcon, "图标", "Icon", PropertyKind::kIcon},
    {kTooltip, "提示文本", "Tip", PropertyKind::kText},
    {kShown, "是否显示", "Visible", PropertyKind::kLogical},
    {kInNotificationArea, "在通知区域", "InNotificationArea", PropertyKind::kLogical},
    {kPositionX, "图标横坐标", "IconX", PropertyKind::kInteger},
    {kPositionY, "图标纵坐标", "IconY", PropertyKind::kInteger},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "tray icon properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

NOTIFYICONDATAW TrayIconUnit::FreshRecord() const {
  NOTIFYICONDATAW record = {};
  record.cbSize = kRecordSize;
  record.hWnd = hwnd();
  record.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(hwnd()));
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon_.get();
  CopyToSystemBuffer(settings_.tooltip, record.szTip, ARRAYSIZE(record.szTip));
  return record;
}

void TrayIconUnit::Add() {
  if (!icon_ || !settings_.shown) return;
  NOTIFYICONDATAW record = FreshRecord();
  if (!g_shellNotify(NIM_ADD, &record)) return;  // the next update tries again
  record_ = record;
  added_ = true;
}

void TrayIconUnit::Update() {
  if (!added_) return Add();
  record_.hIcon = icon_.get();
  CopyToSystemBuffer(settings_.tooltip, record_.szTip, ARRAYSIZE(record_.szTip));
  g_shellNotify(NIM_MODIFY, &record_);
}

void TrayIconUnit::Remove() {
  if (!added_) return;
  if (g_shellNotify(NIM_DELETE, &record_)) added_ = false;
}

void TrayIconUnit::WriteIcon(const Bytes& file) {
  settings_.icon = file;
  if (file.empty()) {
    Remove();
    InvalidateRect(hwnd(), nullptr, TRUE);
    icon_.Reset();
    return;
  }
  IconHandle made = MakeIconFromFile(file);
  if (!made) return Remove();
  icon_ = std::move(made);
  InvalidateRect(hwnd(), nullptr, TRUE);
  Update();
}

void TrayIconUnit::JoinList() {
  TrayList& trays = Trays();
  trays.units.push_back(this);
  if (trays.units.size() != 1) return;
  trays.hooked = GetAncestor(hwnd(), GA_ROOT);
  trays.previous = SetWindowProcedure(trays.hooked, &TopLevelProcedure);
}

void TrayIconUnit::LeaveList() {
  TrayList& trays = Trays();
  auto at = std::find(trays.units.begin(), trays.units.end(), this);
  if (at == trays.units.end()) return;
  trays.units.erase(at);
  if (!trays.units.empty()) return;
  if (trays.hooked && IsWindow(trays.hooked)) {
    SetWindowProcedure(trays.hooked, trays.previous);
  }
  trays.hooked = nullptr;
  trays.previous = nullptr;
}

bool TrayIconUnit::Create(const CreateRequest& request) {
  if (!RegisterUnitClass<TrayIconUnit>(kTrayClass, 0)) return false;
  HWND hwnd = MakeSystemWindow({kTrayClass, "", WS_CHILD | WS_CLIPSIBLINGS, 0, RequestedRect(request), request.parent,
                                request.childId});
  if (!hwnd) return false;
  Adopt(hwnd, false);
  Trays().taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  JoinList();
  Add();
  return true;
}

bool TrayIconUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  switch (property) {
    case kIcon: out->bytes = settings_.icon; return true;
    case kTooltip: out->text = settings_.tooltip; return true;
    case kShown: out->low = settings_.shown; return true;
    case kInNotificationArea: out->low = added_ ? 1 : 0; return true;
    case kPositionX: out->low = static_cast<uint32_t>(NotificationAreaCentre().x); return true;
    case kPositionY: out->low = static_cast<uint32_t>(NotificationAreaCentre().y); return true;
    default: return ReadSettingWord(kTable, settings_, property, &out->low);
  }
}

WriteOutcome TrayIconUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  switch (property) {
    case kIcon: WriteIcon(value.bytes); break;
    case kTooltip:
      settings_.tooltip = gb18030::CutToWholeCharacters(value.text, kTooltipBytes);
      Update();
      break;
    case kShown:
      settings_.shown = value.low ? 1 : 0;
      if (settings_.shown) Update();
      else Remove();
      break;
    case kInNotificationArea: case kPositionX: case kPositionY: break;  // read-only
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  return WriteOutcome::kApplied;
}

void TrayIconUnit::Paint() {
  PaintScope paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  if (icon_) DrawIconEx(paint.dc(), 0, 0, icon_.get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
}

void TrayIconUnit::RaiseMouseEvent(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONUP: RaiseEvent(TrayIconEvent::kLeftClick); break;
    case WM_LBUTTONDBLCLK: RaiseEvent(TrayIconEvent::kDoubleClick); break;
    case WM_RBUTTONUP: RaiseEvent(TrayIconEvent::kRightClick); break;
    case WM_MOUSEMOVE: {
      POINT cursor = {0, 0};
      GetCursorPos(&cursor);
      RaiseEvent(TrayIconEvent::kMouseMove, {static_cast<uint32_t>(cursor.x), static_cast<uint32_t>(cursor.y)});
      break;
    }
    default: break;
  }
}

LRESULT TrayIconUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kTrayCallbackMessage: RaiseMouseEvent(static_cast<UINT>(lParam)); return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_DESTROY: Remove(); return 0;  // the shell keeps no icon of a window that is gone
    default: return CallPreviousProcedure(hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK TopLevelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TrayList& trays = Trays();
  WNDPROC previous = trays.previous;
  if (message == trays.taskbarCreated && trays.taskbarCreated != 0) {
    std::vector<TrayIconUnit*> units = trays.units;
    for (TrayIconUnit* unit : units) unit->AddAgain();
  }
  return previous ? CallWindowProcedure(previous, hwnd, message, wParam, lParam)
                  : DefaultProcedure(hwnd, message, wParam, lParam);
}

}  // namespace

ShellNotifyFunction SetShellNotifyFunction(ShellNotifyFunction function) {
  ShellNotifyFunction previous = g_shellNotify;
  g_shellNotify = function ? function : &SystemShellNotify;
  return previous == &SystemShellNotify ? nullptr : previous;
}

DataTypeRecord TrayIconTypeRecord() {
  return MakeTypeRecord("托盘图标", "TrayIcon", TypeFlags::kWindowless | TypeFlags::kEvents, kProperties.rows,
                        kPropertyCount, &TypeInterface<CreateFromSettings<TrayIconUnit, TrayIconSettings>>);
}

}  // namespace klv
