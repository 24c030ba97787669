// The report list's settings as styles of its system list view: the view
// kinds, the rules for the settings that are plain numbers with a top value
// (what a change of one does to the system window), and the list-view style
// bits the settings give.
#pragma once
#include <windows.h>

#include <cstdint>

#include "controls/skeleton/unit_settings.h"

namespace klv {
namespace ReportListStyle {

enum View : uint32_t { kLargeIcons = 0, kSmallIcons = 1, kListView = 2, kReportView = 3 };

enum class Effect { kRebuild, kStyleInPlace };
enum class Applies { kAlways, kInIconViews, kInReportView, kWithHotTracking };
struct SettingRule {
  int property;
  uint32_t ReportListSettings::*field;
  uint32_t highest;
  Effect effect;
  Applies when;
};

// The rule of type property k; null for a property without one.
const SettingRule* RuleFor(int k);
// A stored number brought into 0..highest (a negative one is 0).
uint32_t ClampSetting(uint32_t value, uint32_t highest);
bool RuleApplies(Applies when, const ReportListSettings& s);

// The list-view style bits of the settings (the low sixteen bits of the
// window style), and the extended list-view style.
DWORD ListStyle(const ReportListSettings& s);
DWORD ExtendedListStyle(const ReportListSettings& s);

}  // namespace ReportListStyle
}  // namespace klv
