#include "controls/control_paint.h"

#include "controls/unit_settings.h"

namespace klv {

COLORREF ResolveColour(uint32_t colour) {
  return colour == kSystemColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour & 0x00FFFFFF);
}

void ColourBrush::Release() {
  if (owned_ && brush_) DeleteObject(brush_);
  brush_ = nullptr;
  owned_ = false;
}

void ColourBrush::Set(uint32_t colour) {
  Release();
  colour_ = colour;
  owned_ = colour != kSystemColour;
  brush_ = owned_ ? CreateSolidBrush(ResolveColour(colour)) : GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT AnswerControlColour(WPARAM dc, uint32_t textColour, const ColourBrush& background) {
  HDC context = reinterpret_cast<HDC>(dc);
  SetTextColor(context, ResolveColour(textColour));
  SetBkColor(context, ResolveColour(background.colour()));
  return reinterpret_cast<LRESULT>(background.handle());
}

}  // namespace klv
