#include "controls/skeleton/control_paint.h"

#include "controls/skeleton/unit_settings.h"

namespace klv {

COLORREF ResolveColour(uint32_t colour) {
  return colour == kSystemColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour & 0x00FFFFFF);
}

void ColourBrush::Set(uint32_t colour) {
  owned_.Reset();  // the old brush goes before the new one is made
  colour_ = colour;
  if (colour == kSystemColour) {
    brush_ = GetSysColorBrush(COLOR_BTNFACE);
    return;
  }
  owned_.Reset(CreateSolidBrush(ResolveColour(colour)));
  brush_ = owned_.get();
}

LRESULT AnswerControlColour(WPARAM dc, uint32_t textColour, const ColourBrush& background) {
  HDC context = reinterpret_cast<HDC>(dc);
  SetTextColor(context, ResolveColour(textColour));
  SetBkColor(context, ResolveColour(background.colour()));
  return reinterpret_cast<LRESULT>(background.handle());
}

}  // namespace klv
