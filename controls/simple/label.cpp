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
#include "controls/skeleton/word_properties.h"
#include "runtime/system_text.h"
#include "runtime/events.h"
#include "runtime/private_messages.h"

namespace klv {
namespace {

const char kLabelClass[] = "KlikvaneLabel";

using namespace LabelProperty;

constexpr PropertyRow kNamedProperties[] = {
    {kText, "标题", "Caption", PropertyKind::kText},
    {kEffect, "效果", "Effect", PropertyKind::kChoice},
    {kBorder, "边框", "Border", PropertyKind::kChoice},
    UnknownProperty(kUnknown11, PropertyKind::kInteger),
    {kFrameColour1, "", "FrameColour1", PropertyKind::kColour},
    {kFrameColour2, "", "FrameColour2", PropertyKind::kColour},
    {kFrameColour3, "", "FrameColour3", PropertyKind::kColour},
    {kFont, "字体", "Font", PropertyKind::kFont},
    {kTextColour, "文本颜色", "TextColor", PropertyKind::kColour},
    {kBackgroundColour, "背景颜色", "BackColor", PropertyKind::kColour},
    {kBackgroundPicture, "底图", "Picture", PropertyKind::kPicture},
    UnknownProperty(kUnknown19, PropertyKind::kChoice),
    UnknownProperty(kUnknown20, PropertyKind::kChoice),
    {kMoreColour1, "", "MoreColour1", PropertyKind::kColour},
    {kMoreColour2, "", "MoreColour2", PropertyKind::kColour},
    {kMoreColour3, "", "MoreColour3", PropertyKind::kColour},
    {kHorizontalAlignment, "横向对齐方式", "Alignment", PropertyKind::kChoice},
    {kWordWrap, "是否自动折行", "WordWrap", PropertyKind::kLogical},
    {kVerticalAlignment, "纵向对齐方式", "VAlignment", PropertyKind::kChoice},
    UnknownProperty(kUnknown27, PropertyKind::kText),
    UnknownProperty(kUnknown28, PropertyKind::kText),
};
static_assert(RowsInPropertyOrder(kNamedProperties, kPropertyCount), "label properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kNamedProperties);

const WordRange kRanges[] = {
    {kEffect, 0, 3},          {kBorder, 0, static_cast<int32_t>(kLastBorderStyle)},
    {kUnknown11, 5, INT32_MAX}, {kUnknown19, 0, 2},
    {kUnknown20, 0, 8},       {kHorizontalAlignment, 0, 2},
    {kVerticalAlignment, 0, 2},
};

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

  bool ReadTypeProperty(int k, int element, PropertyValue* out) override;
  int WriteTypeProperty(int k, int element, const PropertyValue& value) override;
  void HandleLoadNotice(UINT notice) override {
    if (font_.ReapplyOnLoadNotice(notice, hwnd())) Redraw();
  }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  uint32_t* Word(int k);
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

uint32_t* LabelUnit::Word(int k) {
  LabelSettings& s = settings_;
  switch (k) {
    case kEffect: return &s.effect;
    case kBorder: return &s.border;
    case kUnknown11: return &s.unknown11;
    case kFrameColour1: case kFrameColour2: case kFrameColour3: return &s.frameColours[k - kFrameColour1];
    case kTextColour: return &s.textColour;
    case kBackgroundColour: return &s.backgroundColour;
    case kUnknown19: return &s.unknown19;
    case kUnknown20: return &s.unknown20;
    case kMoreColour1: case kMoreColour2: case kMoreColour3: return &s.moreColours[k - kMoreColour1];
    case kHorizontalAlignment: return &s.horizontalAlignment;
    case kWordWrap: return &s.wordWrap;
    case kVerticalAlignment: return &s.verticalAlignment;
    default: return nullptr;
  }
}

bool LabelUnit::ReadTypeProperty(int k, int element, PropertyValue* out) {
  switch (k) {
    case kText: out->text = settings_.text; return true;
    case kFont: out->font = font_.Value(); return true;
    case kBackgroundPicture: out->bytes = settings_.backgroundPicture; return true;
    case kUnknown27: out->text = settings_.unknown27; return true;
    case kUnknown28: out->text = settings_.unknown28; return true;
    default: break;
  }
  return ReadWordOrSpare(Word(k), spare_, k, &out->low);
}

int LabelUnit::WriteTypeProperty(int k, int element, const PropertyValue& value) {
  switch (k) {
    case kText:
      settings_.text = value.text;
      SetSystemWindowText(hwnd(), value.text);
      Redraw();
      return 0;
    case kFont: font_.Set(value.font); Redraw(); return 0;
    case kBackgroundPicture: settings_.backgroundPicture = value.bytes; Redraw(); return 0;
    case kUnknown27: settings_.unknown27 = value.text; return 0;
    case kUnknown28: settings_.unknown28 = value.text; return 0;
    default: break;
  }
  uint32_t* word = Word(k);
  if (word == nullptr) {
    spare_.Write(k, value.low);
    return 0;
  }
  *word = ClampWord(kRanges, k, value.low);
  if (k == kBorder) ApplyBorder(hwnd(), settings_.border);
  if (k == kBackgroundColour) background_.Set(settings_.backgroundColour);
  Redraw();
  return 0;
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
