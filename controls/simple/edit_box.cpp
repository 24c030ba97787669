// The edit box: a system edit control with the runtime's colours and font,
// single- or multi-line, optionally with spin buttons beside it. Its text
// changes, focus changes and the program's writes of its content become its
// events. The system window is made as a wide window so that selection
// positions count characters on every system.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "controls/skeleton/control_paint.h"
#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/control_text.h"
#include "controls/skeleton/property_table.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/system_text.h"
#include "runtime/events.h"

namespace klv {
namespace {

using namespace EditBoxProperty;

constexpr uint32_t kReadOnlyInput = 1;
constexpr uint32_t kPasswordInput = 2;

DWORD EditStyle(const EditBoxSettings& s) {
  DWORD style = BorderFor(s.borderStyle).style;
  if (s.multiLine) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (s.scrollBars & 1) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    if (s.scrollBars & 2) style |= WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (s.alignment == 1) style |= ES_CENTER;
  if (s.alignment == 2) style |= ES_RIGHT;
  if (s.inputMode == kReadOnlyInput) style |= ES_READONLY;
  if (s.inputMode == kPasswordInput) style |= ES_PASSWORD;
  if (s.caseConversion == 1) style |= ES_LOWERCASE;
  if (s.caseConversion == 2) style |= ES_UPPERCASE;
  if (!s.hideSelection) style |= ES_NOHIDESEL;
  return style;
}

class EditBoxUnit : public ControlUnit<EditBoxUnit, kFirstSpare, kPropertyCount> {
 public:
  EditBoxUnit(const CreateRequest& request, const EditBoxSettings& settings)
      : ControlUnit(request), settings_(settings), background_(settings.backgroundColour) {
    font_.LoadStored(settings.font);
  }
  ~EditBoxUnit() override { DestroySpin(); }

