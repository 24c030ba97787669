#include "template_checks.h"

#include "runtime/interface/command_values.h"

namespace klvfuzz {
namespace {

bool SameBinding(const klv::EventBinding& a, const klv::EventBinding& b) {
  return a.event == b.event && a.handlerRef == b.handlerRef;
}

bool SameBindings(const std::vector<klv::EventBinding>& a, const std::vector<klv::EventBinding>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!SameBinding(a[i], b[i])) return false;
  }
  return true;
}

bool SameControl(const klv::ControlRecord& a, const klv::ControlRecord& b) {
  for (size_t i = 0; i < 4; ++i) {
    if (a.reserved[i] != b.reserved[i]) return false;
  }
  return a.type == b.type && a.originUnit == b.originUnit && a.name == b.name && a.comment == b.comment &&
         a.objectSlot == b.objectSlot && a.left == b.left && a.top == b.top && a.width == b.width &&
         a.height == b.height && a.cursorSlot == b.cursorSlot && a.parent == b.parent && a.children == b.children &&
         a.mousePointer == b.mousePointer && a.tag == b.tag && a.flags == b.flags &&
         SameBindings(a.events, b.events) && a.settings == b.settings;
}

bool SameMenu(const klv::MenuRecord& a, const klv::MenuRecord& b) {
  return a.name == b.name && a.comment == b.comment && a.shortcut == b.shortcut && a.level == b.level &&
         a.menuFlags == b.menuFlags && a.caption == b.caption && a.handlerRef == b.handlerRef;
}

bool SameUnit(const klv::UnitDescription& a, const klv::UnitDescription& b) {
  return a.unitId == b.unitId && a.isMenuEntry == b.isMenuEntry && SameControl(a.control, b.control) &&
         SameMenu(a.menu, b.menu);
}

bool SameWindow(const klv::WindowDescription& a, const klv::WindowDescription& b) {
  if (a.windowId != b.windowId || a.headWords[0] != b.headWords[0] || a.headWords[1] != b.headWords[1] ||
      a.firstText != b.firstText || a.secondText != b.secondText || a.units.size() != b.units.size()) {
    return false;
  }
  for (size_t i = 0; i < a.units.size(); ++i) {
    if (!SameUnit(a.units[i], b.units[i])) return false;
  }
  return true;
}

template <class Settings>
SettingsCheck Check(const klv::Bytes& block) {
  Settings first;
  if (!klv::ParseSettings(block, &first)) return SettingsCheck::kRefused;
  const klv::Bytes written = klv::WriteSettings(first);
  Settings second;
  if (!klv::ParseSettings(written, &second)) return SettingsCheck::kUnstable;
  return klv::WriteSettings(second) == written ? SettingsCheck::kParsed : SettingsCheck::kUnstable;
}

}  // namespace

bool SameDescriptions(const std::vector<klv::WindowDescription>& a, const std::vector<klv::WindowDescription>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!SameWindow(a[i], b[i])) return false;
  }
  return true;
}

SettingsCheck CheckSettings(uint32_t type, const klv::Bytes& block) {
  namespace T = klv::TypeCode;
  switch (type) {
    case T::kWindow: return Check<klv::WindowSettings>(block);
    case T::kLabel: return Check<klv::LabelSettings>(block);
    case T::kEditBox: return Check<klv::EditBoxSettings>(block);
    case T::kGroupBox: return Check<klv::GroupBoxSettings>(block);
    case T::kButton: return Check<klv::ButtonSettings>(block);
    case T::kComboBox: return Check<klv::ComboBoxSettings>(block);
    case T::kReportList: return Check<klv::ReportListSettings>(block);
    case T::kHotkeyBox: return Check<klv::HotkeyBoxSettings>(block);
    case T::kTrayIcon: return Check<klv::TrayIconSettings>(block);
    default: return SettingsCheck::kUnknownType;
  }
}

bool RoundTripHolds(const std::vector<klv::WindowDescription>& windows) {
  const std::vector<uint8_t> written = klv::WriteTemplateBlock(windows);
  std::vector<klv::WindowDescription> again;
  if (!klv::ReadTemplateBlock(written.data(), written.size(), &again)) return false;
  return SameDescriptions(windows, again) && klv::WriteTemplateBlock(again) == written;
}

}  // namespace klvfuzz
