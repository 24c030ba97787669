// The report list's settings as styles of its system list view: the view
// kinds and the list-view style bits the settings give.
#pragma once
#include <windows.h>

#include <cstdint>

#include "controls/skeleton/unit_settings.h"

namespace klv {
namespace ReportListStyle {

enum View : uint32_t { kLargeIcons = 0, kSmallIcons = 1, kListView = 2, kReportView = 3 };

// Large or small icons.
bool InIconView(const ReportListSettings& s);

// The list-view style bits of the settings (the low sixteen bits of the
// window style), and the extended list-view style.
DWORD ListStyle(const ReportListSettings& s);
DWORD ExtendedListStyle(const ReportListSettings& s);

}  // namespace ReportListStyle
}  // namespace klv
