// Colours and brushes of controls. A stored colour is 0x00BBGGRR, or
// kSystemColour for the system's button-face colour.
#pragma once
#include <windows.h>

#include <cstdint>

#include "runtime/owned_handle.h"

namespace klv {

using BrushHandle = GdiObjectHandle<HBRUSH>;

COLORREF ResolveColour(uint32_t colour);

// A solid brush of a stored colour; the system colour uses the system's own
// brush, which is not deleted.
class ColourBrush {
 public:
  explicit ColourBrush(uint32_t colour) { Set(colour); }
  ColourBrush(const ColourBrush&) = delete;
  ColourBrush& operator=(const ColourBrush&) = delete;

  void Set(uint32_t colour);
  uint32_t colour() const { return colour_; }
  HBRUSH handle() const { return brush_; }

 private:
  uint32_t colour_ = 0;
  BrushHandle owned_;      // the brush made for a colour of the program's own
  HBRUSH brush_ = nullptr;  // owned_, or the system's brush
};

// The answer to WM_CTLCOLOR*: draws text in textColour on the brush's colour
// and hands the brush back as the message's result.
LRESULT AnswerControlColour(WPARAM dc, uint32_t textColour, const ColourBrush& background);

// Device-context and GDI selection scopes.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectScope() { SelectObject(dc_, old_); }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace klv
