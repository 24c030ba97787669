// The group box: a system group-box button that frames other controls. It
// is their parent, so the system sends their notifications to it; it hands
// them on to the units that own them, as the window does for its own
// children. It fills its background with its colour and draws its caption
// in its text colour.
#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/control_paint.h"
#include "controls/skeleton/property_table.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/system_text.h"

namespace klv {
namespace {

using namespace GroupBoxProperty;

DWORD CaptionAlignmentStyle(uint32_t alignment) {
  return alignment == 1 ? BS_CENTER : alignment == 2 ? BS_RIGHT : BS_LEFT;
}

class GroupBoxUnit : public ControlUnit<GroupBoxUnit, kFirstSpare, kPropertyCount> {
 public:
  GroupBoxUnit(const CreateRequest& request, const GroupBoxSettings& settings)
      : ControlUnit(request), settings_(settings), background_(settings.backgroundColour) {
    font_.LoadStored(settings.font);
  }

  bool Create(const CreateRequest& request) {
    DWORD style = CommonChildStyle(request) | WS_CLIPCHILDREN | BS_GROUPBOX |
                  CaptionAlignmentStyle(settings_.captionAlignment);
    HWND hwnd = MakeSystemWindow({"BUTTON", settings_.caption, style, 0, RequestedRect(request), request.parent,
                                  request.childId});
    if (!hwnd) return false;
    Adopt(hwnd, true, &font_);
    return true;
  }

  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
    *result = AnswerControlColour(wParam, settings_.textColour, background_);
    return true;
  }
  void HandleLoadNotice(UINT notice) override { font_.ReapplyOnLoadNotice(notice, hwnd()); }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // Effects of property writes, named by the property table.
  void ApplyAlignment();
  void ApplyBackground() {
    background_.Set(settings_.backgroundColour);
    Redraw();
  }

 private:
  LRESULT OnEraseBackground(HWND hwnd, HDC dc);
  void Redraw() { InvalidateRect(hwnd(), nullptr, TRUE); }

  GroupBoxSettings settings_;
  ControlFont font_;
  ColourBrush background_;
};

LRESULT GroupBoxUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT routed = 0;
  // Notifications of the controls inside go to their own units, as the
  // window does for its direct children (other messages are not routed).
  if (RouteParentNotification(message, wParam, lParam, &routed)) return routed;
  if (message == WM_ERASEBKGND) return OnEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
  return CallPreviousProcedure(hwnd, message, wParam, lParam);
}

LRESULT GroupBoxUnit::OnEraseBackground(HWND hwnd, HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, background_.handle());
  return 1;
}

void GroupBoxUnit::ApplyAlignment() {
  DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_STYLE)) & ~static_cast<DWORD>(BS_CENTER);
  SetWindowLongA(hwnd(), GWL_STYLE, static_cast<LONG>(style | CaptionAlignmentStyle(settings_.captionAlignment)));
  Redraw();
}

using Row = PropertySpec<GroupBoxUnit, GroupBoxSettings>;
using S = GroupBoxSettings;

constexpr Row kTable[] = {
    {kCaption, "标题", "Caption", PropertyKind::kText},
    {kCaptionAlignment, "标题对齐方式", "Alignment", PropertyKind::kChoice, &S::captionAlignment, {0, 2},
     &GroupBoxUnit::ApplyAlignment},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour, &S::textColour, kAnyWord, WriteEffect::kRepaint},
    {kBackgroundColour, "背景颜色", "BackColor", PropertyKind::kColour, &S::backgroundColour, kAnyWord,
     &GroupBoxUnit::ApplyBackground},
    {kFont, "字体", "Font", PropertyKind::kFont},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "group box properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

bool GroupBoxUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  switch (property) {
    case kCaption: out->text = SystemWindowText(hwnd()); return true;
    case kFont: out->font = font_.Value(); return true;
    default: return ReadSettingWord(kTable, settings_, property, &out->low);
  }
}

WriteOutcome GroupBoxUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  switch (property) {
    case kCaption: settings_.caption = value.text; SetSystemWindowText(hwnd(), value.text); break;
    case kFont: font_.Set(value.font); font_.ApplyTo(hwnd(), false); break;
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  Redraw();
  return WriteOutcome::kApplied;
}

}  // namespace

DataTypeRecord GroupBoxTypeRecord() {
  return MakeTypeRecord("分组框", "GroupBox", TypeFlags::kEvents | TypeFlags::kContainer, kProperties.rows,
                        kPropertyCount, &TypeInterface<CreateFromSettings<GroupBoxUnit, GroupBoxSettings>>);
}

}  // namespace klv
