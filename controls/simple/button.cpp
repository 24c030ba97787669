// The push button: a system button with a multi-line caption aligned both
// ways, optionally the default button, optionally showing a picture (an
// icon or a bitmap file) instead of its caption. A click is its event 0.
#include "controls/skeleton/control_skeleton.h"
#include "controls/skeleton/picture_file.h"
#include "controls/skeleton/picture_handles.h"
#include "controls/skeleton/property_table.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/type_records.h"
#include "controls/skeleton/unit_creation.h"
#include "controls/skeleton/unit_settings.h"
#include "runtime/system_text.h"
#include "runtime/events.h"

namespace klv {
namespace {

using namespace ButtonProperty;

constexpr DWORD kAlignmentBits = BS_CENTER | BS_VCENTER;

DWORD AlignmentStyle(const ButtonSettings& s) {
  DWORD horizontal = s.horizontalAlignment == 0 ? BS_LEFT : s.horizontalAlignment == 2 ? BS_RIGHT : BS_CENTER;
  DWORD vertical = s.verticalAlignment == 0 ? BS_TOP : s.verticalAlignment == 2 ? BS_BOTTOM : BS_VCENTER;
  return horizontal | vertical;
}

DWORD KindStyle(const ButtonSettings& s) { return s.buttonType == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

class ButtonUnit : public ControlUnit<ButtonUnit, kFirstSpare, kPropertyCount> {
 public:
  ButtonUnit(const CreateRequest& request, const ButtonSettings& settings)
      : ControlUnit(request), settings_(settings) {
    font_.LoadStored(settings.font);
  }

  // Makes the system window, on creation and again on a rebuild.
  bool Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle);
  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  void Rebuild() override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    RaiseEvent(ButtonEvent::kClicked);
    *result = 0;
    return true;
  }
  void HandleLoadNotice(UINT notice) override { font_.ReapplyOnLoadNotice(notice, hwnd()); }
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProcedure(hwnd, message, wParam, lParam);
  }

  // Effects of property writes, named by the property table.
  void ApplyKind() { SendMessageA(hwnd(), BM_SETSTYLE, KindStyle(settings_), TRUE); }
  void ApplyAlignment() { ApplyStyleBits(kAlignmentBits, AlignmentStyle(settings_)); }

 private:
  void MakePicture();
  DWORD PictureStyle() const { return icon_ ? BS_ICON : bitmap_ ? BS_BITMAP : 0; }
  void ApplyStyleBits(DWORD mask, DWORD bits) {
    DWORD style = (static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_STYLE)) & ~mask) | bits;
    SetWindowLongA(hwnd(), GWL_STYLE, static_cast<LONG>(style));
    InvalidateRect(hwnd(), nullptr, TRUE);
  }

  ButtonSettings settings_;
  ControlFont font_;
  IconHandle icon_;
  BitmapHandle bitmap_;
};

using Row = PropertySpec<ButtonUnit, ButtonSettings>;
using S = ButtonSettings;

constexpr Row kTable[] = {
    // The picture style is the window's from its making: a new picture needs a new window.
    {kPicture, "图片", "Picture", PropertyKind::kPicture},
    {kButtonType, "类型", "Type", PropertyKind::kChoice, &S::buttonType, {0, 1}, &ButtonUnit::ApplyKind},
    {kCaption, "标题", "Caption", PropertyKind::kText},
    {kHorizontalAlignment, "横向对齐方式", "Alignment", PropertyKind::kChoice, &S::horizontalAlignment, {0, 2},
     &ButtonUnit::ApplyAlignment},
    {kVerticalAlignment, "纵向对齐方式", "VAlignment", PropertyKind::kChoice, &S::verticalAlignment, {0, 2},
     &ButtonUnit::ApplyAlignment},
    {kFont, "字体", "Font", PropertyKind::kFont},
};
static_assert(RowsInPropertyOrder(kTable, kPropertyCount), "button properties out of order");
constexpr PropertyTable<kPropertyCount> kProperties = WithSpares<kPropertyCount>(kTable);

void ButtonUnit::MakePicture() {
  icon_.Reset();
  bitmap_.Reset();
  if (LooksLikeIconFile(settings_.picture)) icon_ = MakeIconFromFile(settings_.picture);
  else bitmap_ = MakeBitmapFromFile(settings_.picture);
}

bool ButtonUnit::Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle) {
  MakePicture();
  DWORD style = commonStyle | KindStyle(settings_) | BS_MULTILINE | AlignmentStyle(settings_) | PictureStyle();
  HWND hwnd = MakeSystemWindow({"BUTTON", settings_.caption, style, 0, rect, parent, childId});
  if (!hwnd) return false;
  Adopt(hwnd, true, &font_);
  if (icon_) SendMessageA(hwnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon_.get()));
  if (bitmap_) SendMessageA(hwnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.get()));
  return true;
}

void ButtonUnit::Rebuild() {
  if (hwnd() == nullptr) return;
  ChildPlacement placement = CapturePlacement(hwnd());
  DestroyOwnWindow();
  BuildInPlace(this, &ButtonUnit::Build, placement);
}

bool ButtonUnit::ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) {
  switch (property) {
    case kPicture: out->bytes = settings_.picture; return true;
    case kCaption: out->text = SystemWindowText(hwnd()); return true;
    case kFont: out->font = font_.Value(); return true;
    default: return ReadSettingWord(kTable, settings_, property, &out->low);
  }
}

WriteOutcome ButtonUnit::WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) {
  switch (property) {
    case kPicture: settings_.picture = value.bytes; return WriteOutcome::kRebuildWindow;
    case kCaption: settings_.caption = value.text; SetSystemWindowText(hwnd(), value.text); break;
    case kFont: font_.Set(value.font); font_.ApplyTo(hwnd(), true); break;
    default: return WriteSettingWord(kTable, settings_, property, value.low);
  }
  return WriteOutcome::kApplied;
}

}  // namespace

DataTypeRecord ButtonTypeRecord() {
  return MakeTypeRecord("按钮", "Button", TypeFlags::kEvents, kProperties.rows, kPropertyCount,
                        &TypeInterface<CreateFromSettings<ButtonUnit, ButtonSettings>>);
}

}  // namespace klv