  // Makes the system window, on creation and again on a rebuild.
  bool Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle);
  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  void Rebuild() override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void HandleLoadNotice(UINT notice) override { font_.ReapplyOnLoadNotice(notice, hwnd()); }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // Effects of property writes, named by the property table.
  void ApplyBorder() { klv::ApplyBorder(hwnd(), settings_.borderStyle); }
  void ApplyBackground() {
    background_.Set(settings_.backgroundColour);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  void ApplyMaximumLength() { SendMessageW(hwnd(), EM_LIMITTEXT, settings_.maximumLength, 0); }
  void ApplySpinRange();

 private:
  void FitSingleLineHeight();
  void ApplyPasswordCharacter();
  void CreateSpin();
  void FollowWithSpin();
  void DestroySpin() {
    if (spin_ && IsWindow(spin_)) DestroyWindow(spin_);
    spin_ = nullptr;
  }
  void Select(DWORD start, DWORD length) {
    SendMessageW(hwnd(), EM_SETSEL, start, start + length);
    SendMessageW(hwnd(), EM_SCROLLCARET, 0, 0);
  }
  void WriteContent(const std::string& text);

  EditBoxSettings settings_;
  ControlFont font_;
  ColourBrush background_;
  HWND spin_ = nullptr;
  bool quiet_ = false;  // true while the runtime, not the user, changes the text
};

using Row = PropertySpec<EditBoxUnit, EditBoxSettings>;
using S = EditBoxSettings;
constexpr WriteEffect kRebuild = WriteEffect::kRebuildWindow;  // a style the edit control reads when it is made
constexpr WordRange kCount = {0, INT32_MAX};

constexpr Row kTable[] = {
    {kContent, "内容", "Content", PropertyKind::kText},
    {kBorder, "边框", "Border", PropertyKind::kChoice, &S::borderStyle, {0, kLastBorderStyle}, &EditBoxUnit::ApplyBorder},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour, &S::textColour, kAnyWord, WriteEffect::kRepaint},
    {kBackgroundColour, "背景颜色", "BackColor", PropertyKind::kColour, &S::backgroundColour, kAnyWord,
     &EditBoxUnit::ApplyBackground},
    {kFont, "字体", "Font", PropertyKind::kFont},
    {kHideSelection, "隐藏选择", "HideSelection", PropertyKind::kLogical, &S::hideSelection, kAnyWord, kRebuild},
    {kMaximumLength, "最大允许长度", "MaxLength", PropertyKind::kNonNegative, &S::maximumLength, kCount,
     &EditBoxUnit::ApplyMaximumLength},
    {kMultiLine, "是否允许多行", "MultiLine", PropertyKind::kLogical, &S::multiLine, kAnyWord, kRebuild},
    {kScrollBars, "滚动条", "ScrollBars", PropertyKind::kChoice, &S::scrollBars, {0, 3}, kRebuild},
    {kAlignment, "对齐方式", "Alignment", PropertyKind::kChoice, &S::alignment, {0, 2}, kRebuild},
    {kInputMode, "输入方式", "InputMode", PropertyKind::kChoice, &S::inputMode, kCount, kRebuild},
    {kPasswordCharacter, "密码遮盖字符", "PasswordChar", PropertyKind::kText},
    {kCaseConversion, "转换方式", "CaseConversion", PropertyKind::kChoice, &S::caseConversion, {0, 2}, kRebuild},
    {kSpinButtons, "调节器方式", "SpinButtons", PropertyKind::kChoice, &S::spinButtons, kAnyWord, kRebuild},
    {kSpinLower, "调节器底限值", "SpinLower", PropertyKind::kInteger, &S::spinMinimum, kAnyWord,
     &EditBoxUnit::ApplySpinRange},
    {kSpinUpper, "调节器上限值", "SpinUpper", PropertyKind::kInteger, &S::spinMaximum, kAnyWord,
     &EditBoxUnit::ApplySpinRange},
    // The selection is the live window's; its range clamps what the program selects.
    {kSelectionStart, "起始选择位置", "SelStart", PropertyKind::kNonNegative, {}, kCount},
    {kSelectionLength, "被选择字符数", "SelLength", PropertyKind::kNonNegative, {}, kCount},
    {kSelectedText, "被选择文本", "SelText", PropertyKind::kText},
    {kUnknown27, "", kUnknownRole, PropertyKind::kText},
    {kUnknown28, "", kUnknownRole, PropertyKind::kText},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "edit box properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

bool EditBoxUnit::Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle) {
  HWND hwnd = MakeSystemWindow({"EDIT", settings_.content, commonStyle | EditStyle(settings_),
                                BorderFor(settings_.borderStyle).extended, rect, parent, childId});
  if (!hwnd) return false;
  Adopt(hwnd, true, &font_);
  FitSingleLineHeight();
  ApplyMaximumLength();
  ApplyPasswordCharacter();
  if (!settings_.multiLine && settings_.spinButtons) CreateSpin();
  Select(settings_.selectionStart, settings_.selectionLength);
  return true;
}

void EditBoxUnit::FitSingleLineHeight() {
  if (settings_.multiLine) return;
  RECT rect;
  GetWindowRect(hwnd(), &rect);
  int wanted = font_.TextHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
  if (rect.bottom - rect.top >= wanted) return;
  SetWindowPos(hwnd(), nullptr, 0, 0, rect.right - rect.left, wanted,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EditBoxUnit::ApplyPasswordCharacter() {
  if (settings_.inputMode != kPasswordInput) return;
  SendMessageA(hwnd(), EM_SETPASSWORDCHAR, settings_.passwordCharacter & 0xFF, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

// The spin buttons sit right beside the edit box in the same parent, follow
// it when it moves, is shown or hidden, or changes parent, and share its
// enabled state.
void EditBoxUnit::CreateSpin() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  if (!registered) return;
  DWORD style = WS_CHILD | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (!IsWindowEnabled(hwnd())) style |= WS_DISABLED;
  spin_ = MakeSystemWindow({UPDOWN_CLASSA, "", style, 0, {}, GetParent(hwnd())});
  if (!spin_) return;
  SendMessageA(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd()), 0);
  ApplySpinRange();
  FollowWithSpin();
}

void EditBoxUnit::ApplySpinRange() {
  if (!spin_) return;
  int32_t low = std::min(settings_.spinMinimum, settings_.spinMaximum);
  int32_t high = std::max(settings_.spinMinimum, settings_.spinMaximum);
  SendMessageA(spin_, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void EditBoxUnit::FollowWithSpin() {
  if (!spin_ || !hwnd()) return;
  HWND parent = GetParent(hwnd());
  if (GetParent(spin_) != parent) SetParent(spin_, parent);
  RECT rect;
  GetWindowRect(hwnd(), &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  bool visible = (GetWindowLongA(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
  SetWindowPos(spin_, hwnd(), rect.right, rect.top, GetSystemMetrics(SM_CXVSCROLL), rect.bottom - rect.top,
               SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// The spin buttons follow every move and enabling of the edit box, once
// the edit box has taken it.
LRESULT EditBoxUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallPreviousProcedure(hwnd, message, wParam, lParam);
  if (!spin_) return result;
  switch (message) {
    case WM_WINDOWPOSCHANGED: FollowWithSpin(); break;
    case WM_ENABLE: EnableWindow(spin_, wParam ? TRUE : FALSE); break;
    default: break;
  }
  return result;
}

void EditBoxUnit::Rebuild() {
  if (hwnd() == nullptr) return;
  ChildPlacement placement = CapturePlacement(hwnd());
  TextSelection selection = EditSelection(hwnd());
  settings_.content = SystemWindowText(hwnd());
  settings_.selectionStart = selection.start;
  settings_.selectionLength = selection.length();
  quiet_ = true;  // focus and text notifications of the old and new window are not the user's
  DestroySpin();
  DestroyOwnWindow();
  BuildInPlace(this, &EditBoxUnit::Build, placement);
  quiet_ = false;
}

bool EditBoxUnit::HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_COMMAND:
      if (quiet_) return true;
      switch (HIWORD(wParam)) {
        case EN_CHANGE: RaiseEvent(EditBoxEvent::kContentChanged); return true;
        case EN_SETFOCUS: RaiseEvent(CommonEvent::kGotFocus); return true;
        case EN_KILLFOCUS: RaiseEvent(CommonEvent::kLostFocus); return true;
        default: return false;
      }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // read-only and disabled edit boxes ask with this one
      *result = AnswerControlColour(wParam, settings_.textColour, background_);
      return true;
    default:
      return false;
  }
}

// The text is set without the control's own change notice becoming an
// event; the write then counts as exactly one change.
void EditBoxUnit::WriteContent(const std::string& text) {
  settings_.content = text;
  quiet_ = true;
  SetSystemWindowText(hwnd(), text);
  quiet_ = false;
  RaiseEvent(EditBoxEvent::kContentChanged);
}

bool EditBoxUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  TextSelection selection = EditSelection(hwnd());
  switch (property) {
    case kContent: out->text = SystemWindowText(hwnd()); return true;
    case kFont: out->font = font_.Value(); return true;
    case kPasswordCharacter: {
      char first = static_cast<char>(settings_.passwordCharacter & 0xFF);
      out->text = first ? std::string(1, first) : std::string();
      return true;
    }
    case kSelectionStart: out->low = selection.start; return true;
    case kSelectionLength: out->low = selection.length(); return true;
    case kSelectedText: out->text = SelectedText(WideWindowText(hwnd()), selection); return true;
    case kUnknown27: out->text = settings_.unknown27; return true;
    case kUnknown28: out->text = settings_.unknown28; return true;
    default: break;
  }
  return ReadSettingWord(kTable, settings_, property, &out->low);
}

WriteOutcome EditBoxUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  uint32_t word = ClampedWord(kTable, property, value.low);
  TextSelection selection = EditSelection(hwnd());
  switch (property) {
    case kContent: WriteContent(value.text); break;
    case kFont: font_.Set(value.font); font_.ApplyTo(hwnd(), true); break;
    case kPasswordCharacter:
      settings_.passwordCharacter = static_cast<uint8_t>(value.text.empty() ? 0 : value.text[0]);
      ApplyPasswordCharacter();
      break;
    case kSelectionStart: Select(word, selection.length()); break;
    case kSelectionLength: Select(selection.start, word); break;
    case kSelectedText:
      SendMessageW(hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ToSystemText(value.text).c_str()));
      break;
    case kUnknown27: settings_.unknown27 = value.text; break;
    case kUnknown28: settings_.unknown28 = value.text; break;
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  return WriteOutcome::kApplied;
}

}  // namespace

DataTypeRecord EditBoxTypeRecord() {
  return MakeTypeRecord("编辑框", "EditBox", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<EditBoxUnit, EditBoxSettings>>);
}

}  // namespace klv
