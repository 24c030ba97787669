// The font of a control: the program's default font until the program
// sets one, then a font made from the program's font record and owned here.
#pragma once
#include <windows.h>

#include "controls/skeleton/unit_settings.h"
#include "runtime/owned_handle.h"
#include "runtime/unit_object.h"

namespace klv {

using FontHandle = GdiObjectHandle<HFONT>;

// The font every control has until the program sets one: the same face and
// size on a system of any language, made once and kept for the process.
HFONT DefaultFont();

class ControlFont {
 public:
  ControlFont() = default;
  ControlFont(const ControlFont&) = delete;
  ControlFont& operator=(const ControlFont&) = delete;

  // The font stored in a setting block (a LOGFONTA image); an empty or
  // short block keeps the default font.
  void LoadStored(const Bytes& block);
  // Makes the font of the record; the default font when it cannot be made.
  void Set(const FontValue& value);
  // The font as the program reads it: the set one, or the default's own
  // attributes.
  FontValue Value() const;
  // The font to draw with (never null).
  HFONT handle() const;
  // True when the program named a face (the load notice applies it again).
  bool NamesFace() const { return own_ && !value_.face.empty(); }
  // Sends WM_SETFONT with this font and optionally redraws.
  void ApplyTo(HWND window, bool redraw) const;
  // Recreates the font from its record (after the faces may have changed).
  void Refresh() { if (own_) Set(FontValue(value_)); }
  // The load notice that asks controls to apply a font naming a face again:
  // such a font is made anew and sent to the window. True when it was.
  bool ReapplyOnLoadNotice(UINT notice, HWND window);
  // Height in pixels of a line of text in this font.
  int TextHeight() const;

 private:
  FontHandle own_;
  FontValue value_;
};

}  // namespace klv
