// The combo box: a system "COMBOBOX" with the control's stored items, item
// data, colours and font, and a mirror of its shown text, selected item and
// item texts for other threads, which its procedure brings up to date after
// every message that may have changed them. Items added by the commands live
// only in the system control, so a rebuild loses them.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>

#include "controls/combo_box/combo_box_items.h"
#include "controls/combo_box/combo_box_mirror.h"
#include "controls/skeleton/control_paint.h"
#include "controls/skeleton/control_skeleton.h"
#include "runtime/interface/type_properties.h"
#include "controls/skeleton/unit_settings.h"

namespace klv {

enum ComboStyle : uint32_t { kSimple = 0, kDropDown = 1, kDropDownList = 2 };

class ComboBoxUnit
    : public ControlUnit<ComboBoxUnit, ComboBoxProperty::kFirstSpare, ComboBoxProperty::kPropertyCount>,
      private ComboMirror::LiveSource {
 public:
  ComboBoxUnit(const CreateRequest& request, const ComboBoxSettings& settings)
      : ControlUnit(request), record_(request.record), settings_(settings), background_(settings.backgroundColour) {
    font_.LoadStored(settings.font);
    settings_.style = std::min<uint32_t>(settings_.style, kDropDownList);
  }

  // Makes the system window, on creation and again on a rebuild.
  bool Build(HWND parent, int childId, const RECT& rect, DWORD commonStyle);
  bool ReadTypeProperty(TypePropertyNumber property, int element, PropertyValue* out) override;
  WriteOutcome WriteTypeProperty(TypePropertyNumber property, int element, const PropertyValue& value) override;
  void Rebuild() override;
  bool HandleParentNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void HandleLoadNotice(UINT notice) override;
  // Messages to the combo box and to its edit field.
  LRESULT HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // What the commands read of the combo box: the owner thread its live
  // window, other threads the published copy.
  const ComboMirror& mirror() const { return mirror_; }

  // Effects of property writes, named by the property table.
  void ApplyMaximumLength() {
    if (HasEditField()) SendMessageA(hwnd(), CB_LIMITTEXT, settings_.maximumLength, 0);
  }
  void ApplyItemHeight() { SendMessageA(hwnd(), CB_SETITEMHEIGHT, 0, baseItemHeight_ + settings_.extraItemHeight); }
  void Redraw() { RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME); }
  void ApplyBackground() {
    background_.Set(settings_.backgroundColour);
    Redraw();
  }

 private:
  // Brings the mirror up to date: the shown text and selection, and with
  // items the item texts too. Owner thread.
  void MirrorControl(bool items);
  ComboAsker Direct() const { return {hwnd(), comboProcedure_}; }
  // The mirror's answers on the owner thread, asked of the live window.
  bool HasWindow() const override { return hwnd() != nullptr; }
  ComboMirror::Choice LiveChoice() const override;
  std::string LiveText() const override { return ShownText(Direct()); }
  int32_t LiveSelected() const override { return static_cast<int32_t>(Direct()(CB_GETCURSEL, 0, 0)); }
  std::string LiveItem(int32_t index) const override { return ItemText(Direct(), index); }
  uint32_t LiveItemData(int32_t index) const override;
  void FillItems(HWND combo);
  void ApplyFont(bool redraw);
  void ApplyEditSelection(HWND combo) const {
    int32_t end = settings_.selectionStart + settings_.selectionLength;
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(settings_.selectionStart, end));
  }
  bool HasEditField() const { return settings_.style != kDropDownList; }
  void KeepLiveState();
  void WriteStyle(int32_t requested);
  void WriteSelectionStart(int32_t start);
  void WriteSelectionLength(int32_t length);
  void ReplaceSelection(const std::string& text);
  void WriteCurrentItem(int32_t index);
  // Typed handlers of the combo box's own messages.
  LRESULT OnEraseBackground(HWND hwnd, HDC dc);
  LRESULT ForwardAndMirror(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnEditFieldMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

  const ControlRecord* record_;  // the stored geometry, kept by the runtime
  ComboBoxSettings settings_;
  ControlFont font_;
  ColourBrush background_;
  int baseItemHeight_ = 0;
  ComboMirror mirror_;
  WNDPROC comboProcedure_ = nullptr;  // the system's, in place of a sent message
};

}  // namespace klv
