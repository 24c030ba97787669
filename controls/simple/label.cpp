// The label: a window of the runtime's own class that paints its text itself
// in its text colour on its background colour, aligned both ways, wrapped
// at words when asked. Other units talk to it through a private message,
// which becomes the label's feedback event.
#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/control_paint.h"
#include "controls/skeleton/property_table.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/system_text.h"
#include "runtime/events.h"
#include "runtime/private_messages.h"

namespace klv {
namespace {

const char kLabelClass[] = "KlikvaneLabel";

using namespace LabelProperty;

UINT HorizontalFormat(uint32_t alignment) {
  return alignment == 1 ? DT_CENTER : alignment == 2 ? DT_RIGHT : DT_LEFT;
}

// Top of a text block of the given height in the client rectangle.
LONG AlignedTop(const RECT& client, LONG height, uint32_t alignment) {
  LONG room = (client.bottom - client.top) - height;
  if (alignment == 1) return client.top + room / 2;
  if (alignment == 2) return client.top + room;
  return client.top;
}

class LabelUnit : public ControlUnit<LabelUnit, kFirstSpare, kPropertyCount> {
 public:
  LabelUnit(const CreateRequest& request, const LabelSettings& settings)
      : ControlUnit(request), settings_(settings), background_(settings.backgroundColour) {
    font_.LoadStored(settings.font);
  }

  bool Create(const CreateRequest& request) {
    if (!RegisterUnitClass<LabelUnit>(kLabelClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)) return false;
    BorderStyle border = BorderFor(settings_.border);
    HWND hwnd = MakeSystemWindow({kLabelClass, settings_.text, CommonChildStyle(request) | border.style,
                                  border.extended, RequestedRect(request), request.parent, request.childId});
    if (!hwnd) return false;
    Adopt(hwnd, false);
    return true;
  }

  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  void HandleLoadNotice(UINT notice) override {
    if (font_.ReapplyOnLoadNotice(notice, hwnd())) Redraw();
  }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // Effects of property writes, named by the property table.
  void ApplyBorder() {
    klv::ApplyBorder(hwnd(), settings_.border);
    Redraw();
  }
  void ApplyBackground() {
    background_.Set(settings_.backgroundColour);
    Redraw();
  }

 private:
  void Redraw() { InvalidateRect(hwnd(), nullptr, TRUE); }
  void Paint();
  LRESULT Feedback(WPARAM wParam, LPARAM lParam) {
    HandlerResult result = {false, 0};
    RaiseEvent(LabelEvent::kFeedback, {static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)}, &result);
    return result.hasValue ? static_cast<LRESULT>(result.value) : 0;
  }

  LabelSettings settings_;
  ControlFont font_;
  ColourBrush background_;
};

using Row = PropertySpec<LabelUnit, LabelSettings>;
using S = LabelSettings;
constexpr WriteEffect kRepaint = WriteEffect::kRepaint;

constexpr Row kTable[] = {
    {kText, "标题", "Caption", PropertyKind::kText},
    {kEffect, "效果", "Effect", PropertyKind::kChoice, &S::effect, {0, 3}, kRepaint},
    {kBorder, "边框", "Border", PropertyKind::kChoice, &S::border, {0, kLastBorderStyle}, &LabelUnit::ApplyBorder},
    {kUnknown11, "", kUnknownRole, PropertyKind::kInteger, &S::unknown11, {5, INT32_MAX}, kRepaint},
    {kFrameColour1, "", "FrameColour1", PropertyKind::kColour, &S::frameColour1, kAnyWord, kRepaint},
    {kFrameColour2, "", "FrameColour2", PropertyKind::kColour, &S::frameColour2, kAnyWord, kRepaint},
    {kFrameColour3, "", "FrameColour3", PropertyKind::kColour, &S::frameColour3, kAnyWord, kRepaint},
    {kFont, "字体", "Font", PropertyKind::kFont},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour, &S::textColour, kAnyWord, kRepaint},
    {kBackgroundColour, "背景颜色", "BackColor", PropertyKind::kColour, &S::backgroundColour, kAnyWord,
     &LabelUnit::ApplyBackground},
    {kBackgroundPicture, "底图", "Picture", PropertyKind::kPicture},
    {kUnknown19, "", kUnknownRole, PropertyKind::kChoice, &S::unknown19, {0, 2}, kRepaint},
    {kUnknown20, "", kUnknownRole, PropertyKind::kChoice, &S::unknown20, {0, 8}, kRepaint},
    {kMoreColour1, "", "MoreColour1", PropertyKind::kColour, &S::moreColour1, kAnyWord, kRepaint},
    {kMoreColour2, "", "MoreColour2", PropertyKind::kColour, &S::moreColour2, kAnyWord, kRepaint},
    {kMoreColour3, "", "MoreColour3", PropertyKind::kColour, &S::moreColour3, kAnyWord, kRepaint},
    {kHorizontalAlignment, "横向对齐方式", "Alignment", PropertyKind::kChoice, &S::horizontalAlignment, {0, 2},
     kRepaint},
    {kWordWrap, "是否自动折行", "WordWrap", PropertyKind::kLogical, &S::wordWrap, kAnyWord, kRepaint},
    {kVerticalAlignment, "纵向对齐方式", "VAlignment", PropertyKind::kChoice, &S::verticalAlignment, {0, 2},
     kRepaint},
    {kUnknown27, "", kUnknownRole, PropertyKind::kText},
    {kUnknown28, "", kUnknownRole, PropertyKind::kText},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "label properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

bool LabelUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  switch (property) {
    case kText: out->text = settings_.text; return true;
    case kFont: out->font = font_.Value(); return true;
    case kBackgroundPicture: out->bytes = settings_.backgroundPicture; return true;
    case kUnknown27: out->text = settings_.unknown27; return true;
    case kUnknown28: out->text = settings_.unknown28; return true;
    default: break;
  }
  return ReadSettingWord(kTable, settings_, property, &out->low);
}

WriteOutcome LabelUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  switch (property) {
    case kText:
      settings_.text = value.text;
      SetSystemWindowText(hwnd(), value.text);
      Redraw();
      break;
    case kFont: font_.Set(value.font); Redraw(); break;
    case kBackgroundPicture: settings_.backgroundPicture = value.bytes; Redraw(); break;
    case kUnknown27: settings_.unknown27 = value.text; break;
    case kUnknown28: settings_.unknown28 = value.text; break;
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  return WriteOutcome::kApplied;
}

// The text block is measured first (wrapped at words when asked) and then
// placed by the vertical alignment, so one path serves single and multiple
// lines alike.
void LabelUnit::Paint() {
  PaintScope paint(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(paint.dc(), &client, background_.handle());
  if (settings_.text.empty()) return;
  SelectScope font(paint.dc(), font_.handle());
  SetTextColor(paint.dc(), ResolveColour(settings_.textColour));
  SetBkMode(paint.dc(), TRANSPARENT);
  UINT format = DT_NOPREFIX | DT_EXPANDTABS | HorizontalFormat(settings_.horizontalAlignment) |
                (settings_.wordWrap ? DT_WORDBREAK : 0);
  const std::wstring text = ToSystemText(settings_.text);
  RECT measured = client;
  DrawTextW(paint.dc(), text.c_str(), -1, &measured, format | DT_CALCRECT);
  RECT target = client;
  target.top = AlignedTop(client, measured.bottom - measured.top, settings_.verticalAlignment);
  target.bottom = target.top + (measured.bottom - measured.top);
  DrawTextW(paint.dc(), text.c_str(), -1, &target, format);
}

LRESULT LabelUnit::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_PAINT: Paint(); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_.handle());  // the font it paints with
    case kLabelFeedbackMessage: return Feedback(wParam, lParam);
    default: return CallPreviousProcedure(hwnd, message, wParam, lParam);
  }
}

}  // namespace

DataTypeRecord LabelTypeRecord() {
  return MakeTypeRecord("标签", "Label", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<LabelUnit, LabelSettings>>);
}

}  // namespace klv
